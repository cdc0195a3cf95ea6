#include "output/ClueList.h"

namespace ClueList {

int listedWordCount(const PuzzleRecord& record) {
    int w = 0;
    while (w < kMaxWords && record.clue(w + 1).length > 0)
        ++w;
    return w;
}

QList<int> answerSquares(const PuzzleRecord& record, int w) {
    QList<int> squares;
    for (int p = 1; hasLetter(record, w, p); ++p)
        squares << record.squareOf(p * 100 + w);
    return squares;
}

} // namespace ClueList
