// Writing clues in the real main window: the clue editing window, the special-character map,
// the specifications window and which editing windows show when.
#include "MainWindowFixture.h"
#include "TextEntry.h"
#include "app/ui/TMsgBar.h"
#include "base/Codepage.h"
#include "puzzle/WordOperations.h"
#include "puzzle/ui/TCharMap7Form.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>
#include <QTableWidget>

namespace {

const QByteArray kInitials = "EMERSONTRAIL";

QString clueOf(int word) {
    return QStringLiteral("Clue ") + WordLabel(word);
}
} // namespace

class Tst_Clues : public MainWindowFixture {
    Q_OBJECT

    QString file;
    QString word1Letters; // word A: 12 letters
    QString word3Row;     // word C: letters at positions 1, 2 and 4, as its 30-character row

    static QChar letterAt(const PuzzleRecord& r, const Square& sq) {
        return QChar(r.letter(sq.column, sq.row));
    }
    QString row(int word) { return clues()->ClueList->item(word - 1)->text(); }
    // Opens the character map and clicks the cell at (column, row).
    void chooseFromMap(const QPoint& at) {
        clickCentre(clues()->CharsBtn);
        TCharMap7Form* map = clues()->charMap();
        QVERIFY(map && QTest::qWaitForWindowExposed(map, TestEnv::kEventWaitMs));
        const QTableWidget* cells = map->CharGrid;
        const QPoint cell = cells->visualItemRect(cells->item(at.y(), at.x())).center();
        QTest::mouseClick(map->windowHandle(), Qt::LeftButton, {},
                          cells->viewport()->mapTo(map, cell));
    }
    void showsClueOf(int word) {
        QCOMPARE(ctx->SelectedWord, word);
        QCOMPARE(clues()->ClueList->currentRow(), word - 1);
        QCOMPARE(clues()->DefEdit->text(), clueOf(word));
        QCOMPARE(clues()->NumLbl->text(), QStringLiteral("Acrostic Clue ") + WordLabel(word));
    }

private slots:
    void init() {
        setUp();
        PuzzleRecord r = emersonPuzzle();
        QList<Square> free = freeSquares(r);
        word1Letters = letterAt(r, r.LocateCode(101));
        for (int i = 0; i < 11; ++i) {
            WordOps::pickSquare(r, free[i].column, free[i].row, 1);
            word1Letters += letterAt(r, free[i]);
        }
        for (int i = 11; i < 14; ++i)
            WordOps::pickSquare(r, free[i].column, free[i].row, 3);
        WordOps::takeLetterOut(r, 3, 3);
        word3Row = QString(letterAt(r, r.LocateCode(103))) + letterAt(r, free[11]) + u' ' +
                   letterAt(r, free[13]) + QString(26, u' ');
        for (int w = 1; w <= 12; ++w)
            r.clue(w).assign(clueOf(w).toLatin1());
        file = savePuzzle(QStringLiteral("Emerson.ixv"), r);
    }
    void cleanup() { tearDown(); }

    // Word C has an empty third position: its row and label stop after the second letter.
    void typingStoresAtOnce() {
        showPuzzle(file);
        openClues();
        selectWord(3);
        QCOMPARE(clues()->DefEdit->text(), clueOf(3));
        QVERIFY(clues()->DefEdit->hasFocus());
        TextEntry::type(clues()->DefEdit, QStringLiteral("!"));
        QCOMPARE(rec().clue(3).bytes(), QByteArray("Clue C!"));
        QCOMPARE(row(3), QStringLiteral("Clue C!  | ") + word3Row.left(2));
        QCOMPARE(row(1), clueOf(1) + QStringLiteral("  | ") + word1Letters);
        QCOMPARE(form->MsgBar->panelText(2), QStringLiteral("EDITED"));
    }

    // The field belongs to the word whose clue it shows, even after the list's cursor moved
    // on without loading another clue.
    void fieldKeepsItsWord() {
        showPuzzle(file);
        openClues();
        clues()->ClueList->setCurrentRow(1); // moved without loading B's clue
        TextEntry::type(clues()->DefEdit, QStringLiteral("?"));
        QCOMPARE(rec().clue(1).bytes(), QByteArray("Clue A?"));
        QCOMPARE(rec().clue(2).bytes(), QByteArray("Clue B"));
    }

