// Building and writing acrostic words in the real main window: picking squares, taking letters
// out, quote editing, the repeater scan, Spill and F8; the clue window, the character map and the
// specifications window; word suggestions, picked as clicks on the grid would.
#include "MainWindowFixture.h"
#include "TestFiles.h"
#include "TextEntry.h"
#include "app/ui/TMsgBar.h"
#include "base/Codepage.h"
#include "prefs/SettingsCatalogue.h"
#include "puzzle/WordOperations.h"
#include "puzzle/WordSuggestions.h"
#include "puzzle/ui/TCharMap7Form.h"
#include "puzzle/ui/TIxv7SuggestForm.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTreeWidget>

namespace {

// Words for the Emerson quotation, with some that its letters cannot make.
const QByteArray kWords = "eat\nearth\neon\nera\nether\neast\nevade\nexact\nmate\nmoth\nmother\n"
                          "mast\nmeat\nmezzo\nrate\nrather\nroad\nrot\nsea\nseat\nstone\nshade\n"
                          "sea's\noath\nother\none\noven\nneat\nnorth\nnote\ntea\nteeth\nthread\n"
                          "those\nate\nant\naside\navid\nidea\ninto\niron\ninset\nlate\nlathe\n"
                          "lead\nloan\n";

const QByteArray kInitials = "EMERSONTRAIL";

QString clueOf(int word) {
    return QStringLiteral("Clue ") + WordLabel(word);
}
} // namespace

class Tst_Editing : public MainWindowFixture {
    Q_OBJECT

    QString file;         // the Emerson puzzle with only its initials
    QString cluedFile;    // with clues, word A of 12 letters and word C of three
    QString word1Letters; // word A's letters
    QString word3Row;     // word C: letters at positions 1, 2 and 4, as its 30-character row

    void showForm() { showPuzzle(file); }
    void scanAndClickTheFirstRow() {
        clickCentre(tool()->ScanBtn);
        QListWidget* list = tool()->ScanList;
        click(list->viewport(), list->visualItemRect(list->item(0)).center());
    }
    char letterAt(const Square& sq) const { return char(rec().letter(sq.column, sq.row)); }
    // Word 2 takes two letters of one quotation word; its scan row.
    QString makeRepeater() {
        const QList<Square> free = freeSquares(rec());
        int i = 0; // two neighbouring free squares of one grid row
        while (free[i + 1] != Square{free[i].column + 1, free[i].row})
            ++i;
        selectWord(2);
        pick(free[i]);
        pick(free[i + 1]);
        return QString::fromLatin1(QByteArray("B.") + letterAt(rec().LocateCode(102)) +
                                   letterAt(free[i]) + letterAt(free[i + 1]));
    }

    static QChar charAt(const PuzzleRecord& r, const Square& sq) {
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

    TIxv7SuggestForm* suggest() { return form->editors().suggest; }
    QTreeWidget* list() { return suggest()->SuggestList; }
    QStringList rows(int column = 0) {
        QStringList out;
        for (int i = 0; i < list()->topLevelItemCount(); ++i)
            out << list()->topLevelItem(i)->text(column);
        return out;
    }
    // What the core draws for the record as it is now.
    Suggestions::Result expected(int word, const QString& filter = {}) const {
        LetterState letters;
        return Suggestions::suggest(rec(), word, WordList::fromText(kWords), letters.seedLetters(),
                                    Suggestions::filterLetters(filter));
    }
    static QStringList wordsOf(const Suggestions::Result& result) {
        QStringList out;
        for (const auto& c : result.shown)
            out << QString::fromLatin1(c.word);
        return out;
    }
    void showAndOpen() {
        showForm();
        press(QStringLiteral("SuggestBtn"));
        IXV_TRY_VERIFY(suggest() && suggest()->isShownNormally());
    }

private slots:
    void init() {
        setUp();
        file = savePuzzle(QStringLiteral("Emerson.ixv"), emersonPuzzle());
        QVERIFY(writeBytes(path(QStringLiteral("words")), kWords));
        Settings::writeText(*procs, Settings::WordListPath, path(QStringLiteral("words")));
        PuzzleRecord r = emersonPuzzle();
        QList<Square> free = freeSquares(r);
        word1Letters = charAt(r, r.LocateCode(101));
        for (int i = 0; i < 11; ++i) {
            WordOps::pickSquare(r, free[i].column, free[i].row, 1);
            word1Letters += charAt(r, free[i]);
        }
        for (int i = 11; i < 14; ++i)
            WordOps::pickSquare(r, free[i].column, free[i].row, 3);
        WordOps::takeLetterOut(r, 3, 3);
        word3Row = QString(charAt(r, r.LocateCode(103))) + charAt(r, free[11]) + u' ' +
                   charAt(r, free[13]) + QString(26, u' ');
        for (int w = 1; w <= 12; ++w)
            r.clue(w).assign(clueOf(w).toLatin1());
        cluedFile = savePuzzle(QStringLiteral("Clued.ixv"), r);
    }
    void cleanup() { tearDown(); }

    // Taking letter 2 out frees its square and the next pick fills position 2; the word then
    // grows to 30 letters and refuses a 31st.
    void lettersOfAWord() {
        showForm();
        const QList<Square> free = freeSquares(rec());
        selectWord(1);
        for (int i = 0; i < 3; ++i)
            pick(free[i]);
        ctx->SetEdited(false);
        letterRow(2);
        QCOMPARE(int(rec().code(free[0].column, free[0].row)), int(CodeFree));
        QCOMPARE(form->MsgBar->panelText(2), QStringLiteral("EDITED"));
        pick(free[3]);
        QCOMPARE(int(rec().code(free[3].column, free[3].row)), 201);
        for (int i = 4; i < 30; ++i)
            pick(free[i]);
        QCOMPARE(WordOps::wordLetters(rec(), 1).size(), 30);
        QVERIFY(dialogs.shown.isEmpty());
        pick(free[30]);
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown[0].kind, QStringLiteral("attention"));
        QCOMPARE(dialogs.shown[0].text,
                 QStringLiteral("Acrostic word is limited to 30 characters."));
        QCOMPARE(int(rec().code(free[30].column, free[30].row)), int(CodeFree));
    }

