#pragma once

#include "puzzle/PuzzleRecord.h"

#include <QString>

// Reading and writing .ixv files: the record, byte for byte, with no header.
namespace PuzzleFile {

// Reads the first 11519 bytes of the file into a new record. A missing or short file, a file
// that cannot be opened for reading and writing, or content that would lead any index outside
// the record raises IoError (PuzzleFormatError for the content).
PuzzleRecord LoadPuzzle(const QString& fileName);
// The same checks on a file that is only read (for showing a puzzle, not editing it).
PuzzleRecord ReadPuzzle(const QString& fileName);

// The record held by the bytes of a file (its first 11519 bytes), with LoadPuzzle's checks;
// fileName only names the file in the error.
PuzzleRecord fromFileBytes(const QByteArray& bytes, const QString& fileName);

// Why the bytes cannot be used as a puzzle, or empty when they can. Only content that would
// lead an index outside the record is refused; everything else is kept as it is.
QString validate(const PuzzleRecord& record);

// Writes the record to a temporary file beside fileName, flushes it and renames it over the
// file, so that a failure leaves the previous file as it was. Raises IoError on failure.
void SavePuzzle(const QString& fileName, const PuzzleRecord& record);

// A puzzle as the windows name it: the file's name without its folder and without its last four
// characters (the extension).
QString puzzleName(const QString& fileName);

} // namespace PuzzleFile
