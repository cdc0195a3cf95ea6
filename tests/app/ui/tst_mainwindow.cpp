#include "MainWindowFixture.h"
#include "TestFiles.h"
#include "app/ui/TMsgBar.h"
#include "base/Errors.h"
#include "prefs/SettingsCatalogue.h"
#include "puzzle/ui/GridView.h"
#include "puzzle/ui/TIxv7GridForm.h"
#include "puzzle/ui/TIxv7InputForm.h"
#include "puzzle/ui/TIxv7ToolForm.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
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

private slots:
    void init() {
        setUp();
        QVERIFY(writeBytes(path("A.ixv"), puzzleBytes(10)));
        QVERIFY(writeBytes(path("B.ixv"), puzzleBytes(12)));
        QVERIFY(writeBytes(path("bad.ixv"), QByteArray(100, 'x')));
    }
    void cleanup() { tearDown(); }

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
        if (how == "shortcut")
            QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
        else if (how == "pop-up")
            form->StatBarPop->actions().first()->trigger();
        else
            press("SaveBtn");
        QCOMPARE(ctx->puzzle.GridWidth, qint16(15));
        QCOMPARE(disk("A.ixv"), ctx->puzzle.toBytes());
        QCOMPARE(form->MsgBar->panelText(2), QString());
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

    // Changes declined at "Save current changes?" stay, still marked, when no other puzzle
    // replaces them; a file that is no puzzle is refused with a message.
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
        if (!chosen.isEmpty()) {
            QCOMPARE(shown(3), QStringList{"attention: Attention: Puzzle not in Ixenvar format "
                                           "or is corrupt."});
            QCOMPARE(sounds.played, QStringList{"attention"});
            QCOMPARE(ctx->history().read(), paths({"A.ixv"}));
        }
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
        bool editedDuringSave = false; // runs once the save's progress pumps events
        QTimer::singleShot(0, form.get(), [&] {
            ctx->puzzle.GridWidth = 16;
            ctx->SetEdited(editedDuringSave = true);
        });
        press("SaveBtn");
        QVERIFY(editedDuringSave);
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
    }
};

QTEST_MAIN(Tst_MainWindow)
#include "tst_mainwindow.moc"
