// "Printer...": the print preview window driven as a user drives it, over the real preview
// engine and its view, with scripted dialogs; printing to the test run's real CUPS queues (see
// PrintQueue.h); and the main window's button that opens it. Its texts are checked with every
// other window's in tst_textfits.
//
// ctest runs the test a second time, as tst_previewform_noprinter, with a CUPS scheduler that
// cannot be reached, for the window without any printer.
#include "MainWindowFixture.h"
#include "PrintQueue.h"
#include "app/ui/GmPreviewPane.h"
#include "app/ui/TMsgBar.h"
#include "base/WindowFonts.h"
#include "output/ui/PreviewPanel.h"
#include "output/ui/TIxv7PreviewForm.h"
#include "output/ui/TIxv7PrintAnsForm.h"
#include "preview/GmDocument.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QToolButton>

namespace {

using Choose = std::function<void(PreviewPanel&)>;

// The colours of the rectangles the engine recorded on a page that are neither white nor
// empty: the black squares' colour.
QSet<QRgb> squareColours(const TGmPage& page) {
    QSet<QRgb> colours;
    for (const auto& object : page.Objects()) {
        if (object->Kind() != TGmObjectKind::Rectangle)
            continue;
        const auto& r = static_cast<const TGmRectangleShape&>(*object);
        if (r.Brush.Color != QColor(Qt::white))
            colours.insert(r.Brush.Color.rgb());
    }
    return colours;
}

} // namespace

class Tst_PreviewForm : public MainWindowFixture {
    Q_OBJECT

    std::unique_ptr<TIxv7PreviewForm> preview;
    PrintQueue::Queues queues;

    PreviewPanel& panel() { return *preview->Panel1; }
    TGmDocument& doc() { return preview->document(); }

    // The window over the puzzle saved under the name, as "Printer..." opens it, printing on
    // the named printer (the default one when none is named).
    void open(const QString& fileName = QStringLiteral("Acrostic.ixv"),
              const QString& printer = QString()) {
        ctx->puzzle = completedEmersonPuzzle();
        ctx->CurrentFile = savePuzzle(fileName, ctx->puzzle);
        preview =
            std::make_unique<TIxv7PreviewForm>(*ctx, std::make_unique<GmPreviewPane>(printer));
        preview->show();
        QVERIFY(QTest::qWaitForWindowExposed(preview.get(), TestEnv::kEventWaitMs));
    }
    void click(QAbstractButton* button) {
        QTabWidget* tabs = panel().PageControl1;
        if (tabs->isAncestorOf(button))
            tabs->setCurrentWidget(panel().SetupPage->isAncestorOf(button) ? panel().SetupPage
                                                                           : panel().CustomPage);
        QVERIFY(button->isVisible());
        const bool box = qobject_cast<QCheckBox*>(button);
        QTest::mouseClick(button, Qt::LeftButton, {},
                          box ? QPoint(6, button->height() / 2) : button->rect().center());
    }
    void redrawWith(const Choose& choose) {
        choose(panel());
        click(panel().RedrawBtn);
    }
    int paneZoom() {
        // The whole view: the page zoomed to its height needs no scroll bars.
        const auto* view = qobject_cast<QAbstractScrollArea*>(preview->GmPreview);
        return view->viewport()->height() / 11;
    }
    static bool printerless() { return QPrinterInfo::availablePrinters().isEmpty(); }
    // tst_previewform_noprinter: the scheduler cannot be reached.
    static bool noPrinterRun() { return qEnvironmentVariableIsSet("IXV_TEST_NO_PRINTER"); }

private slots:
    void initTestCase() {
        WindowFonts::installSubstitutions();
        if (!noPrinterRun() && queues.named())
            queues.verifyUsable();
    }
    void init() { setUp(); }
    void cleanup() {
        preview.reset();
        tearDown();
    }

