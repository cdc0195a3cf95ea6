// Word suggestions in the real main window: the "Suggest..." button, the window beside the
// construction tool window, the list following the selected word and the free letters, and
// picking a candidate as clicks on the grid would.
#include "MainWindowFixture.h"
#include "prefs/SettingsCatalogue.h"
#include "puzzle/WordOperations.h"
#include "puzzle/WordSuggestions.h"
#include "puzzle/ui/TIxv7SuggestForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QTreeWidget>

namespace {

// Words for the Emerson quotation, with some that its letters cannot make.
const QByteArray kWords = "eat\nearth\neon\nera\nether\neast\nevade\nexact\n"
                          "mate\nmoth\nmother\nmast\nmeat\nmezzo\n"
                          "rate\nrather\nroad\nrot\n"
                          "sea\nseat\nstone\nshade\nsea's\n"
                          "oath\nother\none\noven\n"
                          "neat\nnorth\nnote\n"
                          "tea\nteeth\nthread\nthose\n"
                          "ate\nant\naside\navid\n"
                          "idea\ninto\niron\ninset\n"
                          "late\nlathe\nlead\nloan\n";

} // namespace

class Tst_Suggest : public MainWindowFixture {
    Q_OBJECT

    QString file;

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
    void openSuggestions() {
        press(QStringLiteral("SuggestBtn"));
        IXV_TRY_VERIFY(suggest() && suggest()->isShownNormally());
    }
    void showAndOpen() {
        showPuzzle(file);
        openSuggestions();
    }
    void doubleClickRow(int row) {
        const QRect r = list()->visualItemRect(list()->topLevelItem(row));
        QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {},
                           list()->viewport()->mapTo(form.get(), r.center()));
    }

private slots:
    void init() {
        setUp();
        file = savePuzzle(QStringLiteral("Emerson.ixv"), emersonPuzzle());
        const QString words = path(QStringLiteral("words"));
        QFile f(words);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(kWords);
        Settings::writeText(*procs, Settings::WordListPath, words);
    }
    void cleanup() { tearDown(); }

    void theWindowSaysWhatIsMissing() {
        showForm();
        openSuggestions();
        QCOMPARE(suggest()->WordLbl->text(), QStringLiteral("No puzzle is open."));
        QCOMPARE(list()->topLevelItemCount(), 0);

        form->openHistoryEntry(file);
        waitForEditingWindows();
        IXV_TRY_COMPARE(suggest()->WordLbl->text(),
                        QStringLiteral("No acrostic word is selected."));
        QCOMPARE(suggest()->CountLbl->text(),
                 QStringLiteral("Click a word in the Author-Title window."));

        Settings::writeText(*procs, Settings::WordListPath, path(QStringLiteral("gone")));
        selectWord(1);
        IXV_TRY_VERIFY(suggest()->CountLbl->text().startsWith(
            QStringLiteral("The word list cannot be read.")));
        QVERIFY(suggest()->CountLbl->text().contains(path(QStringLiteral("gone"))));
        QCOMPARE(list()->topLevelItemCount(), 0);
    }

    void theWindowStandsBesideTheToolWindow_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("besideIt");
        QTest::newRow("room to the right of the tool window") << 1700 << true;
        QTest::newRow("no room: above it at the right edge") << 1200 << false;
    }
    void theWindowStandsBesideTheToolWindow() {
        QFETCH(int, width);
        QFETCH(bool, besideIt);
        showForm();
        form->resize(width, 950);
        IXV_TRY_COMPARE(form->width(), width);
        form->openHistoryEntry(file);
        waitForEditingWindows();
        openSuggestions();
        const QRect tool = this->tool()->geometry();
        const QRect own = suggest()->geometry();
        const int frame = procs->FrameSize();
        QCOMPARE(own.height(), tool.height());
        if (besideIt) {
            QCOMPARE(own.top(), tool.top());
            QCOMPARE(own.left(), tool.right() + 1 + frame);
        } else {
            QCOMPARE(own.bottom() + 1 + frame, tool.top());
            QCOMPARE(own.right() + 1 + frame, form->mdiArea->viewport()->width());
        }
    }

    // The word's label and prefix, the rows, their lengths and marks: what the core draws for
    // the puzzle as it is, with the grid language's letters and the list the setting names.
    void theListFollowsTheWordAndTheFreeLetters() {
        showAndOpen();
        selectWord(1);
        IXV_TRY_COMPARE(rows(), wordsOf(expected(1)));
        QVERIFY(!rows().isEmpty());
        const QByteArray initial = Suggestions::shapeOf(rec(), 1).prefix;
        QCOMPARE(suggest()->WordLbl->text(),
                 QStringLiteral("Word A, prefix %1").arg(QString::fromLatin1(initial)));
        QStringList lengths, marks;
        for (const auto& c : expected(1).shown) {
            lengths << QString::number(c.word.size());
            marks << (c.repeater ? QStringLiteral("repeater") : QString());
        }
        QCOMPARE(rows(1), lengths);
        QCOMPARE(rows(2), marks);

        selectWord(4);
        IXV_TRY_COMPARE(rows(), wordsOf(expected(4)));
        QVERIFY(suggest()->WordLbl->text().startsWith(QStringLiteral("Word D, prefix ")));

        // A square picked on the grid lengthens the prefix; taking it out shortens it again.
        const Square sq = freeSquares(rec()).first();
        pick(sq);
        QCOMPARE(Suggestions::shapeOf(rec(), 4).prefix.size(), 2);
        IXV_TRY_COMPARE(rows(), wordsOf(expected(4)));
        letterRow(2);
        QCOMPARE(rec().squareOf(204), 0);
        IXV_TRY_COMPARE(rows(), wordsOf(expected(4)));

        // Another word's letters leave fewer free letters for this one.
        selectWord(2);
        for (const Square& s : freeSquares(rec()).mid(0, 6))
            pick(s);
        selectWord(4);
        IXV_TRY_COMPARE(rows(), wordsOf(expected(4)));

        QTest::keyClicks(suggest()->FilterEd, QStringLiteral("t"));
        IXV_TRY_COMPARE(rows(), wordsOf(expected(4, QStringLiteral("t"))));
        QTest::keyClick(suggest()->FilterEd, Qt::Key_Backspace);
        IXV_TRY_COMPARE(rows(), wordsOf(expected(4)));

        press(QStringLiteral("SpillBtn")); // word 4 holds only its initial: nothing changes
        selectWord(2);
        press(QStringLiteral("SpillBtn"));
        IXV_TRY_COMPARE(rows(), wordsOf(expected(2)));
    }

    // Picking a candidate gives exactly the record, the edited state and the word that
    // clicking its squares on the grid in order gives.
    void pickingIsClickingTheSquares_data() {
        QTest::addColumn<int>("word");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("enter");
        QTest::newRow("Enter on the third row") << 4 << QString() << 2 << true;
        QTest::newRow("double click on a filtered row") << 5 << QStringLiteral("e") << 1 << false;
    }
    void pickingIsClickingTheSquares() {
        QFETCH(int, word);
        QFETCH(QString, filter);
        QFETCH(int, row);
        QFETCH(bool, enter);
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

        if (enter) {
            list()->setCurrentItem(list()->topLevelItem(row));
            QTest::keyClick(list(), Qt::Key_Return);
        } else {
            doubleClickRow(row);
        }
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

QTEST_MAIN(Tst_Suggest)
#include "tst_suggest.moc"
