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
#include "base/WindowFonts.h"
#include "output/ui/PreviewPanel.h"
#include "output/ui/TIxv7PreviewForm.h"
#include "output/ui/TIxv7PrintAnsForm.h"
#include "preview/GmDocument.h"

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
        // The manuscript: its pages of clues, its grid and its solution.
        QCOMPARE(doc().NumPages(), 4);
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

    // Page Down pages even from the copies box, whose own step it would otherwise be.
    void pagingFromTheCopiesBox() {
        open();
        panel().CopyEd->setFocus();
        QTest::keyClick(panel().CopyEd, Qt::Key_PageDown);
        QCOMPARE(doc().CurrentPage(), 2);
        QCOMPARE(panel().CopyEd->value(), 1);
        QTest::mouseClick(panel().UpDown1->leftButton(), Qt::LeftButton);
        QCOMPARE(doc().CurrentPage(), 1);
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

    // The main window's "Printer..." opens the window on the printer chosen in "Printer
    // Setup..." with its margins, released when it closes (the notice without a puzzle is
    // tst_pdfpreviewform's).
    void printerButton() {
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
};

QTEST_MAIN(Tst_PreviewForm)
#include "tst_previewform.moc"
