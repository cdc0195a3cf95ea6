#pragma once

#include "puzzle/LetterSets.h"
#include "puzzle/PuzzleRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>

// What the editing windows do to the acrostic words. Each operation keeps Codes and SquareOf in
// step.
namespace WordOps {

enum class Pick { Ignored, Picked, WordFull };

// Picks square (c, r) into word as its lowest empty letter position. Ignored for squares outside
// the grid, black, apostrophe and hyphen squares, used squares, and word 0. position receives
// the position filled.
Pick pickSquare(PuzzleRecord& rec, int c, int r, int word, int* position = nullptr);

// Takes letter position p out of the word; the square becomes free. Returns the square, or
// (0, 0) when the position was empty.
Square takeLetterOut(PuzzleRecord& rec, int word, int position);

// Returns the word's letters after the first to the grid; the initial stays. Returns the
// squares freed.
QList<Square> spill(PuzzleRecord& rec, int word);

// Words 1..30 that have an initial letter.
int wordCount(const PuzzleRecord& rec);

// Whether any letter position of the word is filled.
bool holdsAnyLetter(const PuzzleRecord& rec, int word);

// The word's letters in position order, stopping before the first empty position after
// position 1 (an empty position 1 gives no letter but the run goes on).
QByteArray wordLetters(const PuzzleRecord& rec, int word);

// The word's letters at their positions: 30 characters, a space for each empty position.
QByteArray positionRow(const PuzzleRecord& rec, int word);

// The quotation as one paragraph: a space for each black square, no break between grid rows,
// leading and trailing spaces removed.
QByteArray quotationText(const PuzzleRecord& rec);

// 31 characters: the initial letter of word w at character position w (1-based), spaces
// elsewhere.
QByteArray initialsLine(const PuzzleRecord& rec);

// The clue list's row of a word: its clue, "  | " and its letters.
QString clueRow(const PuzzleRecord& rec, int word);

// Free letters 'A'..'Z' (index 0..25) and apostrophes and hyphens wherever they stand
// (index 26). 8-bit counters, as shown in the letter box.
std::array<quint8, 27> letterCounters(const PuzzleRecord& rec);

// Every acrostic word taking two or more letters from one quotation word, in the order first
// found, each as its label, a full stop and its letters ("C.TREE"), listed once.
QStringList scanRepeaters(const PuzzleRecord& rec);

// The word a scan row names, from its first character; 0 for none.
int wordOfScanRow(const QString& row);

// The squares of the grid a quotation-editing key can store: 'A'..'Z', plus apostrophe and
// hyphen once taken in, plus the grid language's letters.
CharSet gridKeySet(const LetterState& letters);

// Retypes a free letter square: the key upper-cased ('a'..'z' only) is stored when keySet holds
// it. Returns whether a letter was stored.
bool retypeSquare(PuzzleRecord& rec, int c, int r, quint8 key, const CharSet& keySet);

} // namespace WordOps