    void opensWithItsDefaults() {
        open(QStringLiteral("May 5.draft.ixv"));
        QCOMPARE(preview->windowTitle(), QStringLiteral("May 5.draft (Print Preview)"));
        QCOMPARE(panel().TitleEd->text(), QStringLiteral("May 5.draft"));
        // The printer's name, or the notice; printing only with a printer.
        const QString printer = QPrinterInfo::defaultPrinterName().isEmpty() && !printerless()
                                    ? QPrinterInfo::availablePrinters().front().printerName()
                                    : QPrinterInfo::defaultPrinterName();
        QCOMPARE(panel().PrinterLbl->text(),
                 printerless() ? QStringLiteral(" No printer installed") : ' ' + printer);
        QCOMPARE(panel().ActionBtn->isEnabled(), !printerless());
        // A Letter page as tall as the 1024-pixel screen, 791 pixels wide, and the panel, with
        // the window's frame; the screen's height less two captions and the frame; all of
        // it on the 1280-pixel screen, below the top caption.
        QCOMPARE(preview->size(), QSize(791 + 2 * 14 + 182 - 2 * 4, 1024 - 2 * 23 - 2 * 4));
        QVERIFY(preview->x() >= 0 && preview->x() + preview->width() + 2 * 4 <= 1280);
        QCOMPARE(preview->y(), 23);
        QCOMPARE(preview->GmPreview->width(), preview->width() - PreviewPanel::kWidth);
        // The manuscript: its pages of clues, its grid and its solution, from page 1, at the
        // pane's zoom.
        QCOMPARE(doc().NumPages(), 4);
        QCOMPARE(doc().CurrentPage(), 1);
        QCOMPARE(doc().Zoom(), paneZoom());
        QCOMPARE(doc().Margins().ShowPrinterMargins(), !printerless());
    }

