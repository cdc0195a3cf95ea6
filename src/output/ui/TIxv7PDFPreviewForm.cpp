#include "output/ui/TIxv7PDFPreviewForm.h"

#include "app/AppContext.h"
#include "app/Dialogs.h"
#include "base/Codepage.h"
#include "output/PdfPageTarget.h"
#include "output/ui/PreviewPanel.h"
#include "output/ui/TIxv7PrintAnsForm.h"
#include "puzzle/PuzzleFile.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TIxv7PDFPreviewForm::TIxv7PDFPreviewForm(AppContext& ctx, const PdfPageDisplayFactory& makeDisplay,
                                         QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_ctx(ctx) {
    setObjectName(QStringLiteral("TIxv7PDFPreviewForm"));
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    setFont(font);

    PrevPanel = new QWidget(this);
    PrevPanel->setObjectName(QStringLiteral("PrevPanel"));
    auto* host = new QVBoxLayout(PrevPanel);
    host->setContentsMargins(0, 0, 0, 0);
    const PdfPageDisplayParts display = makeDisplay(PrevPanel);
    host->addWidget(display.widget);
    m_display = display.display;

    Panel2 = new PreviewPanel(ctx.procs, PreviewPanelKind::pdf(), this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(PrevPanel, 1);
    row->addWidget(Panel2);

    connect(Panel2->RedrawBtn, &QPushButton::clicked, this, &TIxv7PDFPreviewForm::RedrawBtnClick);
    connect(Panel2->MsFontBtn, &QPushButton::clicked, this, &TIxv7PDFPreviewForm::MsFontBtnClick);
    connect(Panel2->PuzzPgFontBtn, &QPushButton::clicked, this,
            &TIxv7PDFPreviewForm::PuzzPgFontBtnClick);
    connect(Panel2, &PreviewPanel::pageStep, this, &TIxv7PDFPreviewForm::UpDown1Click);
    connect(Panel2->SolBtn, &QPushButton::clicked, this, &TIxv7PDFPreviewForm::SolBtnClick);
    connect(Panel2->ActionBtn, &QPushButton::clicked, this, &TIxv7PDFPreviewForm::MakePDFBtnClick);
    connect(Panel2->CloseBtn, &QPushButton::clicked, this, &TIxv7PDFPreviewForm::CloseBtnClick);
    FormCreate();
}

TIxv7PDFPreviewForm::~TIxv7PDFPreviewForm() {
    m_engine.OnEnd = nullptr;
}

void TIxv7PDFPreviewForm::FormCreate() {
    m_solution = new TIxv7PrintAnsForm(m_ctx.puzzle, this);
    PdfDocument::setUp(m_engine, m_ctx.puzzle, m_ctx.CurrentFile);
    m_engine.setChannel(TOutputChannel::chDisplay);
    m_engine.setDisplay(m_display);
    m_engine.OnEnd = [this](PdfEngine&) { PdfEngineEnd(); };
}

void TIxv7PDFPreviewForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

// The window as wide as a Letter page as tall as the screen, plus the panel, and on the screen.
void TIxv7PDFPreviewForm::FormShow() {
    Panel2->placeWindow(m_ctx.procs.metrics());

    const QString file = m_ctx.CurrentFile;
    setWindowTitle(PuzzleFile::puzzleName(file) + QStringLiteral(" (PDF Preview)"));
    Panel2->resetChoices(Codepage::toUnicode(ComposerOptions::titleFromFileName(file)));
    compose();
}

void TIxv7PDFPreviewForm::compose() {
    if (!m_solution)
        return;
    const bool composed =
        Panel2->compose(m_solution->SolutionText(), [this](const ComposerOptions& options) {
            PdfDocument::compose(m_engine, m_ctx.puzzle, m_ctx.procs, options);
        });
    if (!composed)
        m_engine.setChannel(TOutputChannel::chDisplay);
}

void TIxv7PDFPreviewForm::RedrawBtnClick() {
    if (Panel2->checkPagesChosen())
        compose();
}

void TIxv7PDFPreviewForm::MsFontBtnClick() {
    if (Panel2->chooseFont(Settings::ManuscriptFont))
        compose();
}

void TIxv7PDFPreviewForm::PuzzPgFontBtnClick() {
    if (Panel2->chooseFont(Settings::PuzzlePageFont))
        compose();
}

// Right: the next page, up to the last. Left: the previous page, from page 2 on.
void TIxv7PDFPreviewForm::UpDown1Click(int delta) {
    const int shown = m_engine.ShownPage();
    if (delta > 0)
        m_engine.ShowPage(shown + 1);
    else if (shown >= 2)
        m_engine.ShowPage(shown - 1);
}

void TIxv7PDFPreviewForm::SolBtnClick() {
    if (m_solution)
        m_solution->ShowModal();
}

// An export of no pages is refused as a redraw of none is; the file dialog starts in the
// puzzle's folder.
void TIxv7PDFPreviewForm::MakePDFBtnClick() {
    if (!Panel2->checkPagesChosen() || !m_ctx.procs.dialogs())
        return;
    const QFileInfo puzzle(m_ctx.CurrentFile);
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Print to PDF");
    request.folder = puzzle.absolutePath();
    request.fileName = puzzle.completeBaseName() + QStringLiteral(".PDF");
    request.defaultSuffix = QStringLiteral("pdf");
    request.filters = {QStringLiteral("Adobe Acrobat Document (*.pdf)")};
    request.confirmOverwrite = true;
    const QString file = m_ctx.procs.dialogs()->saveFile(this, request);
    if (file.isEmpty())
        return;
    m_engine.setChannel(TOutputChannel::chPDF);
    m_engine.setFileName(file);
    compose();
}

// Raised inside the composition that ends; the display's composition follows once the
// window has handled its events, so that the window is never held for two compositions.
void TIxv7PDFPreviewForm::PdfEngineEnd() {
    if (m_engine.Channel() != TOutputChannel::chPDF)
        return;
    m_engine.setChannel(TOutputChannel::chDisplay);
    QMetaObject::invokeMethod(this, &TIxv7PDFPreviewForm::redisplayAfterExport,
                              Qt::QueuedConnection);
}

void TIxv7PDFPreviewForm::redisplayAfterExport() {
    if (!isVisible())
        return;
    compose();
    Panel2->runProgress();
}

void TIxv7PDFPreviewForm::CloseBtnClick() {
    close();
}

void TIxv7PDFPreviewForm::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TIxv7PDFPreviewForm::FormClose() {
    delete m_solution;
    m_solution = nullptr;
}
