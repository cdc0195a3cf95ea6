#include "MainWindowFixture.h"
#include "TestFiles.h"
#include "app/ui/TIxv7AboutForm.h"
#include "app/ui/TMsgBar.h"
#include "output/ui/TIxv7OutputForm.h"
#include "prefs/SettingsCatalogue.h"
#include "base/Errors.h"
#include "puzzle/ui/GridView.h"
#include "puzzle/ui/TIxv7GridForm.h"
#include "puzzle/ui/TIxv7InputForm.h"
#include "puzzle/ui/TIxv7ToolForm.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QWindow>
#include <QToolButton>
#include <QtTest>

namespace {

// A small puzzle, told apart from others by its grid width.
QByteArray puzzleBytes(int width) {
    PuzzleRecord record = PuzzleRecord::zeroed();
    record.ClearPuzzle(qint16(width), 8, "Ann Example");
    record.letter(1, 1) = 'Q';
    return record.toBytes();
}

// One start of the program. Names are files in the test's folder: A.ixv and B.ixv are
// puzzles, bad.ixv is 100 bytes, gone.ixv does not exist.
struct Start {
    QStringList arguments;
    int openLastEdit = -1; // -1: not stored
    QString currentPuzzle;
    QStringList history;
    QString opened;
    QStringList historyAfter;
    bool reported = false; // an error box was shown
};
} // namespace

class Tst_MainWindow : public MainWindowFixture {
    Q_OBJECT

    QString seen;

    QStringList paths(QStringList names) const {
        for (QString& name : names)
            name = path(name);
        return names;
    }
    QByteArray disk(const QString& name) const { return readBytes(path(name)); }
    void openPuzzle(const QString& name) {
        dialogs.files << path(name);
        press("OpenPuzzleBtn");
        QCOMPARE(ctx->CurrentFile, path(name));
    }
    // A change to the open puzzle, as an editing window makes it.
    void editPuzzle() {
        ctx->puzzle.GridWidth = 15;
        ctx->SetEdited(true);
    }
    // The dialogs shown, as "kind: heading: text".
    QStringList shown(qsizetype from = 0) const {
        QStringList out;
        for (const ScriptedDialogs::Shown& d : dialogs.shown.mid(from))
            out << d.kind + ": " + d.heading + ": " + d.text;
        return out;
    }
    // Runs probe once the next wait pumps events; its answer goes to seen.
    void probeDuringWait(std::function<QString()> probe) {
        seen = QStringLiteral("(no wait)");
        QTimer::singleShot(0, form.get(), [this, probe] { seen = probe(); });
    }

private slots:
    void init() {
        setUp();
        QVERIFY(writeBytes(path("A.ixv"), puzzleBytes(10)));
        QVERIFY(writeBytes(path("B.ixv"), puzzleBytes(12)));
        QVERIFY(writeBytes(path("bad.ixv"), QByteArray(100, 'x')));
    }
    void cleanup() { tearDown(); }

    // Each tab brings only its own bar to the front, right under the tabs and as wide as the
    // client area, whatever the size the window was given.
    void tabsAndBars_data() {
        QTest::addColumn<QSize>("asked");
        QTest::addColumn<QSize>("size");
        QTest::newRow("wider") << QSize(1111, 700) << QSize(1111, 700);
        QTest::newRow("below the minimum") << QSize(300, 200) << QSize(800, 600);
    }
    void tabsAndBars() {
        QFETCH(QSize, asked);
        QFETCH(QSize, size);
        showForm();
        form->resize(asked);
        IXV_TRY_COMPARE(form->size(), size);
        const QStringList bars = {"PuzzTools",  "EditTools",  "OptionsTools", "ExportTools",
                                  "PrintTools", "ToolsTools", "HelpTools"};
        for (int tab : {3, 0, 6, 1, 5, 2, 4}) {
            clickTab(tab);
            QCOMPARE(form->MenuTabs->currentIndex(), tab);
            for (int i = 0; i < 7; ++i)
                QCOMPARE(form->toolBarStack->widget(i)->isVisible(), i == tab);
            const QWidget* bar = form->toolBarStack->currentWidget();
            QCOMPARE(bar->objectName(), bars[tab]);
            IXV_TRY_COMPARE(bar->width(), size.width());
            QCOMPARE(bar->mapTo(form->centralWidget(), QPoint()),
                     QPoint(0, form->MenuTabs->height()));
        }
    }

