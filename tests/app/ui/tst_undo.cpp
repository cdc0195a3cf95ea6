// Undo and redo in the real main window: edits made in the editing windows, taken back and
// forward with the keys and the Edit tab's buttons, and every window showing the record.
#include "MainWindowFixture.h"
#include "TextEntry.h"
#include "app/ui/TMsgBar.h"
#include "puzzle/Statistics.h"
#include "puzzle/WordOperations.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

class Tst_Undo : public MainWindowFixture {
    Q_OBJECT

    QString file;

    void showAndActivate() {
        showPuzzle(file);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get(), TestEnv::kEventWaitMs));
    }
    // Edits through the windows, separated by ";": word N, pick I (the I-th free square),
    // out P (letter row), spill, F8, clues, type TEXT (clue field), next, prev (clue tool bar),
    // grid (a click on the grid), quote, square I, key X.
    void edit(const QString& script) {
        for (const QString& command : script.split(u';', Qt::SkipEmptyParts)) {
            const QStringList a = command.split(u' ', Qt::SkipEmptyParts);
            const QString& op = a[0];
            if (op == "word")
                selectWord(a[1].toInt());
            else if (op == "pick" || op == "square")
                pick(freeSquares(rec())[a[1].toInt()]);
            else if (op == "out")
                letterRow(a[1].toInt());
            else if (op == "spill")
                press(QStringLiteral("SpillBtn"));
            else if (op == "F8")
                QTest::keyClick(grid()->canvas(), Qt::Key_F8);
            else if (op == "clues")
                openClues();
            else if (op == "type")
                TextEntry::type(clues()->DefEdit, a[1]);
            else if (op == "next" || op == "prev") // the keyboard stays in the clue field
                QTest::mouseClick(op == "next" ? clues()->NextBtn : clues()->PrevBtn,
                                  Qt::LeftButton);
            else if (op == "grid") // while clues are edited a press only takes the keyboard
                clickCentre(grid()->canvas());
            else if (op == "quote")
                press(QStringLiteral("SquaresBtn"));
            else if (op == "key")
                QTest::keyClick(grid()->canvas(), Qt::Key(a[1][0].unicode()));
            else
                QFAIL(qPrintable("unknown edit " + command));
        }
    }
    // One step back or forward, by the keys (from the grid, outside any text field) or the
    // button.
    void step(bool back, bool keys, bool shiftZ = false) {
        if (!keys) {
            press(back ? QStringLiteral("UndoBtn") : QStringLiteral("RedoBtn"));
            return;
        }
        form->activateWindow(); // a progress window shown meanwhile may have taken it
        QVERIFY(QTest::qWaitForWindowActive(form.get(), TestEnv::kEventWaitMs));
        grid()->canvas()->setFocus();
        if (back)
            QTest::keyClick(grid()->canvas(), Qt::Key_Z, Qt::ControlModifier);
        else if (shiftZ)
            QTest::keyClick(grid()->canvas(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        else
            QTest::keyClick(grid()->canvas(), Qt::Key_Y, Qt::ControlModifier);
    }
    QList<QImage> windowImages() {
        QList<QImage> images;
        for (QWidget* w :
             std::initializer_list<QWidget*>{grid()->canvas(), title()->canvas(), tool()->LtrBox})
            images << w->grab().toImage();
        return images;
    }
    void cluesShowTheRecord() {
        if (!clues()->isShownNormally())
            return;
        QCOMPARE(clues()->DefEdit->text(),
                 QString::fromLatin1(rec().clue(ctx->SelectedWord).bytes()));
        for (int row = 0; row < clues()->ClueList->count(); ++row)
            QCOMPARE(clues()->ClueList->item(row)->text(), WordOps::clueRow(rec(), row + 1));
    }
    QToolButton* undoBtn() { return form->button(QStringLiteral("UndoBtn")); }
    QToolButton* redoBtn() { return form->button(QStringLiteral("RedoBtn")); }

private slots:
    void init() {
        setUp();
        file = savePuzzle(QStringLiteral("Emerson.ixv"), emersonPuzzle());
    }
    void cleanup() { tearDown(); }

    void editsGoBackAndForth_data() {
        QTest::addColumn<QString>("edits");
        QTest::addColumn<int>("steps");
        QTest::addColumn<bool>("keys");
        QTest::newRow("Spill and F8, buttons")
            << "word 1; pick 0; pick 1; spill; word 2; pick 3; pick 4; F8; pick 5" << 7 << false;
        QTest::newRow("clue visits, keys")
            << "clues; word 3; type ab; next; prev; type cd; grid; type e" << 3 << true;
        QTest::newRow("quote retyping, buttons") << "quote; square 0; key Q; key Z" << 2 << false;
    }
    void editsGoBackAndForth() {
        QFETCH(QString, edits);
        QFETCH(int, steps);
        QFETCH(bool, keys);
        showAndActivate();
        const QByteArray opened = rec().toBytes();
        edit(edits);
        const QByteArray edited = rec().toBytes();
        QCOMPARE(ctx->undoHistory().undoSteps(), steps);
        for (int i = 0; i < steps; ++i)
            step(true, keys);
        QVERIFY(!undoBtn()->isEnabled());
        QCOMPARE(rec().toBytes(), opened);
        QCOMPARE(form->MsgBar->panelText(2), QString());
        cluesShowTheRecord();
        for (int i = 0; i < steps; ++i)
            step(false, keys, i % 2);
        QVERIFY(!redoBtn()->isEnabled());
        QCOMPARE(rec().toBytes(), edited);
        QCOMPARE(form->MsgBar->panelText(2), QStringLiteral("EDITED"));
        cluesShowTheRecord();
    }

    // The grid's colours, the letter row and the letter box counts go back with the record;
    // the selected word stays, the word position rows and the statistics follow. (Which edit
    // is named is checked without a window.)
    void windowsShowTheRecord() {
        showAndActivate();
        press(QStringLiteral("SpecsBtn"));
        edit("word 3; pick 0; pick 1");
        const QList<QImage> before = windowImages();
        edit("spill");
        const QList<QImage> after = windowImages();
        QVERIFY(after != before);
        QString notice;
        QTimer::singleShot(0, form.get(), [&] { notice = form->MsgBar->panelText(1); });
        step(true, true);
        QCOMPARE(notice, QStringLiteral("Undone: Spill of word C"));
        QCOMPARE(form->MsgBar->panelText(1), PuzzleStatistics(rec()));
        QCOMPARE(ctx->SelectedWord, 3);
        QCOMPARE(windowImages(), before);
        QCOMPARE(specs()->AcrList->item(2)->text(), QString(WordOps::positionRow(rec(), 3)));
        step(false, true);
        QCOMPARE(windowImages(), after);
    }

    // In a text field the keys undo and redo its typing; the puzzle keeps its pick.
    void keysInTheClueField_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("text");
        QTest::newRow("Ctrl+Z") << QStringList{"Ctrl+Z"} << "";
        QTest::newRow("Ctrl+Z, Ctrl+Y") << QStringList{"Ctrl+Z", "Ctrl+Y"} << "xyz";
        QTest::newRow("Ctrl+Z, Ctrl+Shift+Z") << QStringList{"Ctrl+Z", "Ctrl+Shift+Z"} << "xyz";
    }
    void keysInTheClueField() {
        QFETCH(QStringList, keys);
        QFETCH(QString, text);
        showAndActivate();
        const Square picked = freeSquares(rec())[0];
        edit("word 3; pick 0; clues; type xyz");
        IXV_TRY_VERIFY(clues()->DefEdit->hasFocus());
        for (const QString& key : keys)
            QTest::keySequence(clues()->DefEdit, QKeySequence(key));
        QCOMPARE(clues()->DefEdit->text(), text);
        QCOMPARE(rec().clue(3).bytes(), text.toLatin1());
        QCOMPARE(int(rec().code(picked.column, picked.row)), 203);
    }

    // Saving takes the name typed in "By:" into the puzzle; undone, the name and the edited
    // state go back.
    void saveThenUndo() {
        showAndActivate();
        edit("word 3; pick 0");
        const QString name = tool()->ByEd->text();
        tool()->ByEd->setText(QStringLiteral("Ann Other"));
        press(QStringLiteral("SaveBtn"));
        QCOMPARE(undoBtn()->statusTip(), QStringLiteral("Undo constructor's name"));
        QCOMPARE(form->MsgBar->panelText(2), QString());
        step(true, true);
        QCOMPARE(tool()->ByEd->text(), name);
        QCOMPARE(form->MsgBar->panelText(2), QStringLiteral("EDITED"));
        QVERIFY(undoBtn()->statusTip().startsWith(QStringLiteral("Undo pick of ")));
        QCOMPARE(redoBtn()->statusTip(), QStringLiteral("Redo constructor's name"));
        step(false, true);
        QCOMPARE(tool()->ByEd->text(), QStringLiteral("Ann Other"));
        QCOMPARE(form->MsgBar->panelText(2), QString());
    }

    void openingStartsAnEmptyHistory_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Dialogs::Answer>("answer");
        QTest::newRow("Revert") << "RevertBtn" << Dialogs::Answer::Yes;
        QTest::newRow("Open, changes dropped") << "OpenPuzzleBtn" << Dialogs::Answer::No;
    }
    void openingStartsAnEmptyHistory() {
        QFETCH(QString, button);
        QFETCH(Dialogs::Answer, answer);
        showAndActivate();
        QVERIFY(!undoBtn()->isEnabled() && !redoBtn()->isEnabled());
        QCOMPARE(undoBtn()->statusTip(), QStringLiteral("Nothing to undo"));
        edit("word 3; pick 0; pick 1");
        step(true, false);
        QVERIFY(undoBtn()->isEnabled() && redoBtn()->isEnabled());
        dialogs.answers << answer;
        if (button == "OpenPuzzleBtn")
            dialogs.files << file;
        press(button);
        QVERIFY(!undoBtn()->isEnabled() && !redoBtn()->isEnabled());
        QCOMPARE(redoBtn()->statusTip(), QStringLiteral("Nothing to redo"));
    }
};

QTEST_MAIN(Tst_Undo)
#include "tst_undo.moc"
