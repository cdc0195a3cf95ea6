// The main window's outputs of the open puzzle: "Printer..." and "Print to PDF...".
#include "app/AppContext.h"
#include "app/ui/GmPreviewPane.h"
#include "app/ui/TIxv7MainForm.h"
#include "output/ui/PreviewPanel.h"
#include "output/ui/TIxv7PDFPreviewForm.h"
#include "output/ui/TIxv7PreviewForm.h"
#include "output/ui/TIxv7PrintAnsForm.h"
#include "pdf/ui/PdfPageDisplay.h"
#include "puzzle/ui/CodepageInput.h"

#include <QLineEdit>
#include <QPlainTextEdit>

// The preview prints on the printer chosen in "Printer Setup...".
void TIxv7MainForm::PrintBtnClick() {
    if (!m_ctx.puzzleOpen()) {
        FlashNoPuzzle();
        return;
    }
    TIxv7PreviewForm form(m_ctx, std::make_unique<GmPreviewPane>(m_printer.printerName()), this);
    // The title and the solution are puzzle text, typed through the code-page filter.
    CodepageInput::install(form.Panel1->TitleEd, {0, true});
    CodepageInput::install(form.solutionWindow()->QuoteMemo);
    form.exec();
}

void TIxv7MainForm::ToPDFBtnClick() {
    if (!m_ctx.puzzleOpen()) {
        FlashNoPuzzle();
        return;
    }
    TIxv7PDFPreviewForm form(
        m_ctx,
        [](QWidget* host) {
            auto* display = new PdfPageDisplay(host);
            return PdfPageDisplayParts{display, display};
        },
        this);
    // The title and the solution are puzzle text, typed through the code-page filter.
    CodepageInput::install(form.Panel2->TitleEd, {0, true});
    CodepageInput::install(form.solutionWindow()->QuoteMemo);
    form.exec();
}
