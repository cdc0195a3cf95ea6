// The puzzle page, its continuation pages and the solution page after it, and the composition
// of a whole document from the page choices.
//
// Hand-worked values (see RecordingCanvas for the metrics):
//   PDF, 31 columns: q = 2159 div 34 = 63; Arial 11 bold is 22 high, L1 = TH("I") = 44; the
//     numbers' size falls from 11 until TW("999bb") + 8 = 10 x size + 8 < 63, to 5. The grid
//     starts at (2159 - 1953) div 2 = 103 and 3 x L1 = 132. Clues in 9 points: L = 36 + 2 = 38,
//     the first at 132 + 13 x 63 + 1 = 952, the clue text at 63 + TW("bb. ") = 135; a clue is
//     split when (5 + length) x 18 + 63 > 1079, from 52 characters; blanks from 1079.
//   Print, 31 columns: q = 12240 div 34 = 360; L1 = 352; grid from (360, 1056); L = 288 + 2 =
//     290, the first clue at 1056 + 4680 + 1 = 5737.
#include "OutputFixtures.h"
#include "prefs/SettingsCatalogue.h"

#include <QtTest>

namespace {

const QByteArray kTitle = "\x93"
                          "Acrostic\x94";

// What kind of page each page of the recording is: M manuscript clues, G1 G2 G3 the grid
// pages, P the puzzle page, S the solution page, - an empty page.
QStringList pageKinds(const RecordingCanvas& canvas) {
    QStringList kinds;
    for (int page = 1; page <= canvas.pageCount(); ++page) {
        bool solution = false, rule = false, frame = false, number = false, letter = false;
        bool anything = false;
        for (const auto& c : canvas.calls) {
            if (c.page != page)
                continue;
            anything |= c.op == QLatin1String("TextOut");
            solution |= c.text == "SOLUTION";
            rule |= c.op == QLatin1String("MoveTo");
            frame |= c.op == QLatin1String("Rectangle") && c.penWidth == 4;
            number |= c.op == QLatin1String("TextOut") && c.text == "1";
            letter |= c.op == QLatin1String("TextOut") && c.text == "A";
        }
        kinds << (solution   ? "S"
                  : rule     ? "P"
                  : frame    ? (number && letter ? "G1"
                                : number         ? "G2"
                                                 : "G3")
                  : anything ? "M"
                             : "-");
    }
    return kinds;
}

} // namespace