    void fieldLimits_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("action"); // after typing: Paste button, Count, map cell
        QTest::addColumn<QString>("field");
        auto add = [](const char* name, const QString& typed, const QString& clipboard,
                      const QString& action, const QString& field) {
            QTest::newRow(name) << typed << clipboard << action << field;
        };
        const QString s78(78, u'x');
        const QString s77(77, u'x'), s79(79, u'x');
        add("count after 78 characters", s78, "", "Count", s78 + " (12)");
        add("Paste button cut at the limit", s78, "1234", "Paste", s78 + "12");
        // From the character map, a cell goes in whole or not at all.
        add("map's blank up to the limit", s77, "", "map ___", s77 + "___");
        add("map's blank beyond the limit", s79, "", "map ___", s79);
        add("map's letter at the last place", s79, "", "map ¼", s79 + "¼");
        add("map's blank in front of a selection up to the limit", s77, "", "map ___ over 3",
            s77.left(74) + "___xxx");
        add("map's blank in front of a selection beyond the limit", s78, "", "map ___ over 3", s78);
    }
    void fieldLimits() {
        QFETCH(QString, typed);
        QFETCH(QString, clipboard);
        QFETCH(QString, action);
        QFETCH(QString, field);
        showPuzzle(file);
        openClues();
        QLineEdit* edit = clues()->DefEdit;
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        TextEntry::type(edit, typed);
        if (action == "Paste") {
            QApplication::clipboard()->setText(clipboard);
            clickCentre(clues()->InsertBtn);
        } else if (action == "Count") {
            clickCentre(clues()->CountBtn);
        } else if (action.startsWith("map ")) {
            const QString cell = action.section(u' ', 1, 1);
            for (int i = 0; action.endsWith("over 3") && i < 3; ++i)
                QTest::keyClick(edit, Qt::Key_Left, Qt::ShiftModifier);
            chooseFromMap(cell == "___" ? QPoint(4, 2) : QPoint(0, 0));
        }
        QCOMPARE(edit->text(), field);
        QCOMPARE(rec().clue(1).bytes(), Codepage::fromUnicode(field)->left(80));
        QCOMPARE(row(1), field + QStringLiteral("  | ") + word1Letters);
    }

    // Opening the clue window and moving between clues change neither the puzzle nor its
    // edited state; while the clue window is shown, the letter row and the grid ignore clicks.
    void movingBetweenClues_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("word");
        QTest::addColumn<QStringList>("played");
        const QString c = "Clues...";
        const QStringList none, end{"end"};
        QTest::newRow("opening with no word selected") << QStringList{c} << 1 << none;
        QTest::newRow("opening with word D selected") << QStringList{"square 4", c} << 4 << none;
        QTest::newRow("Next from word 1") << QStringList{c, "Next"} << 2 << none;
        QTest::newRow("Next at the last word") << QStringList{c, "square 12", "Next"} << 12 << end;
        QTest::newRow("Previous at word 1") << QStringList{c, "Previous"} << 1 << end;
        QTest::newRow("Previous with no word selected")
            << QStringList{c, "beside", "Previous"} << 1 << none;
        QTest::newRow("word square E") << QStringList{c, "square 5"} << 5 << none;
        QTest::newRow("letter row of word A") << QStringList{c, "letter row"} << 1 << none;
        QTest::newRow("free grid square") << QStringList{c, "grid"} << 1 << none;
    }
    void movingBetweenClues() {
        QFETCH(QStringList, clicks);
        QFETCH(int, word);
        QFETCH(QStringList, played);
        showPuzzle(file);
        const QByteArray before = rec().toBytes();
        const int s = title()->TitleSquare;
        for (const QString& where : clicks) {
            if (where == "Clues...")
                openClues();
            else if (where.startsWith("square"))
                selectWord(where.mid(7).toInt());
            else if (where == "beside") // selects no word
                click(title()->canvas(), QPoint(12 * s + s / 2, s / 2));
            else if (where == "letter row")
                letterRow(2);
            else if (where == "grid")
                pick(freeSquares(rec()).first());
            else
                clickCentre(where == "Next" ? clues()->NextBtn : clues()->PrevBtn);
        }
        QCOMPARE(sounds.played, played);
        showsClueOf(word);
        QCOMPARE(clues()->ClueList->count(), 12);
        QCOMPARE(row(1), clueOf(1) + QStringLiteral("  | ") + word1Letters);
        QCOMPARE(rec().toBytes(), before);
        QVERIFY(!ctx->Edited());
    }

    // The chosen character goes in front of the selected text, which stays, and the map
    // closes.
    void charMap() {
        showPuzzle(file);
        openClues();
        QLineEdit* edit = clues()->DefEdit;
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        TextEntry::type(edit, QStringLiteral("very old"));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(edit, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(edit->selectedText(), QStringLiteral("old"));
        clickCentre(clues()->CharsBtn); // the button opens the map and closes it again
        QVERIFY(clues()->charMap() &&
                QTest::qWaitForWindowExposed(clues()->charMap(), TestEnv::kEventWaitMs));
        clickCentre(clues()->CharsBtn);
        IXV_TRY_VERIFY(!clues()->charMap());
        chooseFromMap(QPoint(8, 2)); // the em dash
        QCOMPARE(edit->text(), QStringLiteral("very \u2014old"));
        QCOMPARE(rec().clue(1).bytes(), QByteArray("very \x97old"));
        IXV_TRY_VERIFY(!clues()->charMap());
    }

    // The labels are filled when the window shows; "Update" rebuilds only the rows.
    void specsUpdate_data() {
        QTest::addColumn<bool>("removeInitial"); // of word C, otherwise two picks into word B
        QTest::newRow("picks in word B") << false;
        QTest::newRow("word C's initial removed") << true;
    }
    void specsUpdate() {
        QFETCH(bool, removeInitial);
        showPuzzle(file);
        press(QStringLiteral("SpecsBtn"));
        const QString quotation =
            "THE ONLY WAY TO HAVE A FRIEND IS TO BE ONE DO NOT GO WHERE THE PATH MAY LEAD GO "
            "INSTEAD WHERE THERE IS NO PATH AND LEAVE A TRAIL";
        const QString initials = QString::fromLatin1(kInitials).leftJustified(31);
        QListWidget* rows = specs()->AcrList;
        QCOMPARE(specs()->contentsRect().size(), specs()->widget()->size()); // buttons in view
        QCOMPARE(specs()->x() + specs()->width(), form->mdiArea->width() - procs->FrameSize());
        QCOMPARE(specs()->QuoLbl->text(), quotation);
        QCOMPARE(specs()->AutLbl->text(), initials);
        QCOMPARE(rows->count(), 12);
        QCOMPARE(rows->item(0)->text(), word1Letters.leftJustified(30));
        QCOMPARE(rows->item(2)->text(), word3Row);
        const QString row2 = rows->item(1)->text();
        QString word2 = QString(kInitials.at(1));
        if (removeInitial) {
            selectWord(3);
            letterRow(1);
            QCOMPARE(int(rec().squareOf(103)), 0);
        } else {
            selectWord(2);
            for (const Square& sq : freeSquares(rec()).mid(0, 2)) {
                pick(sq);
                word2 += letterAt(rec(), sq);
            }
            QVERIFY(rec().squareOf(302) != 0);
        }
        QCOMPARE(rows->item(1)->text(), row2);
        clickCentre(specs()->UpdateBtn);
        QCOMPARE(rows->count(), removeInitial ? 2 : 12);
        QCOMPARE(rows->item(1)->text(), word2.leftJustified(30));
        QCOMPARE(specs()->QuoLbl->text(), quotation);
        QCOMPARE(specs()->AutLbl->text(), initials);
    }

    void specsRowSelectsTheWord_data() {
        QTest::addColumn<QString>("mode"); // button pressed before the Specifications button
        QTest::newRow("word building") << "LettersBtn";
        QTest::newRow("quote editing") << "SquaresBtn";
        QTest::newRow("clue window shown") << "AutoclueBtn";
    }
    // The word is selected everywhere; the focus stays in the specifications window, which
    // stays on top of the windows it overlaps, its Update button in view.
    void specsRowSelectsTheWord() {
        QFETCH(QString, mode);
        showPuzzle(file);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get(), TestEnv::kEventWaitMs));
        if (mode == "AutoclueBtn")
            openClues();
        else
            press(mode);
        press(QStringLiteral("SpecsBtn"));
        QListWidget* list = specs()->AcrList;
        click(list->viewport(), list->visualItemRect(list->item(4)).center());
        QCOMPARE(ctx->SelectedWord, 5);
        QCOMPARE(list->currentRow(), 4);
        if (mode == "AutoclueBtn")
            showsClueOf(5);
        QVERIFY(!ctx->Edited());
        QApplication::processEvents();
        QCOMPARE(form->mdiArea->activeSubWindow(), specs());
        QCOMPARE(form->mdiArea->subWindowList(QMdiArea::StackingOrder).constLast(), specs());
        QVERIFY(specs()->isAncestorOf(QApplication::focusWidget()));
    }

    // The caption is "Acrostic..." exactly while the clue window is shown.
    void windowVisibility_data() {
        QTest::addColumn<QStringList>("steps"); // buttons pressed; "type" writes into the clue
        QTest::addColumn<bool>("clueWindow");   // otherwise the construction tool window
        QTest::addColumn<bool>("specsOpen");
        QTest::addColumn<bool>("mapOpen");
        auto add = [](const char* name, const QStringList& steps, bool clueWindow, bool specs,
                      bool map) { QTest::newRow(name) << steps << clueWindow << specs << map; };
        const QString a = "AutoclueBtn", s = "SpecsBtn", c = "CharsBtn", t = "type";
        add("Clues...", {a}, true, false, false);
        add("Acrostic...", {a, a}, false, false, false);
        add("Clues... keeps specifications", {s, a}, true, true, false);
        add("map opened", {a, c}, true, false, true);
        add("Acrostic... closes the map", {a, c, a}, false, false, false);
        add("Revert opens specifications", {a, t, "RevertBtn"}, true, true, false);
        add("Revert closes specifications", {s, a, t, "RevertBtn"}, true, false, false);
        add("opening again", {s, a, c, "OpenPuzzleBtn"}, false, false, false);
    }
    void windowVisibility() {
        QFETCH(QStringList, steps);
        QFETCH(bool, clueWindow);
        QFETCH(bool, specsOpen);
        QFETCH(bool, mapOpen);
        showPuzzle(file);
        for (const QString& step : steps) {
            if (step == "type") {
                TextEntry::type(clues()->DefEdit, QStringLiteral("x"));
            } else if (step == "CharsBtn") {
                clickCentre(clues()->CharsBtn);
            } else {
                if (step == "RevertBtn")
                    dialogs.answers << Dialogs::Answer::Yes;
                if (step == "OpenPuzzleBtn")
                    dialogs.files << file;
                press(step);
            }
            QCoreApplication::processEvents(); // the queued hides and shows of this step
        }
        IXV_TRY_COMPARE(form->editors().tool->isShownNormally(), !clueWindow);
        IXV_TRY_COMPARE(clues()->isShownNormally(), clueWindow);
        IXV_TRY_COMPARE(clues()->isVisible(), clueWindow);
        IXV_TRY_COMPARE(specs() != nullptr, specsOpen);
        IXV_TRY_COMPARE(clues()->charMap() != nullptr, mapOpen);
        QVERIFY(grid()->isShownNormally() && title()->isShownNormally());
        QCOMPARE(form->button(QStringLiteral("AutoclueBtn"))->text(),
                 clueWindow ? QStringLiteral("Acrostic...") : QStringLiteral("Clues..."));
        if (steps.contains("RevertBtn"))
            QCOMPARE(rec().clue(1).bytes(), clueOf(1).toLatin1());
    }
};

QTEST_MAIN(Tst_Clues)
#include "tst_clues.moc"