    void statusPopUp_data() {
        QTest::addColumn<bool>("edited");
        QTest::addColumn<int>("x");
        QTest::addColumn<Qt::MouseButton>("mouse");
        QTest::addColumn<bool>("opens");
        // An 812-pixel bar gives its panels 40 %, 50 % and 10 % of its width, rounded, and 50
        // pixels: 325, 406, 81, 50. Panels 0 and 1 end at 731.
        QTest::newRow("edited, left on panel 2") << true << 736 << Qt::LeftButton << true;
        QTest::newRow("edited, right button") << true << 790 << Qt::RightButton << true;
        QTest::newRow("edited, on panel 1") << true << 726 << Qt::LeftButton << false;
        QTest::newRow("clean, on panel 2") << false << 736 << Qt::LeftButton << false;
    }
    void statusPopUp() {
        QFETCH(bool, edited);
        QFETCH(int, x);
        QFETCH(Qt::MouseButton, mouse);
        QFETCH(bool, opens);
        showForm();
        form->resize(812, 600);
        IXV_TRY_COMPARE(form->MsgBar->panelWidth(0), 325);
        QCOMPARE(form->MsgBar->panelWidth(1), 406);
        QCOMPARE(form->MsgBar->panelWidth(2), 81);
        QCOMPARE(form->MsgBar->panelWidth(3), 50);
        ctx->SetEdited(edited);
        QCOMPARE(form->MsgBar->panelText(2), edited ? QStringLiteral("EDITED") : QString());
        QTest::mouseClick(form->MsgBar, mouse, {}, QPoint(x, 5));
        QCOMPARE(form->StatBarPop->isVisible(), opens);
        form->StatBarPop->hide();
    }

    // The open puzzle stays as it was, in memory and on disk.
    void openRefusesWhatIsNoPuzzle() {
        showForm();
        openPuzzle("A.ixv");
        dialogs.files << path("bad.ixv");
        press("OpenPuzzleBtn");
        QCOMPARE(shown(2),
                 QStringList{"attention: Attention: Puzzle not in Ixenvar format or is corrupt."});
        QCOMPARE(sounds.played, QStringList{"attention"});
        QCOMPARE(ctx->CurrentFile, path("A.ixv"));
        QCOMPARE(ctx->puzzle.toBytes(), puzzleBytes(10));
        QCOMPARE(disk("A.ixv"), puzzleBytes(10));
        QCOMPARE(ctx->history().read(), paths({"A.ixv"}));
    }

