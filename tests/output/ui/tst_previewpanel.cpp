// The panel the two preview windows share: the choices it hands the composer, and paging by
// keyboard.
#include "ScriptedDialogs.h"
#include "TestEnv.h"
#include "TestPuzzles.h"
#include "base/WindowFonts.h"
#include "output/ui/PreviewPanel.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

class Tst_PreviewPanel : public QObject {
    Q_OBJECT
    ScriptedDialogs dialogs;

private slots:
    void initTestCase() { WindowFonts::installSubstitutions(); }

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
