#pragma once

#include "output/PrintPageTarget.h"

#include <QDialog>

#include <memory>

class AppContext;
class PreviewPanel;
class PrintPreviewPane;
class TGmDocument;
class TIxv7PrintAnsForm;

// "Printer...": the chosen pages of the open puzzle exactly as they will print, on the print
// preview engine's page view, and printed on the printer chosen in "Printer Setup...". The
// controls are the panel the PDF preview shares; the pages are composed again from scratch by
// every redraw and font change.
class TIxv7PreviewForm : public QDialog, private PrintPreviewView {
    Q_OBJECT
public:
    TIxv7PreviewForm(AppContext& ctx, std::unique_ptr<PrintPreviewPane> pane,
                     QWidget* parent = nullptr);
    ~TIxv7PreviewForm() override;

    QWidget* GmPreview = nullptr;
    PreviewPanel* Panel1 = nullptr;

    TGmDocument& document();
    TIxv7PrintAnsForm* solutionWindow() const { return m_solution; }

    void RedrawBtnClick();
    void MsFontBtnClick();
    void PuzzPgFontBtnClick();
    void UpDown1Click(int delta);
    void SolBtnClick();
    void PrintBtnClick();
    void GmPreviewAfterPrint();
    void CloseBtnClick();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    // One composition of the chosen pages, under a busy cursor; a failure is reported in an
    // error box.
    void compose();

    int PaneHeight() const override;
    int MaxZoom() const override;

    AppContext& m_ctx;
    std::unique_ptr<PrintPreviewPane> m_pane;
    TIxv7PrintAnsForm* m_solution = nullptr;
    bool m_shown = false;
};
