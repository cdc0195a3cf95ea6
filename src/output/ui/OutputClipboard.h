#pragma once

#include "output/GridImage.h"

#include <QString>

class QMimeData;

// The grid pictures and the clues text on the system clipboard, for pasting into documents.
namespace OutputClipboard {

// The picture as SVG (image/svg+xml) for programs that take vector pictures, and the same
// drawing as pixels, four to a unit, for every other program.
QMimeData* gridImageData(const PuzzleRecord& record, GridImageKind kind,
                         const QString& description);
// Replaces the clipboard's contents with the picture.
void CopyGridImage(const PuzzleRecord& record, GridImageKind kind, const QString& description);
// Replaces the clipboard's contents with the clues text, as Unicode text with CR LF lines.
void CopyCluesText(const PuzzleRecord& record);

} // namespace OutputClipboard
