#pragma once

#include "output/ComposerOptions.h"
#include "output/PageCanvas.h"
#include "puzzle/PuzzleRecord.h"

class SettingsAccess;
class TGmDocument;

// What the print target asks of the window that shows its pages: each composition sets the
// preview's zoom from the pane's height and keeps it within the largest zoom for this screen.
class PrintPreviewView {
public:
    virtual ~PrintPreviewView() = default;
    // The preview pane's client height in pixels.
    virtual int PaneHeight() const = 0;
    // Percent.
    virtual int MaxZoom() const = 0;
};

// The print target: the page composer's canvas on the print preview engine's document, in
// twips from the corner of the printer's printable area, font heights in 1/600 inch. Without a
// view (the command line) the zoom is left alone.
class PrintPageTarget : public PageCanvas, public PrintTargetOperations {
public:
    PrintPageTarget(TGmDocument& document, const SettingsAccess& settings,
                    const PrintPreviewView* view);

    // Discards every page and draws in twips from now on.
    void BeginDocument() override;
    // Shows page 1.
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
    // Recorded with a clear brush, whatever brush the canvas holds: text has no background.
    void TextOut(int x, int y, const QByteArray& text) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;

    void BeginBatch() override;
    void EndBatch() override;
    void SetPortrait() override;
    // With no printer the margins are 0 and no printer-margin outline is shown.
    void UsePrinterMargins() override;
    // Letter paper when the setting PaperSize is 0, A4 otherwise; the zoom from the view.
    void PreparePrintPage() override;
    void SetDocumentTitle(const QString& title) override;
    int RightPrinterMargin() const override;

private:
    TGmDocument& m_document;
    const SettingsAccess& m_settings;
    const PrintPreviewView* m_view;
};

namespace PrintDocument {

// The preview pane's own settings of a document: Letter paper, zoom 51 of at most 100, the
// origin at the printable area's corner, the user margins outlined in dotted silver and the
// printer's in dotted blue, a 3-pixel shadow in the active caption's colour, one copy and the
// title "<document>".
void setUp(TGmDocument& document);

// Composes the chosen pages onto the document, replacing the pages it held, and shows page 1.
// A composition that fails half-way leaves the document out of every batch, so that the view
// draws again, and the failure is raised.
void compose(TGmDocument& document, const PuzzleRecord& record, const SettingsAccess& settings,
             const ComposerOptions& options, const PrintPreviewView* view);

} // namespace PrintDocument
