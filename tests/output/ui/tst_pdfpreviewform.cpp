// "Print to PDF...": the PDF preview window driven as a user drives it, with its real page
// display (QtPdf), its real engine and files, and scripted dialogs; and the main window's
// button that opens it.
#include "MainWindowFixture.h"
#include "PdfTestSupport.h"
#include "WidgetPicture.h"
#include "TextEntry.h"
#include "app/ui/TMsgBar.h"
#include "base/WindowFonts.h"
#include "output/ui/PreviewPanel.h"
#include "output/ui/TIxv7PDFPreviewForm.h"
#include "output/ui/TIxv7PrintAnsForm.h"
#include "pdf/ui/PdfPageDisplay.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPdfPageNavigator>
#include <QPdfView>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>

using namespace PdfTest;

namespace {

using Choose = std::function<void(PreviewPanel&)>;

} // namespace

class Tst_PdfPreviewForm : public MainWindowFixture {
    Q_OBJECT

    std::unique_ptr<TIxv7PDFPreviewForm> pdf;
    PdfPageDisplay* display = nullptr;

    PreviewPanel& panel() { return *pdf->Panel2; }

    // The window over the puzzle saved under the name, as "Print to PDF..." opens it.
    void open(const QString& fileName = QStringLiteral("Acrostic.ixv")) {
        ctx->puzzle = completedEmersonPuzzle();
        ctx->CurrentFile = savePuzzle(fileName, ctx->puzzle);
        pdf = std::make_unique<TIxv7PDFPreviewForm>(*ctx, [this](QWidget* host) {
            display = new PdfPageDisplay(host);
            return PdfPageDisplayParts{display, display};
        });
        pdf->show();
        QVERIFY(QTest::qWaitForWindowExposed(pdf.get(), TestEnv::kEventWaitMs));
        IXV_TRY_COMPARE(display->document().status(), QPdfDocument::Status::Ready);
    }
    // On its box for a check box, which may be wider than its text.
    void click(QAbstractButton* button) {
        if (QTabWidget* tabs = panel().PageControl1; tabs->isAncestorOf(button))
            tabs->setCurrentWidget(panel().SetupPage->isAncestorOf(button) ? panel().SetupPage
                                                                           : panel().CustomPage);
        QVERIFY(button->isVisible());
        const bool box = qobject_cast<QCheckBox*>(button);
        QTest::mouseClick(button, Qt::LeftButton, {},
                          box ? QPoint(6, button->height() / 2) : button->rect().center());
    }
    void right() { QTest::mouseClick(panel().UpDown1->rightButton(), Qt::LeftButton); }
    void left() { QTest::mouseClick(panel().UpDown1->leftButton(), Qt::LeftButton); }
    int shown() { return pdf->engine().ShownPage(); }
    int pages() const { return display->document().pageCount(); }

private slots:
    void initTestCase() { WindowFonts::installSubstitutions(); }
    void init() { setUp(); }
    void cleanup() {
        pdf.reset();
        tearDown();
    }

    // The document's author and subject are the export's (tst_export), the same file's.
    void opensWithItsDefaults() {
        open(QStringLiteral("May 5.draft.ixv"));
        QCOMPARE(pdf->windowTitle(), QStringLiteral("May 5.draft (PDF Preview)"));
        QCOMPARE(panel().TitleEd->text(), QStringLiteral("May 5.draft"));
        // A Letter page as tall as the 1024-pixel screen, 791 pixels wide, and the panel, with
        // the window's frame; the screen's height less two captions and the frame; all of
        // it on the 1280-pixel screen, below the top caption.
        QCOMPARE(pdf->size(), QSize(791 + 2 * 14 + 182 - 2 * 4, 1024 - 2 * 23 - 2 * 4));
        QVERIFY(pdf->x() >= 0 && pdf->x() + pdf->width() + 2 * 4 <= 1280);
        QCOMPARE(pdf->y(), 23);
        // The manuscript: two pages of clues, its grid and its solution.
        QCOMPARE(pages(), 4);
        QCOMPARE(shown(), 1);
    }

