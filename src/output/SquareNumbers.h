#pragma once

#include "puzzle/LetterSets.h"
#include "puzzle/PuzzleRecord.h"

#include <QByteArray>
#include <QtGlobal>

// Apostrophe and hyphen squares are visible punctuation: never numbered, never in a word.
inline bool isPunctuationSquare(quint8 ch) {
    return ch == LetterSets::Apostrophe || ch == LetterSets::Hyphen;
}
// Squares that carry a number: every one but black, apostrophe and hyphen squares.
inline bool carriesNumber(quint8 ch) {
    return ch != BlackSquare && !isPunctuationSquare(ch);
}

// The number of every lettered square, 1 upward in reading order (row by row, each row from
// column 1), whether or not the square belongs to a word yet. Every output that prints square
// numbers keeps its own table filled by this one rule.
class SquareNumbers {
public:
    // Numbers the squares of the record's grid. Entries of unnumbered squares keep what they
    // held; they are never read.
    void fill(const PuzzleRecord& record);

    quint16 at(int column, int row) const { return m_numbers[column - 1][row - 1]; }
    // The number of the square a SquareOf entry (c*100 + r) names, in decimal.
    QByteArray textOf(int squareEntry) const {
        return QByteArray::number(at(squareEntry / 100, squareEntry % 100));
    }

private:
    quint16 m_numbers[kMaxColumns][kMaxRows] = {};
};
