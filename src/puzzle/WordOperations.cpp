#include "puzzle/WordOperations.h"

#include "base/Codepage.h"

#include <bitset>

namespace WordOps {

namespace {
int code(int position, int word) {
    return position * 100 + word;
}
} // namespace

Pick pickSquare(PuzzleRecord& rec, int c, int r, int word, int* position) {
    if (word < 1 || word > kMaxWords || !rec.insideGrid(c, r))
        return Pick::Ignored;
    const quint8 ch = rec.letter(c, r);
    if (ch == '\'' || ch == '-' || ch == BlackSquare || rec.code(c, r) != CodeFree)
        return Pick::Ignored;
    for (int p = 1; p <= kMaxWordLetters; ++p) {
        if (rec.squareOf(code(p, word)) == 0) {
            rec.setCode(c, r, static_cast<qint16>(code(p, word)));
            if (position)
                *position = p;
            return Pick::Picked;
        }
    }
    return Pick::WordFull;
}

Square takeLetterOut(PuzzleRecord& rec, int word, int position) {
    if (word < 1 || word > kMaxWords || position < 1 || position > kMaxWordLetters)
        return {};
    const Square sq = rec.LocateCode(code(position, word));
    if (sq.column == 0)
        return {};
    rec.squareOf(code(position, word)) = 0;
    if (rec.insideGrid(sq.column, sq.row) && rec.code(sq.column, sq.row) == code(position, word))
        rec.code(sq.column, sq.row) = CodeFree;
    return sq;
}

QList<Square> spill(PuzzleRecord& rec, int word) {
    QList<Square> freed;
    for (int p = kMaxWordLetters; p >= 2; --p) {
        const Square sq = takeLetterOut(rec, word, p);
        if (sq.column != 0)
            freed << sq;
    }
    return freed;
}

int wordCount(const PuzzleRecord& rec) {
    int n = 0;
    for (int w = 1; w <= kMaxWords; ++w) {
        if (rec.squareOf(code(1, w)) != 0)
            ++n;
    }
    return n;
}

bool holdsAnyLetter(const PuzzleRecord& rec, int word) {
    for (int p = 1; p <= kMaxWordLetters; ++p) {
        if (rec.squareOf(code(p, word)) != 0)
            return true;
    }
    return false;
}

QByteArray wordLetters(const PuzzleRecord& rec, int word) {
    QByteArray letters;
    for (int p = 1; p <= kMaxWordLetters; ++p) {
        const Square sq = rec.LocateCode(code(p, word));
        if (sq.column == 0) {
            if (p == 1)
                continue;
            break;
        }
        letters += static_cast<char>(rec.letter(sq.column, sq.row));
    }
    return letters;
}

QByteArray positionRow(const PuzzleRecord& rec, int word) {
    QByteArray row(kMaxWordLetters, ' ');
    for (int p = 1; p <= kMaxWordLetters; ++p) {
        const Square sq = rec.LocateCode(code(p, word));
        if (sq.column != 0 && rec.insideGrid(sq.column, sq.row))
            row[p - 1] = static_cast<char>(rec.letter(sq.column, sq.row));
    }
    return row;
}

QByteArray quotationText(const PuzzleRecord& rec) {
    QByteArray text;
    for (int r = 1; r <= rec.GridHeight; ++r) {
        for (int c = 1; c <= rec.GridWidth; ++c) {
            const quint8 ch = rec.letter(c, r);
            text += static_cast<char>(ch == BlackSquare ? ' ' : ch);
        }
    }
    auto blank = [](char ch) { return static_cast<quint8>(ch) <= ' '; };
    while (!text.isEmpty() && blank(text.front()))
        text.remove(0, 1);
    while (!text.isEmpty() && blank(text.back()))
        text.chop(1);
    return text;
}

QByteArray initialsLine(const PuzzleRecord& rec) {
    QByteArray line(31, ' ');
    for (int r = 1; r <= rec.GridHeight; ++r) {
        for (int c = 1; c <= rec.GridWidth; ++c) {
            const int k = rec.code(c, r);
            if (k / 100 == 1 && k % 100 >= 1)
                line[k % 100 - 1] = static_cast<char>(rec.letter(c, r));
        }
    }
    return line;
}

QString clueRow(const PuzzleRecord& rec, int word) {
    return Codepage::toUnicode(rec.clue(word).bytes()) + QStringLiteral("  | ") +
           Codepage::toUnicode(wordLetters(rec, word));
}

std::array<quint8, 27> letterCounters(const PuzzleRecord& rec) {
    std::array<quint8, 27> counters{};
    for (int r = 1; r <= rec.GridHeight; ++r) {
        for (int c = 1; c <= rec.GridWidth; ++c) {
            const quint8 ch = rec.letter(c, r);
            if (ch == '\'' || ch == '-')
                ++counters[26];
            else if (ch >= 'A' && ch <= 'Z' && rec.code(c, r) == CodeFree)
                ++counters[ch - 'A'];
        }
    }
    return counters;
}

QStringList scanRepeaters(const PuzzleRecord& rec) {
    QStringList rows;
    std::bitset<kMaxWords + 1> seen;
    for (int r = 1; r <= rec.GridHeight; ++r) {
        for (int c = 1; c <= rec.GridWidth; ++c) {
            if (rec.letter(c, r) == BlackSquare) {
                seen.reset();
                continue;
            }
            const int w = rec.code(c, r) % 100;
            if (rec.code(c, r) == CodeFree || w < 1)
                continue;
            if (seen.test(w)) {
                const QString row = WordLabel(w) + u'.' + Codepage::toUnicode(wordLetters(rec, w));
                if (!rows.contains(row))
                    rows << row;
            }
            seen.set(w);
        }
    }
    return rows;
}

int wordOfScanRow(const QString& row) {
    if (row.isEmpty())
        return 0;
    const QChar first = row.at(0);
    if (first >= u'A' && first <= u'Z')
        return first.unicode() - 64;
    if (first >= u'a' && first <= u'd')
        return first.unicode() - 70;
    return 0;
}

CharSet gridKeySet(const LetterState& letters) {
    CharSet keys = LetterSets::BaseLetters();
    if (letters.gridHyphens()) {
        keys.add(LetterSets::Apostrophe);
        keys.add(LetterSets::Hyphen);
    }
    keys.add(letters.languageLetters());
    return keys;
}

bool retypeSquare(PuzzleRecord& rec, int c, int r, quint8 key, const CharSet& keySet) {
    if (key >= 'a' && key <= 'z')
        key = static_cast<quint8>(key - 'a' + 'A');
    if (!rec.insideGrid(c, r) || !keySet.contains(key))
        return false;
    rec.letter(c, r) = key;
    return true;
}

} // namespace WordOps