    // Quote editing saves the puzzle at once; then a typed letter goes into the selected square,
    // a hyphen only while the grid takes them in.
    void quoteEditing() {
        Settings::writeFlag(*procs, Settings::AllowHyph, false);
        showForm();
        selectWord(4);
        pick(freeSquares(rec()).first());
        press("SquaresBtn");
        QCOMPARE(ctx->EditMode, 1);
        QCOMPARE(readBytes(file), rec().toBytes());
        QVERIFY(!ctx->Edited());
        QCOMPARE(ctx->SelectedWord, 0);
        QVERIFY(dialogs.shown.isEmpty());
        const Square sq = freeSquares(rec()).constLast();
        QTest::keyClick(grid()->canvas(), Qt::Key_Q); // no square selected yet
        QVERIFY(!ctx->Edited());
        const char old = letterAt(sq);
        pick(sq);
        QTest::keyClick(grid()->canvas(), Qt::Key_Minus);
        QCOMPARE(letterAt(sq), old);
        QTest::keyClick(grid()->canvas(), old == 'Q' ? Qt::Key_Z : Qt::Key_Q);
        QCOMPARE(letterAt(sq), old == 'Q' ? 'Z' : 'Q');
        QCOMPARE(int(rec().code(sq.column, sq.row)), int(CodeFree));
        QVERIFY(ctx->Edited());
    }

