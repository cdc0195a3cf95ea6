#pragma once

#include "output/ComposerOptions.h"
#include "output/PageCanvas.h"
#include "puzzle/PuzzleRecord.h"

class PdfEngine;
class SettingsAccess;

// The PDF target: the page composer's canvas on the PDF engine, in tenths of a millimetre from
// the paper's corner, font heights in pixels of 1/96 inch.
class PdfPageTarget : public PageCanvas {
public:
    explicit PdfPageTarget(PdfEngine& engine) : m_engine(engine) {}

    // Font embedding on, then a new document.
    void BeginDocument() override;
    void EndDocument() override;
    int PageWidth() const override;
    int PageHeight() const override;
    int PageNumber() const override;
    void NewPage() override;
    void SetFontName(const QString& name) override;
    void SetFontSize(int points) override;
    void SetFontHeight(int height) override;
    void SetFontStyle(int style) override;
    void SetFontColour(quint32 colour) override;
    void SetBrushColour(quint32 colour) override;
    void SetBrushClear() override;
    void SetPenWidth(int width) override;
    int TextWidth(const QByteArray& text) override;
    int TextHeight(const QByteArray& text) override;
    void TextOut(int x, int y, const QByteArray& text) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;

private:
    PdfEngine& m_engine;
};

namespace PdfDocument {

// The document properties of a puzzle's PDF: Letter paper in tenths of a millimetre, portrait;
// the author from the constructor's name ("--" for none, "an Ixenvar puzzle" when empty); the
// subject the puzzle file's name without its folder; system colours as the desktop shows them.
void setUp(PdfEngine& engine, const PuzzleRecord& record, const QString& puzzleFile);

// Composes the chosen pages onto the engine, which writes the file or shows the pages as its
// channel says. A composition that fails half-way leaves the engine closed and ready for the
// next, with no file written, and the failure is raised.
void compose(PdfEngine& engine, const PuzzleRecord& record, const SettingsAccess& settings,
             const ComposerOptions& options);

} // namespace PdfDocument