    void nothingToRedrawLeavesTheDisplay_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("Redraw Preview") << "RedrawBtn";
        QTest::newRow("Make PDF...") << "MakePDFBtn";
    }
    void nothingToRedrawLeavesTheDisplay() {
        QFETCH(QString, button);
        open();
        right();
        const int documents = display->documentsShown();
        click(panel().MSChk);
        click(panel().findChild<QPushButton*>(button));
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown[0].kind, QStringLiteral("warning"));
        QCOMPARE(dialogs.shown[0].heading, QStringLiteral("Nothing to Redraw"));
        QCOMPARE(display->documentsShown(), documents);
        QCOMPARE(shown(), 2);
        QCOMPARE(pages(), 4);
    }

    // Redraw shows a new document of the chosen pages from page 1 (which pages each choice
    // gives is checked on the exported file, in tst_export, and against it, Make PDF below):
    // the document the engine wrote, one whole page fitted.
    void redrawShowsTheChosenPagesFromPage1() {
        open();
        right();
        const int documents = display->documentsShown();
        click(panel().MSChk);
        click(panel().NGChk);
        click(panel().SGChk);
        click(panel().RedrawBtn);
        QCOMPARE(display->documentsShown(), documents + 1);
        IXV_TRY_COMPARE(display->document().status(), QPdfDocument::Status::Ready);
        QCOMPARE(pages(), 2);
        QCOMPARE(shown(), 1);
        IXV_TRY_VERIFY(darkPixels(display->view()->viewport()) > 200);
        QVERIFY(!display->view()->verticalScrollBar()->isVisible());
        QVERIFY(!display->view()->horizontalScrollBar()->isVisible());
    }

    // The font dialog starts from the stored font; a confirmed choice is stored name, style,
    // size, colour, in that order, and the pages are composed with it.
    void fontButtonsStoreTheFontAndRecompose_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("offered");
        QTest::addColumn<int>("offeredSize");
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("Manuscript") << "MsFontBtn"
                                    << "MS"
                                    << "Courier New" << 12 << true;
        QTest::newRow("Puzzle Page") << "PuzzPgFontBtn"
                                     << "PP"
                                     << "Times New Roman" << 9 << true;
        QTest::newRow("Manuscript, cancelled") << "MsFontBtn"
                                               << "MS"
                                               << "Courier New" << 12 << false;
    }
    void fontButtonsStoreTheFontAndRecompose() {
        QFETCH(QString, button);
        QFETCH(QString, prefix);
        QFETCH(bool, confirmed);
        open();
        panel().PPChk->setChecked(true);
        click(panel().RedrawBtn);
        const int documents = display->documentsShown();
        QFont chosen(QStringLiteral("DejaVu Serif"));
        chosen.setPointSize(14);
        chosen.setBold(true);
        dialogs.fonts << (confirmed ? std::optional(Dialogs::FontChoice{chosen, 0x0000FF})
                                    : std::nullopt);
        const int before = procs->store().list().size();
        click(panel().findChild<QPushButton*>(button));

        QCOMPARE(dialogs.offeredFonts.size(), 1);
        QTEST(dialogs.offeredFonts[0].font.family(), "offered");
        QTEST(dialogs.offeredFonts[0].font.pointSize(), "offeredSize");
        QCOMPARE(dialogs.offeredFonts[0].colour, quint32(0));
        const QList<StoredSetting> stored = procs->store().list().mid(before);
        if (!confirmed) {
            QCOMPARE(stored.size(), 0);
            QCOMPARE(display->documentsShown(), documents);
            return;
        }
        QStringList names;
        for (const StoredSetting& s : stored)
            names << s.name;
        QCOMPARE(names, QStringList({prefix + "FontName", prefix + "FontStyle", prefix + "FontSize",
                                     prefix + "FontColor"}));
        QCOMPARE(stored[0].text, QStringLiteral("DejaVu Serif"));
        QCOMPARE(stored[1].integer, 1);
        QCOMPARE(stored[2].integer, 14);
        QCOMPARE(stored[3].text, QStringLiteral("clRed"));
        QCOMPARE(display->documentsShown(), documents + 1);
        QVERIFY(pdf->engine().lastDocument().contains("/BaseFont/DejaVu#20Serif,Bold\n"));
    }

    // The manuscript's four pages: the right arrow stops at the last.
    void arrowsStepThroughThePages() {
        open();
        for (int page = 1; page <= 4; ++page)
            right();
        QCOMPARE(shown(), 4);
        left();
        QCOMPARE(shown(), 3);
        QCOMPARE(display->view()->pageNavigator()->currentPage() + 1, shown());
    }

    // The file "Make PDF..." writes is the file the command line writes for the same choices,
    // and afterwards the window shows the pages again from page 1.
    void makePdfWritesWhatTheCommandLineWrites_data() {
        QTest::addColumn<Choose>("choose");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("the manuscript, as it opens")
            << Choose([](PreviewPanel&) {}) << QStringList();
        QTest::newRow("puzzle page, no By, no solution, title typed")
            << Choose([](PreviewPanel& p) {
                   p.MSChk->setChecked(false);
                   p.PPChk->setChecked(true);
                   p.ByChk->setChecked(false);
                   p.SolOkChk->setChecked(false);
                   p.TitleEd->clear();
                   QTest::keyClicks(p.TitleEd, QStringLiteral("Paths (7)"));
               })
            << QStringList{"--pages", "pp", "--no-by", "--no-sol", "--title", "Paths (7)"};
    }
    void makePdfWritesWhatTheCommandLineWrites() {
        QFETCH(Choose, choose);
        QFETCH(QStringList, options);
        QVERIFY(QProcess::execute(QStringLiteral(IXV_CLI_PATH),
                                  {"config", "set", "PPFontName", "DejaVu Serif"}) == 0);
        open();
        choose(panel());
        click(panel().RedrawBtn);
        right();
        const int documents = display->documentsShown();
        const QString file = path(QStringLiteral("Made.pdf"));
        dialogs.files << file;
        click(panel().ActionBtn);

        // The file is offered beside the puzzle, asking before it overwrites one.
        QCOMPARE(dialogs.fileRequests.size(), 1);
        const Dialogs::FileRequest& request = dialogs.fileRequests[0];
        QCOMPARE(request.fileName, QStringLiteral("Acrostic.PDF"));
        QCOMPARE(request.folder, dir->path());
        QVERIFY(request.confirmOverwrite);

        QVERIFY(QFileInfo::exists(file));
        IXV_TRY_COMPARE(display->documentsShown(), documents + 1);
        QCOMPARE(shown(), 1);
        QCOMPARE(pdf->engine().Channel(), TOutputChannel::chDisplay);
        IXV_TRY_VERIFY(!panel().PrintBar->isVisible());

        const QString cliFile = path(QStringLiteral("cli.pdf"));
        const ToolRun exported =
            run(QStringLiteral(IXV_CLI_PATH),
                QStringList{"export", ctx->CurrentFile, "--pdf", cliFile} + options);
        QVERIFY2(exported.exitCode == 0, exported.err);
        QCOMPARE(withoutDateAndId(readFile(file)), withoutDateAndId(readFile(cliFile)));
        QCOMPARE(withoutDateAndId(pdf->engine().lastDocument()), withoutDateAndId(readFile(file)));
    }

    void cancelledSaveChangesNothing() {
        open();
        const int documents = display->documentsShown();
        dialogs.files << QString();
        click(panel().ActionBtn);
        QCOMPARE(pdf->engine().Channel(), TOutputChannel::chDisplay);
        QCoreApplication::processEvents();
        QCOMPARE(display->documentsShown(), documents);
        QCOMPARE(QDir(dir->path()).entryList({"*.pdf", "*.PDF"}), QStringList());
    }

    // A file that cannot be written is reported in an error box naming it; the window stays
    // on the display and composes as before.
    void failedExportIsReported() {
        open();
        const QString file = path(QStringLiteral("gone/Acrostic.PDF"));
        dialogs.files << file;
        click(panel().ActionBtn);
        QCOMPARE(dialogs.shown.last().kind, QStringLiteral("error"));
        QVERIFY2(dialogs.shown.last().text.contains(file), qPrintable(dialogs.shown.last().text));
        QCOMPARE(pdf->engine().Channel(), TOutputChannel::chDisplay);
        QVERIFY(!pdf->engine().isOpen());
        const int documents = display->documentsShown();
        click(panel().RedrawBtn);
        QCOMPARE(display->documentsShown(), documents + 1);
    }

    void busyCursorWhileComposing() {
        open();
        QList<int> shapes;
        pdf->engine().OnNewPage = [&](PdfEngine&) {
            shapes << (QGuiApplication::overrideCursor()
                           ? QGuiApplication::overrideCursor()->shape()
                           : -1);
        };
        click(panel().RedrawBtn);
        QVERIFY(!shapes.isEmpty());
        QCOMPARE(shapes.count(int(Qt::WaitCursor)), shapes.size());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // The solution page prints the Solution window's text as corrected, as the box wraps it.
    void solutionPagePrintsTheBoxLines() {
        open();
        TIxv7PrintAnsForm* solution = pdf->solutionWindow();
        solution->QuoteMemo->setPlainText(QStringLiteral("Corrected (text)\n\nEMERSON"));
        click(panel().RedrawBtn);
        const QByteArray document = pdf->engine().lastDocument();
        QVERIFY(document.contains("(Corrected \\(text\\)) Tj"));
        QVERIFY(document.contains("(EMERSON) Tj"));
        QVERIFY(!document.contains("(THE ONLY WAY"));
    }

    // The main window's button: the notice without a puzzle; the window with one, its title
    // and solution taking text through the code-page filter.
    void printToPdfButton() {
        showForm();
        QVERIFY(form->button(QStringLiteral("ToPDFBtn"))->isEnabled());
        QTimer::singleShot(0, this, [&] {
            QCOMPARE(form->MsgBar->panelText(1), QStringLiteral("No Puzzle Currently Opened!"));
        });
        press(QStringLiteral("ToPDFBtn"));
        QCOMPARE(form->MsgBar->panelText(1), QString());
        QVERIFY(!QApplication::activeModalWidget());

        form.reset();
        showPuzzle(savePuzzle(QStringLiteral("Acrostic.ixv"), completedEmersonPuzzle()));
        QStringList seen;
        QTimer::singleShot(0, this, [&] {
            TIxv7PDFPreviewForm* window = nullptr;
            IXV_TRY_VERIFY(
                (window = qobject_cast<TIxv7PDFPreviewForm*>(QApplication::activeModalWidget())));
            seen << window->windowTitle();
            QLineEdit* title = window->Panel2->TitleEd;
            window->Panel2->PageControl1->setCurrentWidget(window->Panel2->CustomPage);
            title->setFocus();
            title->end(false);
            TextEntry::type(title, QString::fromUtf8("\xE2\x86\x92\xC3\xA9"));
            seen << title->text();
            QPlainTextEdit* memo = window->solutionWindow()->QuoteMemo;
            memo->moveCursor(QTextCursor::Start);
            TextEntry::type(memo, QString::fromUtf8("\xE2\x86\x92\xC3\xA9"));
            seen << memo->toPlainText().left(3);
            QTest::mouseClick(window->Panel2->CloseBtn, Qt::LeftButton);
        });
        press(QStringLiteral("ToPDFBtn"));
        QCOMPARE(seen, QStringList({"Acrostic (PDF Preview)", QString::fromUtf8("Acrostic\xC3\xA9"),
                                    QString::fromUtf8("\xC3\xA9TH")}));
    }
};

QTEST_MAIN(Tst_PdfPreviewForm)
#include "tst_pdfpreviewform.moc"