    // On a 1024 x 768 screen the bottom windows lie wholly between the author-title window and
    // the status bar, all their controls in view, whenever the puzzle opened and however tall.
    void bottomWindowsFitTheirArea_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("atStartup");
        QTest::newRow("20 rows, opened later") << 20 << false;
        QTest::newRow("8 rows, at start-up") << 8 << true;
    }
    void bottomWindowsFitTheirArea() {
        QFETCH(int, rows);
        QFETCH(bool, atStartup);
        ScreenMetrics metrics;
        metrics.screenWidth = 1024;
        metrics.screenHeight = 768;
        metrics.fullScreenClientHeight = 768 - 40 - metrics.captionHeight; // a panel
        useScreen(metrics);
        PuzzleRecord r = emersonPuzzle();
        if (rows != r.GridHeight)
            r.ClearPuzzle(16, qint16(rows), "");
        file = savePuzzle(QStringLiteral("Rows.ixv"), r);
        if (atStartup) {
            showForm();
        } else {
            MainWindowFixture::showForm();
            dialogs.files << file;
            press(QStringLiteral("OpenPuzzleBtn"));
            waitForEditingWindows();
        }
        const int statusTop = form->MsgBar->mapTo(form.get(), QPoint()).y();
        const auto fits = [&](EditingWindow* w) {
            const int top = w->mapTo(form.get(), QPoint()).y();
            const int titleBottom = title()->mapTo(form.get(), QPoint(0, title()->height())).y();
            QVERIFY2(top >= titleBottom && top + w->height() <= statusTop,
                     qPrintable(w->objectName()));
            for (QWidget* control : w->widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QVERIFY2(w->widget()->rect().contains(control->geometry()),
                         qPrintable(control->metaObject()->className()));
        };
        QVERIFY(grid()->y() >= 0);
        fits(tool());
        QVERIFY(tool()->ErrPanel->geometry().bottom() < tool()->LtrBox->y());
        openClues();
        fits(clues());
    }

    void repeaterScan() {
        showForm();
        clickCentre(tool()->ScanBtn); // nothing found
        QVERIFY(!tool()->ScanList->isEnabled());

        const QString row = makeRepeater();
        click(title()->canvas(), QPoint(title()->TitleSquare / 2, title()->TitleSquare + 3));
        QCOMPARE(ctx->SelectedWord, 0);
        scanAndClickTheFirstRow();
        QCOMPARE(tool()->ScanList->count(), 1);
        QCOMPARE(tool()->ScanList->item(0)->text(), row);
        QVERIFY(tool()->ScanList->isEnabled());
        QVERIFY(!tool()->ScanList->horizontalScrollBar()->isVisible());
        QCOMPARE(ctx->SelectedWord, 2);
    }

    void spill_data() {
        QTest::addColumn<bool>("f8");
        QTest::addColumn<bool>("quoteEditing");
        QTest::addColumn<bool>("spills");
        QTest::newRow("button") << false << false << true;
        QTest::newRow("button in quote editing") << false << true << true;
        QTest::newRow("F8 in quote editing") << true << true << false;
    }
    void spill() {
        QFETCH(bool, f8);
        QFETCH(bool, quoteEditing);
        QFETCH(bool, spills);
        showForm();
        makeRepeater();
        if (quoteEditing) { // a word selected from the scan list while quotes are edited
            press("SquaresBtn");
            scanAndClickTheFirstRow();
            QCOMPARE(ctx->EditMode, 1);
        }
        QCOMPARE(ctx->SelectedWord, 2);
        const QByteArray before = rec().toBytes();
        const bool editedBefore = ctx->Edited();
        if (f8)
            QTest::keyClick(form.get(), Qt::Key_F8);
        else
            press("SpillBtn");
        if (spills) {
            QCOMPARE(WordOps::wordLetters(rec(), 2).size(), 1);
            QCOMPARE(int(rec().squareOf(102)), int(PuzzleRecord::fromBytes(before).squareOf(102)));
            QVERIFY(ctx->Edited());
        } else {
            QCOMPARE(rec().toBytes(), before);
            QCOMPARE(ctx->Edited(), editedBefore);
        }
    }

    // Word C has an empty third position: its row and label stop after the second letter.
    void typingStoresAtOnce() {
        showPuzzle(cluedFile);
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
        showPuzzle(cluedFile);
        openClues();
        clues()->ClueList->setCurrentRow(1); // moved without loading B's clue
        TextEntry::type(clues()->DefEdit, QStringLiteral("?"));
        QCOMPARE(rec().clue(1).bytes(), QByteArray("Clue A?"));
        QCOMPARE(rec().clue(2).bytes(), QByteArray("Clue B"));
    }

    void fieldLimits_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("action"); // after typing: Paste button or a map cell
        QTest::addColumn<QString>("field");
        auto add = [](const char* name, const QString& typed, const QString& clipboard,
                      const QString& action, const QString& field) {
            QTest::newRow(name) << typed << clipboard << action << field;
        };
        const QString s78(78, u'x');
        const QString s77(77, u'x'), s79(79, u'x');
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
        showPuzzle(cluedFile);
        openClues();
        QLineEdit* edit = clues()->DefEdit;
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        TextEntry::type(edit, typed);
        if (action == "Paste") {
            QApplication::clipboard()->setText(clipboard);
            clickCentre(clues()->InsertBtn);
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
        QTest::newRow("opening with word D selected") << QStringList{"square 4", c} << 4 << none;
        QTest::newRow("Next at the last word") << QStringList{c, "square 12", "Next"} << 12 << end;
        QTest::newRow("Previous with no word selected")
            << QStringList{c, "beside", "Previous"} << 1 << none;
        QTest::newRow("letter row of word A") << QStringList{c, "letter row"} << 1 << none;
        QTest::newRow("free grid square") << QStringList{c, "grid"} << 1 << none;
    }
    void movingBetweenClues() {
        QFETCH(QStringList, clicks);
        QFETCH(int, word);
        QFETCH(QStringList, played);
        showPuzzle(cluedFile);
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
        showPuzzle(cluedFile);
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

    // The rows are filled when the window shows and rebuilt by "Update"; a click on a row
    // selects the word.
    void specifications() {
        showPuzzle(cluedFile);
        press(QStringLiteral("SpecsBtn"));
        QListWidget* rows = specs()->AcrList;
        QCOMPARE(
            specs()->QuoLbl->text(),
            QStringLiteral("THE ONLY WAY TO HAVE A FRIEND IS TO BE ONE DO NOT GO WHERE THE "
                           "PATH MAY LEAD GO INSTEAD WHERE THERE IS NO PATH AND LEAVE A TRAIL"));
        QCOMPARE(specs()->AutLbl->text(), QString::fromLatin1(kInitials).leftJustified(31));
        QCOMPARE(rows->count(), 12);
        QCOMPARE(rows->item(0)->text(), word1Letters.leftJustified(30));
        QCOMPARE(rows->item(2)->text(), word3Row);

        selectWord(3);
        letterRow(1); // word C loses its initial
        QCOMPARE(int(rec().squareOf(103)), 0);
        QCOMPARE(rows->count(), 12);
        clickCentre(specs()->UpdateBtn);
        QCOMPARE(rows->count(), 2); // the rows stop at the first word without an initial
        QCOMPARE(rows->item(1)->text(), QString(kInitials.at(1)).leftJustified(30));

        click(rows->viewport(), rows->visualItemRect(rows->item(1)).center());
        QCOMPARE(ctx->SelectedWord, 2);
        QCOMPARE(rows->currentRow(), 1);
    }

    void theWindowSaysWhatIsMissing() {
        showAndOpen();
        IXV_TRY_COMPARE(suggest()->WordLbl->text(),
                        QStringLiteral("No acrostic word is selected."));
        Settings::writeText(*procs, Settings::WordListPath, path(QStringLiteral("gone")));
        selectWord(1);
        IXV_TRY_VERIFY(suggest()->CountLbl->text().startsWith(
            QStringLiteral("The word list cannot be read.")));
        QVERIFY(suggest()->CountLbl->text().contains(path(QStringLiteral("gone"))));
        QCOMPARE(list()->topLevelItemCount(), 0);
    }

    // Picking a candidate gives exactly the record, the edited state and the word that
    // clicking its squares on the grid in order gives.
    void pickingIsClickingTheSquares_data() {
        QTest::addColumn<int>("word");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("row");
        QTest::newRow("third row") << 4 << QString() << 2;
        QTest::newRow("a filtered row") << 5 << QStringLiteral("e") << 1;
    }
    void pickingIsClickingTheSquares() {
        QFETCH(int, word);
        QFETCH(QString, filter);
        QFETCH(int, row);
        showAndOpen();
        const QByteArray untouched = rec().toBytes();
        selectWord(word);
        QTest::keyClicks(suggest()->FilterEd, filter);
        const Suggestions::Result drawn = expected(word, filter);
        QVERIFY(drawn.shown.size() > row);
        IXV_TRY_COMPARE(rows(), wordsOf(drawn));
        const Suggestions::Candidate chosen = drawn.shown[row];

        for (const Square& sq : chosen.squares)
            pick(sq);
        const QByteArray clicked = rec().toBytes();
        QCOMPARE(WordOps::wordLetters(rec(), word), chosen.word);
        QVERIFY(ctx->Edited());
        press(QStringLiteral("SpillBtn"));
        QCOMPARE(rec().toBytes(), untouched);
        ctx->SetEdited(false);
        IXV_TRY_COMPARE(rows(), wordsOf(drawn));

        const QRect r = list()->visualItemRect(list()->topLevelItem(row));
        QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {},
                           list()->viewport()->mapTo(form.get(), r.center()));
        IXV_TRY_COMPARE(rec().toBytes(), clicked);
        QVERIFY(ctx->Edited());
        QCOMPARE(ctx->SelectedWord, word);
        // The list moves on to the longer prefix.
        IXV_TRY_COMPARE(rows(), wordsOf(expected(word, filter)));
        QVERIFY(suggest()->WordLbl->text().contains(QString::fromLatin1(chosen.word)));
        // The word's squares are one step: one undo takes them all back.
        QVERIFY(ctx->undoHistory().undoDescription().startsWith(QStringLiteral("pick of ")));
        QVERIFY(ctx->undo());
        QCOMPARE(rec().toBytes(), untouched);
    }

    // While the clues are edited the grid takes no picks, and neither does the list.
    void noPickWhileTheCluesAreEdited() {
        showAndOpen();
        selectWord(1);
        IXV_TRY_VERIFY(list()->topLevelItemCount() > 0);
        openClues();
        const QByteArray before = rec().toBytes();
        suggest()->pickRow(0);
        QCOMPARE(rec().toBytes(), before);
        QCOMPARE(suggest()->CountLbl->text(),
                 QStringLiteral("Words are not picked while the clues are edited."));
    }
};

QTEST_MAIN(Tst_Editing)
#include "tst_editing.moc"