    void saveWritesTheFile_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("button") << "button";
        QTest::newRow("Ctrl+S") << "shortcut";
        QTest::newRow("status pop-up") << "pop-up";
    }
    void saveWritesTheFile() {
        QFETCH(QString, how);
        showForm();
        openPuzzle("A.ixv");
        editPuzzle();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get(), TestEnv::kEventWaitMs));
        probeDuringWait([this] {
            const auto* progress = form->findChild<TIxv7OutputForm*>();
            return progress && progress->isVisible() ? progress->labelText() : QString();
        });
        if (how == "shortcut")
            QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
        else if (how == "pop-up")
            form->StatBarPop->actions().first()->trigger();
        else
            press("SaveBtn");
        QCOMPARE(seen, QStringLiteral("Saving current puzzle ..."));
        QCOMPARE(ctx->puzzle.GridWidth, qint16(15));
        QCOMPARE(disk("A.ixv"), ctx->puzzle.toBytes());
        QCOMPARE(form->MsgBar->panelText(2), QString());
    }

    void notices_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("open");
        QTest::addColumn<QString>("notice");
        QTest::newRow("save, no puzzle") << "SaveBtn" << false << "No Puzzle Currently Opened!";
        QTest::newRow("revert, no puzzle") << "RevertBtn" << false << "No Puzzle Currently Opened!";
        QTest::newRow("revert, no changes")
            << "RevertBtn" << true << "No Unsaved Changes to Revert!";
        QTest::newRow("output, no puzzle") << "RTFMsBtn" << false << "No Puzzle Currently Opened!";
    }
    void notices() {
        QFETCH(QString, button);
        QFETCH(bool, open);
        QFETCH(QString, notice);
        showForm();
        if (open)
            openPuzzle("A.ixv");
        const qsizetype shownBefore = dialogs.shown.size();
        form->MsgBar->setPanelText(1, QStringLiteral("earlier text"));
        probeDuringWait([this] { return form->MsgBar->panelText(1); });
        press(button);
        QCOMPARE(seen, notice);
        QCOMPARE(form->MsgBar->panelText(1), QString());
        QCOMPARE(dialogs.shown.size(), shownBefore);
        QVERIFY(sounds.played.isEmpty());
    }

    void revert_data() {
        QTest::addColumn<Dialogs::Answer>("answer");
        QTest::addColumn<bool>("reverted");
        QTest::newRow("Yes rereads the file") << Dialogs::Answer::Yes << true;
        QTest::newRow("No keeps the changes") << Dialogs::Answer::No << false;
    }
    void revert() {
        QFETCH(Dialogs::Answer, answer);
        QFETCH(bool, reverted);
        showForm();
        openPuzzle("A.ixv");
        editPuzzle();
        dialogs.answers << answer;
        press("RevertBtn");
        QCOMPARE(sounds.played, QStringList{"warning"});
        QCOMPARE(shown(1), QStringList{"yesno: Undo Everything: Discard all recent changes and "
                                       "return to last saved puzzle?"});
        QCOMPARE(ctx->puzzle.GridWidth, qint16(reverted ? 10 : 15));
        QCOMPARE(form->MsgBar->panelText(2), reverted ? QString() : QStringLiteral("EDITED"));
        QCOMPARE(disk("A.ixv"), puzzleBytes(10));
    }

    void saveQuestion_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Dialogs::Answer>("answer");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("goesOn");
        for (const char* b : {"OpenPuzzleBtn", "CloseBtn"}) {
            QTest::addRow("%s, Yes", b) << b << Dialogs::Answer::Yes << true << true;
            QTest::addRow("%s, No", b) << b << Dialogs::Answer::No << false << true;
            QTest::addRow("%s, Cancel", b) << b << Dialogs::Answer::Cancel << false << false;
        }
    }
    void saveQuestion() {
        QFETCH(QString, button);
        QFETCH(Dialogs::Answer, answer);
        QFETCH(bool, saved);
        QFETCH(bool, goesOn);
        const bool opening = button == "OpenPuzzleBtn";
        showForm();
        openPuzzle("A.ixv");
        editPuzzle();
        const QByteArray changed = ctx->puzzle.toBytes();
        dialogs.answers << answer;
        if (opening)
            dialogs.files << path("B.ixv");
        press(button);
        QCOMPARE(shown(1).value(0),
                 "yesnocancel: Attention: Puzzle has changed. Save current changes?");
        QCOMPARE(disk("A.ixv"), saved ? changed : puzzleBytes(10));
        QCOMPARE(ctx->Edited(), !goesOn);
        if (opening) {
            QCOMPARE(dialogs.files.isEmpty(), goesOn);
            QCOMPARE(ctx->CurrentFile, path(goesOn ? "B.ixv" : "A.ixv"));
            QCOMPARE(ctx->puzzle.toBytes(), goesOn ? puzzleBytes(12) : changed);
        } else {
            QCOMPARE(form->isVisible(), !goesOn);
        }
    }

    // Saving on the way out takes the name typed in "By:"; a save that fails keeps the program
    // running with the changes still marked.
    void closingSavesOrStays() {
        showForm();
        openPuzzle("A.ixv");
        form->editors().tool->ByEd->setText(QStringLiteral("Zed Quill"));
        editPuzzle();
        dialogs.answers << Dialogs::Answer::Yes << Dialogs::Answer::Yes;
        QVERIFY(QFile::remove(path("A.ixv")) && dir->remove()); // nowhere to save to
        form->close();
        QCOMPARE(dialogs.shown.last().kind, QStringLiteral("error"));
        QVERIFY(form->isVisible());
        QVERIFY(ctx->Edited());
        QVERIFY(QDir().mkpath(dir->path()));
        form->close();
        QVERIFY(!form->isVisible());
        QCOMPARE(disk("A.ixv").mid(11438, 10), QByteArray("\x09Zed Quill"));
    }

    void spillNeedsAnOpenPuzzle() {
        showForm();
        ctx->SelectedWord = 1;
        press("SpillBtn");
        QVERIFY(!ctx->Edited());
    }

    void openThenSaveAs() {
        showForm();
        openPuzzle("A.ixv");
        openPuzzle("B.ixv");
        QCOMPARE(shown(1), QStringList{"open: Open existing puzzle for editing: "});
        QCOMPARE(ctx->puzzle.toBytes(), puzzleBytes(12));
        QCOMPARE(Settings::readText(*procs, Settings::CurrentPuzzle), path("B.ixv"));

        editPuzzle();
        dialogs.files << path("copy.ixv");
        press("SaveAsBtn");
        QCOMPARE(shown(2), QStringList{"save: Save puzzle as: B.ixv"}); // the name offered
        QCOMPARE(disk("copy.ixv"), ctx->puzzle.toBytes());
        QCOMPARE(disk("B.ixv"), puzzleBytes(12));
        QCOMPARE(ctx->CurrentFile, path("copy.ixv"));
        QCOMPARE(form->MsgBar->panelText(2), QString());

        // The history list follows the history file, and a row opens the file it shows.
        QListWidget* list = form->editors().tool->HistoryList;
        QStringList rows;
        for (int i = 0; i < list->count(); ++i)
            rows << list->item(i)->data(Qt::UserRole).toString();
        QCOMPARE(rows, paths({"copy.ixv", "B.ixv", "A.ixv"}));
        const QPoint row = list->visualItemRect(list->item(2)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
        QCOMPARE(ctx->CurrentFile, path("A.ixv"));
        QCOMPARE(ctx->puzzle.toBytes(), puzzleBytes(10));
    }

    void startupOpening_data() {
        QTest::addColumn<Start>("start");
        QTest::newRow("nothing stored, no argument") << Start{};
        QTest::newRow("argument wins over OpenLastEdit")
            << Start{{"B.ixv"}, 1, "A.ixv", {"A.ixv"}, "B.ixv", {"B.ixv", "A.ixv"}};
        QTest::newRow("OpenLastEdit reopens CurrentPuzzle")
            << Start{{}, 1, "A.ixv", {"B.ixv", "A.ixv"}, "A.ixv", {"A.ixv", "B.ixv"}};
        QTest::newRow("OpenLastEdit 0") << Start{{}, 0, "A.ixv", {"A.ixv"}, "", {"A.ixv"}};
        QTest::newRow("missing CurrentPuzzle opens the first history line")
            << Start{{}, 1, "gone.ixv", {"B.ixv", "A.ixv"}, "B.ixv", {"B.ixv", "A.ixv"}};
        QTest::newRow("deleted files leave the history first")
            << Start{{}, 1, "gone.ixv", {"gone.ixv", "A.ixv"}, "A.ixv", {"A.ixv"}};
        QTest::newRow("failing argument is reported")
            << Start{{"bad.ixv"}, 1, "A.ixv", {}, "", {}, true};
        QTest::newRow("failing history line is silent")
            << Start{{}, 1, "gone.ixv", {"bad.ixv", "A.ixv"}, "", {"bad.ixv", "A.ixv"}};
    }
    void startupOpening() {
        QFETCH(Start, start);
        if (start.openLastEdit >= 0)
            Settings::writeFlag(*procs, Settings::OpenLastEdit, start.openLastEdit == 1);
        if (!start.currentPuzzle.isEmpty())
            Settings::writeText(*procs, Settings::CurrentPuzzle, path(start.currentPuzzle));
        if (!start.history.isEmpty()) {
            QVERIFY(QDir().mkpath(ctx->history().folder()));
            ctx->history().write(paths(start.history));
        }
        showForm(paths(start.arguments));
        QCOMPARE(ctx->CurrentFile, path(start.opened));
        QCOMPARE(ctx->history().read(), paths(start.historyAfter));
        QCOMPARE(shown().size(), start.reported ? 1 : 0);
        QVERIFY(!start.reported || shown()[0].startsWith("error: "));
        if (!start.opened.isEmpty())
            QCOMPARE(ctx->puzzle.toBytes(), disk(start.opened));
        // The grid, author-title and construction tool windows show an opened puzzle; the clue
        // window stays hidden either way.
        EditorSet& e = form->editors();
        for (EditingWindow* w : std::initializer_list<EditingWindow*>{e.grid, e.title, e.tool})
            IXV_TRY_COMPARE(w->isShownNormally(), !start.opened.isEmpty());
        IXV_TRY_VERIFY(!e.clues->isVisible());
    }

    void aboutSupportLineWritesMail() {
        showForm();
        bool sawAbout = false;
        QTimer::singleShot(0, form.get(), [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* about = qobject_cast<TIxv7AboutForm*>(modal)) {
                sawAbout = true;
                QTest::mouseClick(about->lblEmail, Qt::LeftButton);
                QTest::mouseClick(about->OKBtn, Qt::LeftButton);
            } else if (modal) {
                modal->close();
            }
        });
        press("AboutBtn");
        QVERIFY(sawAbout);
        QCOMPARE(desktop.opened.size(), 1);
        QCOMPARE(desktop.opened[0].scheme(), QStringLiteral("mailto"));
        QCOMPARE(desktop.opened[0].path(), QString::fromLatin1(TIxv7AboutForm::kSupportAddress));
    }

    // Changes declined at "Save current changes?" stay, still marked, when no other puzzle
    // replaces them.
    void declinedChangesStayWhenNothingOpens_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("open cancelled") << "OpenPuzzleBtn" << "";
        QTest::newRow("open of a corrupt file") << "OpenPuzzleBtn" << "bad.ixv";
        QTest::newRow("create new cancelled") << "CreateNewBtn" << "";
    }
    void declinedChangesStayWhenNothingOpens() {
        QFETCH(QString, button);
        QFETCH(QString, chosen);
        showForm();
        openPuzzle("A.ixv");
        editPuzzle();
        const QByteArray changed = ctx->puzzle.toBytes();
        dialogs.answers << Dialogs::Answer::No;
        dialogs.files << path(chosen);
        if (!chosen.isEmpty())
            dialogs.answers << Dialogs::Answer::Ok; // the Attention message
        press(button);
        QCOMPARE(ctx->puzzle.toBytes(), changed);
        QVERIFY(ctx->Edited());
        QCOMPARE(form->MsgBar->panelText(2), QStringLiteral("EDITED"));
        QCOMPARE(ctx->CurrentFile, path("A.ixv"));
        QCOMPARE(disk("A.ixv"), puzzleBytes(10));
    }

    // What Save wrote is saved; an edit made while its progress runs is not.
    void editDuringSaveProgressStaysMarked() {
        showForm();
        openPuzzle("A.ixv");
        editPuzzle();
        const QByteArray written = ctx->puzzle.toBytes();
        probeDuringWait([this] {
            ctx->puzzle.GridWidth = 16;
            ctx->SetEdited(true);
            return QString();
        });
        press("SaveBtn");
        QCOMPARE(seen, QString()); // the edit happened during the progress
        QCOMPARE(disk("A.ixv"), written);
        QVERIFY(ctx->Edited());
    }

    // A puzzle named relative to the folder the program starts in is remembered by its full
    // path, so that the next start finds it from anywhere.
    void relativeArgumentIsKeptAbsolute() {
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir->path()));
        showForm({"A.ixv"});
        QDir::setCurrent(before);
        QCOMPARE(ctx->CurrentFile, path("A.ixv"));
        QCOMPARE(Settings::readText(*procs, Settings::CurrentPuzzle), path("A.ixv"));
        QCOMPARE(ctx->history().read(), paths({"A.ixv"}));
    }

    // A new puzzle whose first save fails is the one the windows show, marked edited.
    void createNewWhoseSaveFailsIsShown() {
        showForm();
        openPuzzle("A.ixv");
        const int tenColumns = form->editors().grid->canvas()->width();
        dialogs.files << path("gone/new.ixv"); // a folder that does not exist
        QTimer::singleShot(0, form.get(), [] {
            auto* input = qobject_cast<TIxv7InputForm*>(QApplication::activeModalWidget());
            if (!input)
                return;
            input->QuoteMemo->setPlainText(QString::fromLatin1(kEmersonQuotation));
            input->AcrosticEdit->setText(QStringLiteral("Emerson Trail"));
            input->MakeBtn->click();
        });
        QString error;
        try {
            form->CreateNewBtnClick();
        } catch (const IoError& e) {
            error = e.message();
        }
        QVERIFY2(error.contains(path("gone/new.ixv")), qPrintable(error));
        QCOMPARE(ctx->CurrentFile, path("gone/new.ixv"));
        QVERIFY(ctx->Edited());
        QCOMPARE(ctx->puzzle.GridWidth, qint16(16)); // the new puzzle, not A's 10 columns
        QVERIFY(form->editors().grid->isShownNormally());
        IXV_TRY_VERIFY(form->editors().grid->canvas()->width() > tenColumns); // 16 columns now
    }

    // The splash screen closes before the start-up opening can show a message under it.
    void startupHookRunsBeforeAnyMessage() {
        qsizetype shownAtHook = -1;
        form = std::make_unique<TIxv7MainForm>(*ctx, desktop, QStringList{path("bad.ixv")});
        form->setBeforeStartup([&] { shownAtHook = dialogs.shown.size(); });
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get(), TestEnv::kEventWaitMs));
        QCOMPARE(shownAtHook, 0);
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown[0].kind, QStringLiteral("error"));
    }

    // The placement bounds are the whole window's, caption and frame included.
    void placementBoundsAreTheOuterFrame() {
        ScreenMetrics metrics;
        metrics.screenWidth = 1280;
        metrics.screenHeight = 1024;
        metrics.captionHeight = 23;
        metrics.frameHeight = 4;
        useScreen(metrics);
        showForm();
        const QMargins frame = form->windowHandle()->frameMargins().isNull()
                                   ? QMargins(4, 27, 4, 4)
                                   : form->windowHandle()->frameMargins();
        QCOMPARE(form->pos(), QPoint(1, 1));
        QCOMPARE(form->size(), QSize(1278, 1022).shrunkBy(frame));
    }

    // The hint of the button under the mouse shows in panel 0 and changes with its caption at
    // once.
    void cluesButtonHintFollowsItsCaption() {
        showForm();
        openPuzzle("A.ixv");
        QToolButton* b = form->button("AutoclueBtn");
        clickTab(form->toolBarStack->indexOf(b->parentWidget()));
        QTest::mouseMove(b);
        IXV_TRY_VERIFY(b->underMouse());
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(b->text(), QStringLiteral("Acrostic..."));
        QCOMPARE(form->MsgBar->panelText(0),
                 QStringLiteral("Open acrostic construction / edit window."));
    }

    // Every editing window keeps its caption drawn as active when another one has the focus.
    void captionsStayDrawnActive() {
        showForm();
        openPuzzle("A.ixv");
        EditorSet& e = form->editors();
        IXV_TRY_VERIFY(e.grid->isShownNormally() && e.tool->isShownNormally());
        form->mdiArea->setActiveSubWindow(e.grid);
        IXV_TRY_COMPARE(form->mdiArea->activeSubWindow(), static_cast<QMdiSubWindow*>(e.grid));
        const auto captionColour = [](EditingWindow* w) {
            const int caption = w->height() - w->clientSize().height();
            return w->grab(QRect(0, 0, w->width(), caption))
                .toImage()
                .pixelColor(w->width() - 6, caption / 2);
        };
        QCOMPARE(captionColour(e.tool), captionColour(e.grid));
    }
};

QTEST_MAIN(Tst_MainWindow)
#include "tst_mainwindow.moc"
