#pragma once

#include "puzzle/PuzzleRecord.h"

#include <QByteArray>
#include <QString>

class SettingsAccess;

// The manuscript as a Rich Text Format file for a word processor: the name and address block,
// every listed clue with its answer letters underlined and the square numbers beneath, and a
// second section that repeats the address and asks for the grid picture. Windows-1252 text,
// every line ended by CR LF.
namespace RtfManuscript {

// The whole file. title is T, shown in the page headers and the document's properties.
QByteArray text(const PuzzleRecord& record, const SettingsAccess& settings, const QString& title);

// T for a file: its name without the folder and without the last four characters (".rtf").
QString titleOf(const QString& fileName);

// Writes the manuscript to exactly fileName, replacing it whole or not at all. Raises IoError
// naming the file.
void WriteRtfManuscript(const PuzzleRecord& record, const SettingsAccess& settings,
                        const QString& fileName);

// Text as RTF: backslash and braces escaped, since one unescaped brace would end a group and
// spoil the rest of the document. Puzzle bytes are Windows-1252 and go out as they are.
QByteArray escaped(const QByteArray& bytes);
// Text held as Unicode (settings, file names): Windows-1252 where the code page holds the
// character, an RTF Unicode escape where it does not.
QByteArray escaped(const QString& text);

} // namespace RtfManuscript
