#include "output/ui/TIxv7PreviewForm.h"

#include "app/AppContext.h"
#include "app/AppTitle.h"
#include "app/Dialogs.h"
#include "base/Codepage.h"
#include "output/ui/PreviewPanel.h"
#include "output/ui/PrintPreviewPane.h"
#include "output/ui/TIxv7PrintAnsForm.h"
#include "preview/GmDocument.h"
#include "puzzle/PuzzleFile.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

TIxv7PreviewForm::TIxv7PreviewForm(AppContext& ctx, std::unique_ptr<PrintPreviewPane> pane,
                                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_ctx(ctx),
      m_pane(std::move(pane)) {
    setObjectName(QStringLiteral("TIxv7PreviewForm"));
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    setFont(font);

    GmPreview = m_pane->widget();
    GmPreview->setObjectName(QStringLiteral("GmPreview"));
    Panel1 = new PreviewPanel(ctx.procs, PreviewPanelKind::print(), this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(GmPreview, 1);
    row->addWidget(Panel1);

    connect(Panel1->RedrawBtn, &QPushButton::clicked, this, &TIxv7PreviewForm::RedrawBtnClick);
    connect(Panel1->MsFontBtn, &QPushButton::clicked, this, &TIxv7PreviewForm::MsFontBtnClick);
    connect(Panel1->PuzzPgFontBtn, &QPushButton::clicked, this,
            &TIxv7PreviewForm::PuzzPgFontBtnClick);
    connect(Panel1, &PreviewPanel::pageStep, this, &TIxv7PreviewForm::UpDown1Click);
    connect(Panel1->SolBtn, &QPushButton::clicked, this, &TIxv7PreviewForm::SolBtnClick);
    connect(Panel1->ActionBtn, &QPushButton::clicked, this, &TIxv7PreviewForm::PrintBtnClick);
    connect(Panel1->CloseBtn, &QPushButton::clicked, this, &TIxv7PreviewForm::CloseBtnClick);
    connect(&document(), &TGmDocument::AfterPrint, this, &TIxv7PreviewForm::GmPreviewAfterPrint);
    FormCreate();
}

TIxv7PreviewForm::~TIxv7PreviewForm() = default;

TGmDocument& TIxv7PreviewForm::document() {
    return m_pane->document();
}

// The document takes the pane's settings; its origin follows the printer chosen now.
void TIxv7PreviewForm::FormCreate() {
    m_solution = new TIxv7PrintAnsForm(m_ctx.puzzle, this);
    PrintDocument::setUp(document());
}

void TIxv7PreviewForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

// The window as wide as a Letter page as tall as the screen, plus the panel, and on the
// screen. Without a printer the pages still show, on the paper the settings choose, but
// cannot be printed.
void TIxv7PreviewForm::FormShow() {
    Panel1->placeWindow(m_ctx.procs.metrics());
    // The pane has its height before the composition sets the zoom from it.
    layout()->activate();

    const QString file = m_ctx.CurrentFile;
    setWindowTitle(PuzzleFile::puzzleName(file) + QStringLiteral(" (Print Preview)"));
    const QString printer = m_pane->printerName();
    Panel1->PrinterLbl->setText(
        QLatin1Char(' ') + (printer.isEmpty() ? QStringLiteral("No printer installed") : printer));
    Panel1->ActionBtn->setEnabled(!printer.isEmpty());
    Panel1->resetChoices(Codepage::toUnicode(ComposerOptions::titleFromFileName(file)));
    compose();
}

void TIxv7PreviewForm::compose() {
    if (!m_solution)
        return;
    Panel1->compose(m_solution->SolutionText(), [this](const ComposerOptions& options) {
        PrintDocument::compose(document(), m_ctx.puzzle, m_ctx.procs, options, this);
    });
}

int TIxv7PreviewForm::PaneHeight() const {
    return m_pane->clientHeight();
}

int TIxv7PreviewForm::MaxZoom() const {
    return m_ctx.procs.ScaleToScreenHeight(100);
}

void TIxv7PreviewForm::RedrawBtnClick() {
    if (Panel1->checkPagesChosen())
        compose();
}

void TIxv7PreviewForm::MsFontBtnClick() {
    if (Panel1->chooseFont(Settings::ManuscriptFont))
        compose();
}

void TIxv7PreviewForm::PuzzPgFontBtnClick() {
    if (Panel1->chooseFont(Settings::PuzzlePageFont))
        compose();
}

// Right arrow and Page Down: the next page; left arrow and Page Up: the previous one.
void TIxv7PreviewForm::UpDown1Click(int delta) {
    if (delta > 0)
        document().NextPage();
    else
        document().PrevPage();
}

void TIxv7PreviewForm::SolBtnClick() {
    if (m_solution)
        m_solution->ShowModal();
}

// Every page in the number of copies the box holds. A job the printer refuses is reported; a
// job that went to the printer shows the progress (GmPreviewAfterPrint).
void TIxv7PreviewForm::PrintBtnClick() {
    document().SetPrintCopies(Panel1->CopyEd->value());
    const TGmPrintResult result = m_pane->print();
    if (result != TGmPrintResult::Failed && result != TGmPrintResult::NoPrinter)
        return;
    if (Dialogs* dialogs = m_ctx.procs.dialogs())
        dialogs->error(this, applicationTitle(), m_pane->printError());
}

void TIxv7PreviewForm::GmPreviewAfterPrint() {
    Panel1->runProgress();
}

void TIxv7PreviewForm::CloseBtnClick() {
    close();
}

void TIxv7PreviewForm::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TIxv7PreviewForm::FormClose() {
    delete m_solution;
    m_solution = nullptr;
}
