#include "puzzle/Statistics.h"

#include "base/Rounding.h"

PuzzleCounts countPuzzle(const PuzzleRecord& rec) {
    PuzzleCounts counts;
    for (int r = 1; r <= rec.GridHeight; ++r) {
        for (int c = 1; c <= rec.GridWidth; ++c) {
            const quint8 ch = rec.letter(c, r);
            if (ch != '\'' && ch != '-' && ch != BlackSquare)
                ++counts.letters;
            if (rec.code(c, r) / 100 == 1)
                ++counts.words;
            if (ch >= 'A' && ch <= 'Z') {
                if (QByteArrayView("AEIOUY").contains(char(ch)))
                    ++counts.vowels;
                else
                    ++counts.consonants;
            }
        }
    }
    return counts;
}

QString PuzzleStatistics(const PuzzleRecord& rec) {
    const PuzzleCounts n = countPuzzle(rec);
    const qint64 ratio = n.words == 0 ? 0 : roundDivHalfEven(n.letters, n.words);
    return QStringLiteral("%1 letters  /  %2 acrostic words  /  %3 letters per acrostic word  /  "
                          "%4 vowels  /  %5 consonants")
        .arg(n.letters)
        .arg(n.words)
        .arg(ratio)
        .arg(n.vowels)
        .arg(n.consonants);
}
