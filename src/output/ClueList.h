#pragma once

#include "puzzle/PuzzleRecord.h"

#include <QList>

// Which words the clue lists show and which of their letters: the manuscript pages, the RTF
// manuscript and the clues text all follow these rules.
namespace ClueList {

// The lists run from word 1 up to the first word whose clue is empty, at most 30 words.
int listedWordCount(const PuzzleRecord& record);

// Letter p of word w exists: the word has a square for it.
inline bool hasLetter(const PuzzleRecord& record, int w, int p) {
    return w >= 1 && w <= kMaxWords && p >= 1 && p <= kMaxWordLetters &&
           record.squareOf(p * 100 + w) != 0;
}

// The squares (c*100 + r) of the word's letters from letter 1 on, ending before the first
// position the word has not filled, so a word with a gap shows only the letters before it.
QList<int> answerSquares(const PuzzleRecord& record, int w);

} // namespace ClueList
