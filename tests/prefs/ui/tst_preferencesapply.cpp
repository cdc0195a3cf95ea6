// "Preferences..." in the real main window: what a Save applies at once to the windows already
// shown, and what Cancel leaves alone.
#include "MainWindowFixture.h"
#include "prefs/ui/PrefsPages.h"
#include "prefs/ui/PrefsWidgets.h"
#include "prefs/ui/TIxv7PreferencesForm.h"
#include "puzzle/PuzzleFile.h"
#include "puzzle/ui/GridView.h"
#include "puzzle/ui/TIxv7GridForm.h"
#include "puzzle/ui/TIxv7TitleForm.h"

#include <QCheckBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QtTest>

namespace {
using Act = std::function<void(TIxv7PreferencesForm&)>;
}

class Tst_PreferencesApply : public MainWindowFixture {
    Q_OBJECT

    void showWith(bool withPuzzle) {
        if (withPuzzle)
            showPuzzle(savePuzzle(QStringLiteral("emerson.ixv"), emersonPuzzle()));
        else
            showForm();
    }
    // Opens the preferences from their button and lets act work in the dialog, which act ends
    // with Save or Cancel.
    void preferences(const Act& act) {
        bool seen = false;
        QTimer::singleShot(0, form.get(), [&] {
            auto* prefs = qobject_cast<TIxv7PreferencesForm*>(QApplication::activeModalWidget());
            if (!prefs) {
                if (QWidget* other = QApplication::activeModalWidget())
                    other->close();
                return;
            }
            seen = true;
            act(*prefs);
            if (prefs->isVisible())
                prefs->reject();
        });
        press(QStringLiteral("PrefsBtn"));
        QVERIFY(seen);
    }
    // Typed key by key, each with its own text, as a keyboard delivers it.
    static void type(QWidget* w, const QString& text) {
        for (QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), {});
    }
    static void click(QAbstractButton* b) {
        const bool box = qobject_cast<QCheckBox*>(b);
        QTest::mouseClick(b, Qt::LeftButton, {},
                          box ? QPoint(6, b->height() / 2) : b->rect().center());
    }
    static void paletteClick(TIxv7PreferencesForm& f, int cell, Qt::MouseButton button,
                             Qt::KeyboardModifiers modifiers = {}) {
        ColorGrid* palette = f.ViewPage->ColorGrid1;
        const QPoint at = palette->cellRect(cell).center();
        QTest::mousePress(palette, button, modifiers, at);
        QTest::mouseRelease(palette, button, modifiers, at);
    }
    QColor gridPixel(int c, int r) {
        const int s = grid()->GridSquare;
        return grid()->canvas()->grab().toImage().pixelColor((c - 1) * s + 2, (r - 1) * s + 2);
    }

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    // After Save the grid and author-title windows show the new colours and font at once.
    void openWindowsTakeTheNewAppearance() {
        showWith(true);
        QCOMPARE(gridPixel(1, 1), QColor(Qt::white));
        dialogs.fonts << Dialogs::FontChoice{QFont("Liberation Serif", 13), 0x0000FF};
        preferences([](TIxv7PreferencesForm& f) {
            click(f.PrefViewBtn);
            paletteClick(f, 11, Qt::LeftButton); // yellow letter squares
            paletteClick(f, 4, Qt::RightButton); // navy filled squares
            click(f.ViewPage->FontBtn);
            click(f.SaveBtn);
        });
        QCOMPARE(grid()->look.font.family(), QStringLiteral("Liberation Serif"));
        QCOMPARE(grid()->look.letter, QColor(Qt::red));
        QCOMPARE(title()->look.blank, QColor(Qt::yellow));
        QCOMPARE(title()->look.font.family(), QStringLiteral("Liberation Serif"));
        QCOMPARE(grid()->look.filled, QColor(0, 0, 128));
        IXV_TRY_COMPARE(gridPixel(ctx->puzzle.letter(1, 1) == BlackSquare ? 2 : 1, 1),
                        QColor(Qt::yellow));
    }

    // Cancel applies and stores nothing.
    void cancelChangesNothing() {
        showWith(true);
        const QColor before = grid()->look.blank;
        preferences([](TIxv7PreferencesForm& f) {
            click(f.PrefViewBtn);
            paletteClick(f, 9, Qt::LeftButton);
            click(f.CancelBtn);
        });
        QCOMPARE(grid()->look.blank, before);
        QVERIFY(!procs->store().find("BlankSqColor").has_value());
    }

    // A tool button is enabled exactly when its command line is set, at once after Save.
    void toolButtonsFollowTheSavedPaths() {
        showWith(false);
        QVERIFY(!form->button("DictBtn")->isEnabled());
        preferences([](TIxv7PreferencesForm& f) {
            click(f.PrefToolsBtn);
            QTest::keyClicks(f.ToolsPage->DictPathEd, "/no/such/dictionary");
            QTest::keyClicks(f.ToolsPage->QuotPathEd, "/no/such/saywell");
            click(f.SaveBtn);
        });
        QCOMPARE(form->button("DictBtn")->isEnabled(), true);
        QCOMPARE(form->button("ThesBtn")->isEnabled(), false);
        QCOMPARE(form->button("QuoteBtn")->isEnabled(), true);
        QCOMPARE(form->button("ScratchBtn")->isEnabled(), false);
        QCOMPARE(form->button("MailBtn")->isEnabled(), false);
        press(QStringLiteral("QuoteBtn"));
        QCOMPARE(dialogs.texts(), QStringList{"Saywell path not properly configured in Tools "
                                              "section of Preferences."});
    }

    // "Keep Desktop" stores the main window's bounds after UserDesktop; "Default Desktop"
    // stores no bounds; neither box leaves both alone. The sliding flag follows the saved box.
    void desktopAndSliding_data() {
        QTest::addColumn<QString>("box");        // "", "DeskChk", "DefDeskChk"
        QTest::addColumn<qint32>("userDesktop"); // 1: left alone
        QTest::addColumn<bool>("bounds");
        QTest::newRow("neither") << "" << 1 << false;
        QTest::newRow("Keep Desktop") << "DeskChk" << -1 << true;
        QTest::newRow("Default Desktop") << "DefDeskChk" << 0 << false;
    }
    void desktopAndSliding() {
        QFETCH(QString, box);
        QFETCH(qint32, userDesktop);
        QFETCH(bool, bounds);
        procs->WriteSetting("UserDesktop", SettingValue::integer(1));
        showWith(false);
        form->resize(900, 700);
        QVERIFY(form->slideOn());
        preferences([box](TIxv7PreferencesForm& f) {
            click(f.GeneralPage->SlideWinChk);
            click(f.PrefViewBtn);
            if (!box.isEmpty())
                click(f.findChild<QCheckBox*>(box));
            click(f.SaveBtn);
        });
        QVERIFY(!form->slideOn());
        QCOMPARE(procs->store().find("UserDesktop")->integer, userDesktop);
        QStringList names;
        for (const StoredSetting& s : procs->store().list())
            names << s.name;
        const QStringList boundNames = {"UserLeft", "UserTop", "UserWidth", "UserHeight"};
        QCOMPARE(names.mid(names.size() - 4) == boundNames, bounds);
        QCOMPARE(names.contains("UserWidth"), bounds);
        if (bounds)
            QCOMPARE(procs->store().find("UserWidth")->integer, 900);
    }

    // The dialog's text fields take only what a Windows-1252 text can hold.
    void fieldsRefuseWhatTheCodePageCannotHold() {
        showWith(false);
        preferences([](TIxv7PreferencesForm& f) {
            click(f.PrefPrintBtn);
            f.PrintPage->NameEd->clear();
            type(f.PrintPage->NameEd, QString::fromUtf8("Zoë \u4E00€"));
            type(f.ToolsPage->DictPathEd, QString::fromUtf8("/opt/\u0416/dict"));
            click(f.SaveBtn);
        });
        QCOMPARE(procs->store().find("Name")->text, QString::fromUtf8("Zoë €"));
        QCOMPARE(procs->store().find("DictPath")->text, QStringLiteral("/opt//dict"));
    }
};

QTEST_MAIN(Tst_PreferencesApply)
#include "tst_preferencesapply.moc"
