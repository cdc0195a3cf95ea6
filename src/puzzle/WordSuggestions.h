#pragma once

#include "puzzle/LetterSets.h"
#include "puzzle/PuzzleRecord.h"
#include "puzzle/WordList.h"

#include <QByteArray>
#include <QList>
#include <array>

// Words from a word list that an acrostic word could become with the letters the quotation
// still has free, and the squares each would take.
namespace Suggestions {

constexpr int kShownMost = 200;

// What an acrostic word already holds. The prefix is its letters up to the first empty
// position. Letters held after that gap stay where they are, so a candidate must have them at
// the same positions: picks fill the empty positions lowest first.
struct WordShape {
    QByteArray prefix;
    std::array<quint8, kMaxWordLetters> held{}; // the letter at each position, 0 where empty
    int lastHeld = 0;                           // the highest position held, 0 for none
};
WordShape shapeOf(const PuzzleRecord& rec, int word);

// The letter squares no word has taken, counted by character, for the characters in letters.
std::array<int, 256> freeLetters(const PuzzleRecord& rec, const CharSet& letters);

struct Candidate {
    QByteArray word;
    // One square for each empty position of the acrostic word up to the candidate's length,
    // in the order picks fill them.
    QList<Square> squares;
    // The finished word would take two letters from one quotation word.
    bool repeater = false;
};

struct Result {
    QByteArray prefix;
    QList<Candidate> shown; // longest first, then alphabetically; at most the limit
    qsizetype total = 0;    // every candidate that fits, before the limit
};

// The candidates for word: words of the list, all of whose letters are in letters (the counted
// letters of the grid language), that start with the word's prefix, are longer than it, keep
// the letters it holds after a gap, and whose other letters fit the free letters as a
// multiset. filter, when given, keeps those that contain its letters (as a multiset).
Result suggest(const PuzzleRecord& rec, int word, const WordList& list, const CharSet& letters,
               const QByteArray& filter = {}, int limit = kShownMost);

// The squares a candidate that fits would take: for each of its letters at an empty position,
// a free square holding that letter, chosen so that no two letters of the finished word come
// from the same quotation word when that is possible, and otherwise the earliest free squares
// in reading order. Among the choices that avoid a repeater it takes the earliest square for
// the first letter, then for the second, and so on.
Candidate place(const PuzzleRecord& rec, int word, const QByteArray& candidate);

// The typed letters of a filter as the candidates hold them; anything that is not a letter is
// left out.
QByteArray filterLetters(const QString& typed);

} // namespace Suggestions