    // Without any printer (tst_previewform_noprinter): the pages show, "Print" cannot be
    // pressed, and a print asked for all the same is reported, without the progress.
    void noPrinterInstalled() {
        if (!noPrinterRun())
            QSKIP("ctest runs this as tst_previewform_noprinter, without a scheduler.");
        QVERIFY2(printerless(), "The printers of an unreachable scheduler are listed.");
        open();
        QCOMPARE(panel().PrinterLbl->text(), QStringLiteral(" No printer installed"));
        QVERIFY(!panel().ActionBtn->isEnabled());
        QCOMPARE(doc().NumPages(), 4);
        QSignalSpy progress(panel().PrintBar, &QProgressBar::valueChanged);
        preview->PrintBtnClick();
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown[0].kind, QStringLiteral("error"));
        QCOMPARE(dialogs.shown[0].text, QStringLiteral("No printer is installed."));
        QCOMPARE(progress.count(), 0);
    }

    void nothingToRedrawKeepsThePages() {
        open();
        UpDown1Right();
        click(panel().MSChk);
        QSignalSpy cleared(&doc(), &TGmDocument::OnClear);
        click(panel().RedrawBtn);
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown[0].kind, QStringLiteral("warning"));
        QCOMPARE(dialogs.shown[0].heading, QStringLiteral("Nothing to Redraw"));
        QCOMPARE(cleared.count(), 0);
        QCOMPARE(doc().NumPages(), 4);
        QCOMPARE(doc().CurrentPage(), 2);
    }

    // Every redraw composes the chosen pages from scratch, shows page 1 and resets the zoom;
    // the paper follows the stored PaperSize.
    void redrawComposesAfresh_data() {
        QTest::addColumn<Choose>("choose");
        QTest::addColumn<int>("paperSetting");
        QTest::addColumn<int>("pages");
        QTest::addColumn<TGmPaperSize>("paper");
        QTest::newRow("numbered grid, A4") << Choose([](PreviewPanel& p) {
            p.MSChk->setChecked(false);
            p.NGChk->setChecked(true);
        }) << 1 << 1 << TGmPaperSize::A4;
        QTest::newRow("puzzle page and its solution, Letter") << Choose([](PreviewPanel& p) {
            p.MSChk->setChecked(false);
            p.PPChk->setChecked(true);
            p.SolOkChk->setChecked(false); // the setting decides on paper
        }) << 0 << 2 << TGmPaperSize::Letter;
    }
    void redrawComposesAfresh() {
        QFETCH(Choose, choose);
        QFETCH(int, paperSetting);
        Settings::writeInt(*procs, Settings::PaperSize, paperSetting);
        open();
        UpDown1Right();
        doc().SetZoom(30);
        redrawWith(choose);
        QTEST(doc().NumPages(), "pages");
        QCOMPARE(doc().CurrentPage(), 1);
        QTEST(doc().PaperSize(), "paper");
        QCOMPARE(doc().Zoom(), paneZoom());
    }

    // "Gray squares" takes effect at the next redraw.
    void grayChangesAtTheNextRedraw() {
        open();
        redrawWith([](PreviewPanel& p) {
            p.MSChk->setChecked(false);
            p.NGChk->setChecked(true);
        });
        click(panel().GrayChk);
        QCOMPARE(squareColours(doc().GetPage(1)), QSet<QRgb>{qRgb(0, 0, 0)});
        click(panel().RedrawBtn);
        QCOMPARE(squareColours(doc().GetPage(1)), QSet<QRgb>{qRgb(0xC0, 0xC0, 0xC0)});
    }

    // The panel stores a confirmed font (name, style, size, colour); the pages are composed
    // again in it.
    void fontButtonsRecompose_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Choose>("choose");
        QTest::addColumn<QString>("sample"); // a text drawn in that font
        QTest::newRow("Manuscript") << "MsFontBtn" << Choose([](PreviewPanel&) {}) << "Page 1";
        QTest::newRow("Puzzle Page") << "PuzzPgFontBtn" << Choose([](PreviewPanel& p) {
            p.MSChk->setChecked(false);
            p.PPChk->setChecked(true);
        }) << "A.";
    }
    void fontButtonsRecompose() {
        QFETCH(QString, button);
        QFETCH(Choose, choose);
        QFETCH(QString, sample);
        open();
        redrawWith(choose);
        QFont chosen(QStringLiteral("DejaVu Serif"));
        chosen.setPointSize(14);
        dialogs.fonts << std::optional(Dialogs::FontChoice{chosen, 0});
        QSignalSpy cleared(&doc(), &TGmDocument::OnClear);
        click(panel().findChild<QPushButton*>(button));
        QCOMPARE(cleared.count(), 1);
        bool found = false;
        for (const auto& object : doc().GetPage(1).Objects()) {
            if (object->Kind() != TGmObjectKind::Text)
                continue;
            const auto& t = static_cast<const TGmTextObject&>(*object);
            if (t.Text == sample) {
                QCOMPARE(t.Font.Name, QStringLiteral("DejaVu Serif"));
                QCOMPARE(t.Font.Size, 14);
                found = true;
            }
        }
        QVERIFY(found);
        dialogs.fonts << std::nullopt;
        click(panel().findChild<QPushButton*>(button));
        QCOMPARE(cleared.count(), 1);
    }

    // The manuscript's four pages. Page Up and Page Down page whichever control has the
    // focus, even the copies box, whose own step they would otherwise be; the stops at each
    // end are the document's (tst_gmdocument).
    void pagingByArrowsAndKeys_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("to");
        QTest::newRow("right arrow") << 1 << "right" << 2;
        QTest::newRow("left arrow") << 2 << "left" << 1;
        QTest::newRow("Page Down") << 2 << "PageDown" << 3;
        QTest::newRow("Page Up") << 4 << "PageUp" << 3;
    }
    void pagingByArrowsAndKeys() {
        QFETCH(int, from);
        QFETCH(QString, step);
        open();
        for (int page = 1; page < from; ++page)
            UpDown1Right();
        QCOMPARE(doc().CurrentPage(), from);
        if (step == QLatin1String("right")) {
            UpDown1Right();
        } else if (step == QLatin1String("left")) {
            QTest::mouseClick(panel().UpDown1->leftButton(), Qt::LeftButton);
        } else {
            panel().CopyEd->setFocus();
            QTest::keyClick(panel().CopyEd,
                            step == QLatin1String("PageUp") ? Qt::Key_PageUp : Qt::Key_PageDown);
            QCOMPARE(panel().CopyEd->value(), 1);
        }
        QTEST(doc().CurrentPage(), "to");
    }

    void busyCursorWhileComposing() {
        open();
        QList<int> shapes;
        connect(&doc(), &TGmDocument::OnNewPage, this, [&] {
            shapes << (QGuiApplication::overrideCursor()
                           ? QGuiApplication::overrideCursor()->shape()
                           : -1);
        });
        click(panel().RedrawBtn);
        QVERIFY(!shapes.isEmpty());
        QCOMPARE(shapes.count(int(Qt::WaitCursor)), shapes.size());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // Two copies of three pages to the test queue: six pages in its file, then the progress.
    void printsCopiesToTheQueue() {
        if (queues.queue.isEmpty())
            QSKIP("No test print queue: run through tools/test.sh, which sets one up.");
        open(QStringLiteral("Acrostic.ixv"), queues.queue);
        QCOMPARE(panel().PrinterLbl->text(), ' ' + queues.queue);
        const QString title = PrintQueue::uniqueTitle(QStringLiteral("ixvwindow"));
        redrawWith([&](PreviewPanel& p) {
            p.MSChk->setChecked(false);
            p.SGChk->setChecked(true);
            p.PPChk->setChecked(true);
            p.TitleEd->setText(title);
        });
        QCOMPARE(doc().NumPages(), 3);
        panel().CopyEd->setValue(2);
        QSignalSpy progress(panel().PrintBar, &QProgressBar::valueChanged);
        click(panel().ActionBtn);
        QCOMPARE(dialogs.shown.size(), 0);
        QList<int> steps;
        for (const QList<QVariant>& change : progress)
            steps << change[0].toInt();
        QCOMPARE(steps, QList<int>({0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
        QVERIFY(!panel().PrintBar->isVisible());
        QString pdf;
        queues.findPdf(queues.queue, title, pdf);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(PrintQueue::pageSizes(pdf).size(), 6);
    }

    // The main window's "Printer...": the notice without a puzzle; the window with one, on the
    // printer chosen in "Printer Setup..." with its margins, released when it closes.
    void printerButton() {
        showForm();
        QVERIFY(form->button(QStringLiteral("PrintBtn"))->isEnabled());
        QTimer::singleShot(0, this, [&] {
            QCOMPARE(form->MsgBar->panelText(1), QStringLiteral("No Puzzle Currently Opened!"));
        });
        press(QStringLiteral("PrintBtn"));
        QCOMPARE(form->MsgBar->panelText(1), QString());
        QVERIFY(!QApplication::activeModalWidget());

        form.reset();
        showPuzzle(savePuzzle(QStringLiteral("Acrostic.ixv"), completedEmersonPuzzle()));
        const QString chosen = queues.marginQueue;
        if (!chosen.isEmpty())
            form->printer().setPrinterName(chosen);
        QPointer<TIxv7PreviewForm> window;
        QTimer::singleShot(0, this, [&] {
            window = qobject_cast<TIxv7PreviewForm*>(QApplication::activeModalWidget());
            QVERIFY(window);
            QCOMPARE(window->windowTitle(), QStringLiteral("Acrostic (Print Preview)"));
            if (!chosen.isEmpty()) {
                QCOMPARE(window->Panel1->PrinterLbl->text(), ' ' + chosen);
                QCOMPARE(window->document().Margins().Left().Count(), 635); // a quarter inch
            }
            QTest::mouseClick(window->Panel1->CloseBtn, Qt::LeftButton);
        });
        press(QStringLiteral("PrintBtn"));
        QVERIFY(window.isNull());
    }

    // With IXV_SCREENSHOTS set to a folder: "Printer..." over a puzzle with words and clues,
    // every page kind chosen, each page in turn, on the printer with a border when there is one.
    void screenshots() {
        const QString folder = qEnvironmentVariable("IXV_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("IXV_SCREENSHOTS names no folder");
        showPuzzle(savePuzzle(QStringLiteral("Acrostic.ixv"), completedEmersonPuzzle()));
        if (!queues.marginQueue.isEmpty())
            form->printer().setPrinterName(queues.marginQueue);
        QTimer::singleShot(0, this, [&] {
            auto* window = qobject_cast<TIxv7PreviewForm*>(QApplication::activeModalWidget());
            QVERIFY(window);
            PreviewPanel& p = *window->Panel1;
            for (QCheckBox* box : {p.MSGChk, p.NGChk, p.SGChk, p.PPChk})
                box->setChecked(true);
            QTest::mouseClick(p.RedrawBtn, Qt::LeftButton);
            for (int page = 1; page <= window->document().NumPages(); ++page) {
                const QString name =
                    QStringLiteral("%1/print-preview-%2.png").arg(folder).arg(page);
                QVERIFY(window->grab().save(name));
                QTest::keyClick(window, Qt::Key_PageDown);
            }
            QTest::mouseClick(p.CloseBtn, Qt::LeftButton);
        });
        press(QStringLiteral("PrintBtn"));
    }

private:
    void UpDown1Right() { QTest::mouseClick(panel().UpDown1->rightButton(), Qt::LeftButton); }
};

QTEST_MAIN(Tst_PreviewForm)
#include "tst_previewform.moc"
