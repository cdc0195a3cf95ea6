// The manuscript pages and the solution page.
//
// Hand-worked values on the PDF target (see RecordingCanvas for the metrics), 12-point
// manuscript font: s = t = 127, L = 47, the first body line at 10L = 470; a clue line is split
// when it is wider than 2159 - 127 - TW("MMMMM") = 1912, that is from 80 characters; the rest
// is indented by TW("MMMM") = 96. Answer rows in 10 points: x0 = 127 + 100 = 227, a letter
// every TW("9999") = 80, numbers centred in TW("999") = 60.
#include "OutputFixtures.h"
#include "prefs/SettingsCatalogue.h"

#include <QtTest>

namespace {

QList<RecordingCanvas::Call> underlined(const RecordingCanvas& canvas) {
    QList<RecordingCanvas::Call> out;
    for (const auto& c : canvas.ops(QStringLiteral("TextOut")))
        if (c.font.style == 4)
            out << c;
    return out;
}

} // namespace

class Tst_Manuscript : public QObject {
    Q_OBJECT

private slots:
    void clueLines_data() {
        QTest::addColumn<QByteArray>("clue");
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QList<int>>("firstAt");
        QTest::addColumn<QByteArray>("rest"); // empty: not split
        QTest::addColumn<QList<int>>("restAt");
        const QByteArray fits = xs(69) + " LASTW";
        const QByteArray tooWide = xs(70) + " LASTW";
        QTest::newRow("79 characters fit")
            << fits << "A.  " + fits << QList<int>{127, 470} << QByteArray() << QList<int>{};
        QTest::newRow("80 characters: the last word moves")
            << tooWide << "A.  " + xs(70) + " " << QList<int>{127, 470} << QByteArray("LASTW")
            << QList<int>{223, 517};
        QTest::newRow("no space: the whole clue moves after its prefix")
            << xs(80) << QByteArray("A.  ") << QList<int>{127, 470} << xs(80)
            << QList<int>{223, 517};
        QTest::newRow("still too wide without the last word: two words move")
            << xs(72) + " AB CD"
            << "A.  " + xs(72) + " " << QList<int>{127, 470} << QByteArray("AB CD")
            << QList<int>{223, 517};
    }
    void clueLines() {
        QFETCH(QByteArray, clue);
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, rest);
        Composed run(TestPuzzle({"AB"}).clue(1, clue).record, Target::Pdf);
        run.composer->DrawManuscript();
        const auto line = run.canvas.textOut(first);
        QVERIFY(line);
        QTEST(line->args, "firstAt");
        QCOMPARE(line->font.style, 0); // the header leaves the style regular
        if (!rest.isEmpty())
            QTEST(run.canvas.textOut(rest)->args, "restAt");
    }

    // Words 27 to 30 take "aa. " as a prefix: four characters like "A.  ".
    void doubleLetterPrefix() {
        TestPuzzle puzzle({"AB"});
        for (int w = 1; w <= 26; ++w)
            puzzle.clue(w, "C");
        puzzle.clue(27, xs(80));
        Composed run(puzzle.record, Target::Pdf);
        run.composer->DrawManuscript();
        const auto first = run.canvas.textOut("aa. ");
        QVERIFY(first);
        const auto rest = run.canvas.textOut(xs(80));
        QCOMPARE(rest->args, (QList<int>{223, first->args[1] + 47}));
        QVERIFY(run.canvas.textOut("Z.  C"));
    }

    void answerRows_data() {
        QTest::addColumn<int>("letters");
        QTest::addColumn<QList<int>>("last"); // x, y of the last letter
        QTest::addColumn<int>("nextClue");
        // Clue at 470, answers at 517 (letters 4 lower); 21 to a row, the second row 2L lower.
        QTest::newRow("21 letters fill the row") << 21 << QList<int>{227 + 20 * 80, 521} << 752;
        QTest::newRow("22 letters: 21, then one") << 22 << QList<int>{227, 615} << 752;
        QTest::newRow("no letters, no answer row") << 0 << QList<int>{} << 658;
    }
    void answerRows() {
        QFETCH(int, letters);
        QFETCH(int, nextClue);
        TestPuzzle puzzle = TestPuzzle::withWord(letters);
        puzzle.clue(1, "FIRST").clue(2, "SECOND");
        Composed run(puzzle.record, Target::Pdf);
        run.composer->DrawManuscript();
        const auto row = underlined(run.canvas);
        QCOMPARE(row.size(), letters);
        if (letters) {
            QCOMPARE(row.first().args, (QList<int>{227, 521}));
            QCOMPARE(row.first().text, QByteArray(" A "));
            QCOMPARE(run.canvas.sizeOf(row.first().font), 10);
            QTEST((QList<int>{row.last().args[0], row.last().args[1]}), "last");
            // Square (c, 1) is numbered c: "1" centred under the first letter, one line lower.
            QCOMPARE(run.canvas.textOut("1")->args, (QList<int>{227 + 20, 517 + 47}));
        }
        if (letters >= 10)
            QCOMPARE(run.canvas.textOut("10")->args, (QList<int>{227 + 9 * 80 + 10, 564}));
        QCOMPARE(run.canvas.textOut("B.  SECOND")->args, (QList<int>{127, nextClue}));
        QCOMPARE(run.canvas.sizeOf(run.canvas.textOut("B.  SECOND")->font), 12);
    }

    // Letters 1, 2 and 4: the answer row stops at the gap.
    void gapEndsAnswerRow() {
        TestPuzzle puzzle = TestPuzzle::lettered(31, 12);
        puzzle.letter(1, 1, 1, 1).letter(1, 2, 2, 1).letter(1, 4, 4, 1).clue(1, "GAP");
        Composed run(puzzle.record, Target::Pdf);
        run.composer->DrawManuscript();
        QCOMPARE(underlined(run.canvas).size(), 2);
    }

    void pageBreaks_data() {
        QTest::addColumn<int>("clues");
        QTest::addColumn<QList<int>>("firstOnPage"); // the word opening each continuation page
        // Each clue without letters takes 4L = 188 from 470; a break follows when y passes
        // LinesPerPage x L = 54 x 47 = 2538 at bottom margin 1; other margins in tst_export.
        QTest::newRow("twelve clues on the first page") << 13 << QList<int>{13};
        QTest::newRow("no break after the last clue") << 12 << QList<int>{};
    }
    void pageBreaks() {
        QFETCH(int, clues);
        QFETCH(QList<int>, firstOnPage);
        TestPuzzle puzzle({"AB"});
        for (int w = 1; w <= clues; ++w)
            puzzle.clue(w, "CLUE");
        Composed run(puzzle.record, Target::Pdf);
        run.options.bottomMargin = 1;
        run.composer->DrawManuscript();

        const int pages = 1 + firstOnPage.size();
        QCOMPARE(run.canvas.ops(QStringLiteral("NewPage")).size(), pages + 1);
        for (int i = 0; i < firstOnPage.size(); ++i) {
            const QByteArray label = WordLabel(firstOnPage[i]).toLatin1();
            const auto clue = run.canvas.textOut(label + ".  CLUE");
            QCOMPARE(clue->page, i + 2);
            QCOMPARE(clue->args, (QList<int>{127, 127 + 3 * 47}));
            QCOMPARE(run.canvas.textOut("Page " + QByteArray::number(i + 2))->page, i + 2);
        }
        QCOMPARE(run.canvas.textOuts("Acrostic  /Your Name").size(), pages);
        // The manuscript grid and the solution follow, numbered on.
        QCOMPARE(run.canvas.textOut("Page " + QByteArray::number(pages + 1))->page, pages + 1);
        QCOMPARE(run.canvas.textOut("SOLUTION")->page, pages + 2);
    }

    void solutionPage_data() {
        QTest::addColumn<int>("words");
        QTest::addColumn<bool>("gap");
        QTest::addColumn<QList<QByteArray>>("rows");
        const QByteArray blank(30, ' ');
        // Word w holds the letter of square (w, 1): A, B, ... Z, then A, B again.
        const auto row = [&](int w) {
            return WordLabel(w).toLatin1() + ". " + char('A' + (w - 1) % 26) + blank.left(29);
        };
        QList<QByteArray> many;
        for (int w = 1; w <= 28; ++w)
            many << row(w);
        QTest::newRow("no words: the row for word 1")
            << 0 << false << QList<QByteArray>{"A. " + blank};
        QTest::newRow("a gap shows as a space")
            << 1 << true << QList<QByteArray>{"A. AB D" + blank.left(26)};
        QTest::newRow("words 27 and 28 are aa and bb") << 28 << false << many;
    }
    void solutionPage() {
        QFETCH(int, words);
        QFETCH(bool, gap);
        TestPuzzle puzzle = TestPuzzle::lettered(31, 12);
        for (int w = 1; w <= words; ++w)
            puzzle.letter(w, 1, w, 1);
        if (gap)
            puzzle.letter(1, 2, 2, 1).letter(1, 4, 4, 1);
        if (words > 0)
            puzzle.letter(words + 2, 1, 1, 5); // a word after a missing one is not listed
        Composed run(puzzle.record, Target::Pdf);
        run.options.solutionLines = {"THE QUOTE", "", "TQ"};
        run.composer->DrawSolutionPage();
        // Header to 127 + 3L = 268; "SOLUTION" at 268 + 2L; three lines from 456; rows from
        // 456 + 3L + 3L = 738.
        const int firstRowY = 738;

        const int L = run.composer->pageMetrics().LineHeight;
        const int s = run.composer->pageMetrics().SideMargin;
        const auto heading = run.canvas.textOut("SOLUTION");
        QCOMPARE(heading->args, (QList<int>{s, firstRowY - 8 * L}));
        QCOMPARE(heading->font.style, 1);
        QCOMPARE(run.canvas.sizeOf(heading->font), 11);
        QCOMPARE(run.canvas.textOut("TQ")->args, (QList<int>{s, firstRowY - 4 * L}));

        QList<QByteArray> texts;
        for (const auto& c : run.canvas.ops(QStringLiteral("TextOut"))) {
            if (c.args[1] < firstRowY)
                continue;
            QCOMPARE(c.args, (QList<int>{s, firstRowY + int(texts.size()) * L}));
            QCOMPARE(c.font.style, 0);
            texts << c.text;
        }
        QTEST(texts, "rows");
    }
};

QTEST_MAIN(Tst_Manuscript)
#include "tst_manuscript.moc"