class Tst_PuzzlePage : public QObject {
    Q_OBJECT

private slots:
    void titleBand_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<QList<int>>("rule"); // MoveTo x, y, LineTo x
        QTest::addColumn<QList<int>>("frame");
        QTest::addColumn<QList<int>>("firstSquare");
        QTest::newRow("31 columns: page width div 34")
            << 31 << QList<int>{63, 44, 2096} << QList<int>{101, 130, 2059, 891}
            << QList<int>{103, 132, 167, 196};
        QTest::newRow("30 columns: page width div 33")
            << 30 << QList<int>{65, 44, 2094} << QList<int>{102, 130, 2057, 915}
            << QList<int>{104, 132, 170, 198};
    }
    void titleBand() {
        QFETCH(int, width);
        QFETCH(QList<int>, rule);
        Composed run(TestPuzzle::lettered(width, 12).record, Target::Pdf);
        run.options.solutionWithPuzzlePage = false;
        run.composer->DrawPuzzlePage();

        const auto moves = run.canvas.ops(QStringLiteral("MoveTo"));
        const auto lines = run.canvas.ops(QStringLiteral("LineTo"));
        QCOMPARE(moves.size(), 1);
        QCOMPARE((QList<int>{moves[0].args[0], moves[0].args[1], lines[0].args[0]}), rule);
        QCOMPARE(lines[0].args[1], rule[1]);
        QCOMPARE(lines[0].penWidth, 4);
        const auto title = run.canvas.textOut(kTitle);
        QCOMPARE(title->args, (QList<int>{rule[0], rule[1] + 8}));
        QCOMPARE(title->font.style, 1);
        const auto rects = run.canvas.ops(QStringLiteral("Rectangle"));
        QTEST(rects[0].args, "frame");
        QCOMPARE(rects[0].penWidth, 4);
        QTEST(rects[1].args, "firstSquare");
        QCOMPARE(rects[1].penWidth, 1);
    }

    // Number at x + round(TW(" ") x 2 / 3) = x + 7, label at x + 63 - 10 - 10 + 4; the
    // apostrophe on (2, 1) raised to size 13 (TH = 52 >= 10 x 5) at (x + 63 - 26, y + 63 - 52);
    // the numbers after it back at size 5.
    void squares() {
        TestPuzzle puzzle = TestPuzzle::withWord(1);
        puzzle.clue(1, "CLUE");
        puzzle.record.letter(2, 1) = '\'';
        Composed run(puzzle.record, Target::Pdf);
        run.options.solutionWithPuzzlePage = false;
        run.composer->DrawPuzzlePage();

        const auto one = run.canvas.textOut("1");
        QCOMPARE((QList<int>{one->args[0], one->args[1], run.canvas.sizeOf(one->font)}),
                 (QList<int>{110, 133, 5}));
        QCOMPARE(one->font.style, 0);
        QCOMPARE(run.canvas.textOut("A")->args, (QList<int>{150, 133}));
        const auto mark = run.canvas.textOut("'");
        QCOMPARE((QList<int>{mark->args[0], mark->args[1], run.canvas.sizeOf(mark->font)}),
                 (QList<int>{166 + 37, 132 + 11, 13}));
        const auto two = run.canvas.textOut("2");
        QCOMPARE(two->args[0], 229 + 7);
        QCOMPARE(run.canvas.sizeOf(two->font), 5);
    }

    void credit_data() {
        QTest::addColumn<Target>("target");
        QTest::addColumn<bool>("by");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("credit"); // empty: none
        QTest::addColumn<int>("x");
        // A two-column grid: q = 2159 div 33 = 65; the credit at 2159 - 65 - TW(credit), 22 units
        // a character.
        QTest::newRow("pdf, by a name") << Target::Pdf << true << QByteArray("Ann Example")
                                        << QByteArray("  by Ann Example") << 2094 - 16 * 22;
        QTest::newRow("pdf, no name") << Target::Pdf << true << QByteArray()
                                      << QByteArray("  an Ixenvar puzzle") << 2094 - 19 * 22;
        QTest::newRow("pdf, By unchecked")
            << Target::Pdf << false << QByteArray("Ann Example") << QByteArray() << 0;
        QTest::newRow("print never credits")
            << Target::Print << true << QByteArray("Ann Example") << QByteArray() << 0;
    }
    void credit() {
        QFETCH(Target, target);
        QFETCH(bool, by);
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, credit);
        Composed run(TestPuzzle({"AB"}, name).record, target);
        run.options.by = by;
        run.options.solutionWithPuzzlePage = false;
        run.composer->DrawPuzzlePage();
        const auto title = run.canvas.textOut(kTitle);
        QList<QByteArray> beside;
        for (const auto& c : run.canvas.ops(QStringLiteral("TextOut")))
            if (c.args[1] == title->args[1] && c.text != kTitle)
                beside << c.text;
        QCOMPARE(beside, credit.isEmpty() ? QList<QByteArray>{} : QList<QByteArray>{credit});
        if (!credit.isEmpty())
            QTEST(run.canvas.textOut(credit)->args[0], "x");
    }

    void clues_data() {
        QTest::addColumn<QByteArray>("clue");
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QList<int>>("firstAt");
        QTest::addColumn<QByteArray>("rest"); // empty: not split
        QTest::addColumn<int>("blanksY");
        QTest::newRow("smart quotes")
            << QByteArray("It's \"quoted\"") << QByteArray("It\x92s \x93quoted\x94")
            << QList<int>{135, 952} << QByteArray() << 952;
        QTest::newRow("51 characters fit") << xs(44) + " LASTWD" << xs(44) + " LASTWD"
                                           << QList<int>{135, 952} << QByteArray() << 952;
        // The second part goes 2L lower, and the blanks with it.
        QTest::newRow("52 characters: the last word moves")
            << xs(45) + " LASTWD" << xs(45) + " " << QList<int>{135, 952} << QByteArray("LASTWD")
            << 952 + 76;
        QTest::newRow("no space: one line")
            << xs(60) << xs(60) << QList<int>{135, 952} << QByteArray() << 952;
    }
    void clues() {
        QFETCH(QByteArray, clue);
        QFETCH(QByteArray, first);
        QFETCH(QList<int>, firstAt);
        QFETCH(QByteArray, rest);
        QFETCH(int, blanksY);
        Composed run(TestPuzzle::withWord(3).clue(1, clue).record, Target::Pdf);
        run.options.solutionWithPuzzlePage = false;
        run.composer->DrawPuzzlePage();

        QCOMPARE(run.canvas.textOut("A.")->args, (QList<int>{63, firstAt[1]}));
        QCOMPARE(run.canvas.textOut(first)->args, firstAt);
        if (!rest.isEmpty())
            QCOMPARE(run.canvas.textOut(rest)->args, (QList<int>{firstAt[0], blanksY}));
        const auto blanks = run.canvas.textOuts("___");
        QCOMPARE(blanks.size(), 3);
        QCOMPARE(blanks[0].args, (QList<int>{1079, blanksY}));
    }

    void blankRows_data() {
        QTest::addColumn<int>("letters");
        QTest::addColumn<QList<int>>("last"); // x, y of the last blank
        QTest::addColumn<int>("nextLabelY");
        // A blank every TW("___ ") = 64 from 1079; letter 20 starts a second row 2L lower and
        // TW("___ ___ ") = 128 in.
        QTest::newRow("19 letters, one row") << 19 << QList<int>{1079 + 18 * 64, 952} << 1028;
        QTest::newRow("20 letters: a second row") << 20 << QList<int>{1207, 1028} << 1104;
    }
    void blankRows() {
        QFETCH(int, letters);
        QFETCH(QList<int>, last);
        TestPuzzle puzzle = TestPuzzle::withWord(letters);
        puzzle.clue(1, "CLUE");
        puzzle.letter(2, 1, 1, 5);
        Composed run(puzzle.record, Target::Pdf);
        run.options.solutionWithPuzzlePage = false;
        run.composer->DrawPuzzlePage();
        const auto blanks = run.canvas.textOuts("___").mid(0, letters);
        QCOMPARE(run.canvas.textOuts("___").size(), letters + 1); // word 2 has one letter
        QCOMPARE(blanks.last().args, last);
        QCOMPARE(run.canvas.sizeOf(blanks.last().font), 8);
        QTEST(run.canvas.textOut("B.")->args[1], "nextLabelY");
        // Square (20, 1) is numbered 20: centred under its blank, one line lower.
        if (letters >= 20)
            QCOMPARE(run.canvas.textOuts("20")[1].args, (QList<int>{1207 + 8, 1028 + 38}));
    }

    // Letters 1, 2 and 4: blanks only before the gap.
    void gapEndsBlanks() {
        TestPuzzle puzzle = TestPuzzle::lettered(31, 12);
        puzzle.letter(1, 1, 1, 1).letter(1, 2, 2, 1).letter(1, 4, 4, 1).clue(1, "GAP");
        Composed run(puzzle.record, Target::Pdf);
        run.composer->DrawPuzzlePage();
        QCOMPARE(run.canvas.textOuts("___").size(), 2);
    }

    void continuationPages_data() {
        QTest::addColumn<Target>("target");
        QTest::addColumn<int>("words");
        QTest::addColumn<bool>("longLastClue");
        QTest::addColumn<QList<QByteArray>>("opening"); // first label of each continuation page
        // With a leading of 200 the PDF line is 236: two words a page, a break past
        // 2794 - 4L = 1850, continuation pages start at 4L = 944.
        QTest::newRow("pdf, two words a page, every continuation is Page 2")
            << Target::Pdf << 6 << false << QList<QByteArray>{"C.", "E."};
        QTest::newRow("pdf, blanks below the limit: a page with only its title band")
            << Target::Pdf << 2 << true << QList<QByteArray>{""};
        // Print: L = 488, a break past 15840 - 1952; nine words from 5737 fill the first page.
        QTest::newRow("print, rule two squares short of the edge")
            << Target::Print << 10 << false << QList<QByteArray>{"J."};
    }
    void continuationPages() {
        QFETCH(Target, target);
        QFETCH(int, words);
        QFETCH(bool, longLastClue);
        QFETCH(QList<QByteArray>, opening);
        TestPuzzle puzzle = TestPuzzle::lettered(31, 12);
        for (int w = 1; w <= words; ++w)
            puzzle.letter(w, 1, w, 1).clue(w, "CLUE");
        if (longLastClue)
            puzzle.clue(words, xs(45) + " LASTWD");
        Composed run(puzzle.record, target);
        Settings::writeInt(*run.settings, Settings::PPLeading, 200);
        run.options.solutionWithPuzzlePage = false;
        Settings::writeBool(*run.settings, Settings::PuzPageSol, false);
        run.composer->DrawPuzzlePage();

        const bool pdf = target == Target::Pdf;
        const int q = pdf ? 63 : 360;
        const int L1 = pdf ? 44 : 352;
        const int L = pdf ? 236 : 488;
        QCOMPARE(run.canvas.pageCount(), 1 + opening.size());
        for (int page = 2; page <= run.canvas.pageCount(); ++page) {
            const auto texts = run.canvas.textsOnPage(page);
            QCOMPARE(texts[0].text, kTitle + "  / Page 2");
            QCOMPARE(texts[0].args, (QList<int>{q, L1 + 8}));
            const QByteArray label = opening[page - 2];
            if (label.isEmpty())
                QCOMPARE(texts.size(), 1);
            else
                QCOMPARE(texts[1].text, label);
            if (!label.isEmpty())
                QCOMPARE(texts[1].args, (QList<int>{q, 4 * L}));
        }
        const auto lines = run.canvas.ops(QStringLiteral("LineTo"));
        QCOMPARE(lines.last().args, (QList<int>{pdf ? 2159 - 63 : 12240 - 720, L1}));
        QCOMPARE(lines.last().page, run.canvas.pageCount());
    }

    void solutionAfterPuzzlePage_data() {
        QTest::addColumn<Target>("target");
        QTest::addColumn<bool>("solOk");
        QTest::addColumn<int>("puzPageSol"); // stored value; 2: none stored
        QTest::addColumn<bool>("follows");
        QTest::newRow("pdf, Sol with Puzzle Page") << Target::Pdf << true << 2 << true;
        QTest::newRow("pdf ignores PuzPageSol") << Target::Pdf << false << -1 << false;
        QTest::newRow("print, PuzPageSol absent counts as true")
            << Target::Print << false << 2 << true;
        QTest::newRow("print, a stored 1 is not true") << Target::Print << true << 1 << false;
    }
    // A puzzle without words: the clue block is empty and the solution page still follows.
    void solutionAfterPuzzlePage() {
        QFETCH(Target, target);
        QFETCH(bool, solOk);
        QFETCH(int, puzPageSol);
        QFETCH(bool, follows);
        Composed run(TestPuzzle::lettered(31, 12).record, target);
        if (puzPageSol != 2)
            run.settings->WriteSetting(QString::fromLatin1(Settings::PuzPageSol.name),
                                       SettingValue::integer(puzPageSol));
        run.options.solutionWithPuzzlePage = solOk;
        run.composer->DrawPuzzlePage();
        QVERIFY(!run.canvas.textOut("A."));
        QCOMPARE(run.canvas.pageCount(), follows ? 2 : 1);
        QCOMPARE(bool(run.canvas.textOut("SOLUTION")), follows);
    }

    void composeDocument_data() {
        QTest::addColumn<QString>("choices"); // ms msg ng sg pp
        QTest::addColumn<QStringList>("kinds");
        QTest::newRow("all five, in the fixed order")
            << "pp sg ng msg ms" << QStringList{"M", "G1", "S", "G1", "G2", "G3", "P", "S"};
        QTest::newRow("nothing chosen: one empty page") << "" << QStringList{"-"};
    }
    void composeDocument() {
        QFETCH(QString, choices);
        QFETCH(QStringList, kinds);
        Composed run(TestPuzzle::lettered(5, 4).record, Target::Pdf);
        const QStringList chosen = choices.split(u' ', Qt::SkipEmptyParts);
        run.options.manuscript = chosen.contains("ms");
        run.options.manuscriptGrid = chosen.contains("msg");
        run.options.numberedGrid = chosen.contains("ng");
        run.options.solutionGrid = chosen.contains("sg");
        run.options.puzzlePage = chosen.contains("pp");
        run.composer->ComposeDocument();

        QCOMPARE(pageKinds(run.canvas), kinds);
        QCOMPARE(run.canvas.calls.first().op, QStringLiteral("BeginDocument"));
        QCOMPARE(run.canvas.calls.last().op, QStringLiteral("EndDocument"));
        QCOMPARE(run.canvas.ops(QStringLiteral("NewPage")).size(), kinds.size() - 1);
        // Each grid page's header carries its place in the whole document.
        for (int page = 1; page <= kinds.size(); ++page)
            if (kinds[page - 1].startsWith(u'G'))
                QCOMPARE(run.canvas.textOut("Page " + QByteArray::number(page))->page, page);
    }
};

QTEST_MAIN(Tst_PuzzlePage)
#include "tst_puzzlepage.moc"
