#pragma once

#include "puzzle/LetterSets.h"
#include "puzzle/PuzzleRecord.h"
#include "puzzle/RandomSource.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Building a new puzzle from a quotation and an author-title line.
namespace Construction {

struct Input {
    QByteArray quotation;   // Windows-1252
    QByteArray authorTitle; // Windows-1252
    bool manual = false;
    QString manualWidth = QStringLiteral("10"); // as typed; read only in manual mode
    QString manualHeight = QStringLiteral("8");
    CharSet quotationCharacters; // space, 'A'..'Z', perhaps apostrophe and hyphen
    CharSet seedLetters;         // 'A'..'Z' and the grid language's letters
    QByteArray constructorName;  // Windows-1252, the Name setting
};

struct Result {
    std::optional<PuzzleRecord> record; // the new puzzle, or nothing when the build failed
    QString message;                    // why it failed, for the constructor
};

struct GridSize {
    int width = 10;
    int height = 8;
    int leadingBlacks = 5;
};

// The grid chosen automatically for n counted quotation characters (n >= 1): the first size,
// widths 10..31 and heights 8..12, with the fewest leftover squares below 10 among those
// holding the quotation less than twice over; the leftovers are split half before the
// quotation (rounded down) and the rest after it. When no size qualifies, up to 70 characters
// get 10 x 8 with 5 leading black squares; larger counts the size holding them with the fewest
// leftovers.
GridSize automaticSize(int n);

// The quotation's squares as construction lays them: characters outside the quotation
// characters vanish, and in automatic mode each run of spaces gives one square.
QByteArray collectSquares(const QByteArray& upperQuotation, const CharSet& quotationCharacters,
                          bool manual);

Result BuildPuzzle(const Input& input, RandomSource& random);

// What Make asks for before it builds: a quotation (spaces count as text) and an author-title
// line that is not blank.
enum class MissingText { None, Quotation, AuthorTitle };
MissingText missingText(const QString& quotation, const QString& authorTitle);
QString missingTextMessage(MissingText missing);

} // namespace Construction
