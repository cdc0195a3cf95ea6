#pragma once

#include "pdf/PdfEngine.h"

#include <QDialog>

#include <functional>

class AppContext;
class PdfDisplay;
class PreviewPanel;
class TIxv7PrintAnsForm;

// The widget that shows the engine's finished documents, and its display interface.
struct PdfPageDisplayParts {
    QWidget* widget = nullptr;
    PdfDisplay* display = nullptr;
};
// Makes the page display inside the host panel.
using PdfPageDisplayFactory = std::function<PdfPageDisplayParts(QWidget* host)>;

// "Print to PDF...": the chosen pages of the open puzzle as the PDF file will hold them, shown
// page by page from the very bytes the file gets, and written to a file on "Make PDF...". The
// controls are the panel the print preview shares; the pages are composed again from scratch by
// every redraw, font change and export.
class TIxv7PDFPreviewForm : public QDialog {
    Q_OBJECT
public:
    TIxv7PDFPreviewForm(AppContext& ctx, const PdfPageDisplayFactory& makeDisplay,
                        QWidget* parent = nullptr);
    ~TIxv7PDFPreviewForm() override;

    QWidget* PrevPanel = nullptr;
    PreviewPanel* Panel2 = nullptr;

    PdfEngine& engine() { return m_engine; }
    TIxv7PrintAnsForm* solutionWindow() const { return m_solution; }

    void RedrawBtnClick();
    void MsFontBtnClick();
    void PuzzPgFontBtnClick();
    void UpDown1Click(int delta);
    void SolBtnClick();
    void MakePDFBtnClick();
    void CloseBtnClick();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    // The engine's end of a document: an export goes back to the display and shows the pages
    // once more.
    void PdfEngineEnd();
    // One composition of the chosen pages, on the engine's channel, under a busy cursor. A
    // failure is reported in an error box and leaves the engine on the display channel.
    void compose();
    void redisplayAfterExport();

    AppContext& m_ctx;
    PdfEngine m_engine;
    PdfDisplay* m_display = nullptr;
    TIxv7PrintAnsForm* m_solution = nullptr;
    bool m_shown = false;
};
