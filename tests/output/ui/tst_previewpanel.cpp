// The panel the two preview windows share: its two kinds, its places on screens of more than
// 96 dots an inch, the choices it hands the composer, and paging by keyboard.
#include "ScriptedDialogs.h"
#include "TestEnv.h"
#include "TestPuzzles.h"
#include "base/WindowFonts.h"
#include "output/ui/PreviewPanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QToolButton>
#include <QtTest>

class Tst_PreviewPanel : public QObject {
    Q_OBJECT
    ScriptedDialogs dialogs;

private slots:
    void initTestCase() { WindowFonts::installSubstitutions(); }

    void kindsAndPlaces_data() {
        QTest::addColumn<bool>("print");
        QTest::addColumn<int>("dpi");
        QTest::newRow("PDF, 144 dpi") << false << 144;
        QTest::newRow("print, 120 dpi") << true << 120;
    }
    void kindsAndPlaces() {
        QFETCH(bool, print);
        QFETCH(int, dpi);
        ScreenMetrics metrics;
        metrics.pixelsPerInch = dpi;
        TIxvProcs procs(std::make_unique<SettingsStore>(TestEnv::settingsPath()), metrics);
        const auto px = [&](int v) { return procs.ScaleToPixelsPerInch(v); };
        PreviewPanel panel(procs, print ? PreviewPanelKind::print() : PreviewPanelKind::pdf());

        QCOMPARE(panel.width(), px(208));
        QCOMPARE(panel.CloseBtn->geometry(), QRect(px(44), px(593), px(75), px(25)));
        QCOMPARE(panel.MSChk->font().pixelSize(), px(12));
        QCOMPARE(panel.ActionBtn->objectName(),
                 print ? QStringLiteral("PrintBtn") : QStringLiteral("MakePDFBtn"));
        QCOMPARE(bool(panel.PrinterLbl), print);
        QCOMPARE(bool(panel.CopyLbl) && bool(panel.CopyEd), print);
        QCOMPARE(bool(panel.GrayChk), print);
        // The margin box sits 12 pixels lower on the PDF panel.
        QCOMPARE(panel.MarginEd->y(), px(print ? 12 : 24));
        QCOMPARE(panel.MarginEd->minimum(), 1);
        QCOMPARE(panel.MarginEd->maximum(), 9);
        if (print) {
            QCOMPARE(panel.CopyEd->minimum(), 1);
            QCOMPARE(panel.CopyEd->maximum(), 100);
        }
        panel.resetChoices(QStringLiteral("Acrostic"));
        QCOMPARE(panel.PageControl1->tabBar()->tabRect(1).size(),
                 QSize(qRound(px(182) / 2.0) - 4, px(28)));
    }

    // Gray squares are silver on the print panel; the PDF panel's are always black.
    void choicesForTheComposer_data() {
        QTest::addColumn<bool>("print");
        QTest::addColumn<bool>("gray");
        QTest::addColumn<quint32>("colour");
        QTest::newRow("PDF") << false << false << quint32(0x000000);
        QTest::newRow("print, black") << true << false << quint32(0x000000);
        QTest::newRow("print, gray squares") << true << true << quint32(0xC0C0C0);
    }
    void choicesForTheComposer() {
        QFETCH(bool, print);
        QFETCH(bool, gray);
        TIxvProcs procs(std::make_unique<SettingsStore>(TestEnv::settingsPath()), ScreenMetrics{});
        PreviewPanel panel(procs, print ? PreviewPanelKind::print() : PreviewPanelKind::pdf());
        panel.resetChoices(QString::fromUtf8("Caf\xC3\xA9"));
        if (gray)
            panel.GrayChk->setChecked(true);
        panel.PPChk->setChecked(true);
        panel.ByChk->setChecked(false);
        panel.MarginEd->setValue(7);
        const ComposerOptions options = panel.options();
        QCOMPARE(options.pageTitle, QByteArray("Caf\xE9"));
        QVERIFY(options.manuscript && options.puzzlePage);
        QVERIFY(!options.manuscriptGrid && !options.numberedGrid && !options.solutionGrid);
        QVERIFY(!options.by);
        QVERIFY(options.solutionWithPuzzlePage);
        QCOMPARE(options.bottomMargin, 7);
        QTEST(options.blackSquareColour, "colour");
    }

    // Page Down and Page Up page the print preview whichever control has the focus; the PDF
    // preview leaves them to its controls.
    void keyboardPaging_data() {
        QTest::addColumn<bool>("print");
        QTest::addColumn<QList<int>>("steps");
        QTest::newRow("print") << true << QList<int>{1, -1};
        QTest::newRow("PDF") << false << QList<int>{};
    }
    void keyboardPaging() {
        QFETCH(bool, print);
        TIxvProcs procs(std::make_unique<SettingsStore>(TestEnv::settingsPath()), ScreenMetrics{});
        QWidget window;
        auto* panel = new PreviewPanel(
            procs, print ? PreviewPanelKind::print() : PreviewPanelKind::pdf(), &window);
        QList<int> steps;
        connect(panel, &PreviewPanel::pageStep, this, [&](int delta) { steps << delta; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window, TestEnv::kEventWaitMs));
        panel->PageControl1->setCurrentWidget(panel->CustomPage);
        panel->TitleEd->setFocus();
        QTest::keyClick(panel->TitleEd, Qt::Key_PageDown);
        QTest::keyClick(panel->TitleEd, Qt::Key_PageUp);
        QTEST(steps, "steps");
    }
};

QTEST_MAIN(Tst_PreviewPanel)
#include "tst_previewpanel.moc"
