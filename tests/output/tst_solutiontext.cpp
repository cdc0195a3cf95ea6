// The Solution window's text: built from the puzzle, switched between cases, and split into
// paragraphs. How its lines fit the box is checked in tst_printansform.
#include "OutputFixtures.h"
#include "output/SolutionText.h"

#include <QtTest>

namespace {

const QByteArray kLongQuotation =
    "THE ONLY WAY TO HAVE A FRIEND IS TO BE ONE DO NOT GO WHERE THE PATH MAY LEAD GO INSTEAD "
    "WHERE THERE IS NO PATH AND LEAVE A TRAIL WHAT LIES BEHIND US AND WHAT LIES BEFORE US ARE "
    "TINY MATTERS COMPARED TO WHAT LIES WITHIN US FOR EVERY MINUTE YOU ARE ANGRY YOU LOSE SIXTY "
    "SECONDS OF HAPPINESS";

} // namespace

class Tst_SolutionText : public QObject {
    Q_OBJECT

private slots:
    void fromPuzzle_data() {
        QTest::addColumn<QList<QByteArray>>("rows");
        QTest::addColumn<QList<int>>("codes"); // code, column, row, ...
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("black squares are spaces, the ends trimmed")
            << QList<QByteArray>{"#AB#", "CD##"} << QList<int>{101, 2, 1, 102, 1, 2}
            << QByteArray("AB CD\n\nAC");
        QTest::newRow("only initial letters count")
            << QList<QByteArray>{"ABC"} << QList<int>{101, 2, 1, 201, 1, 1, 301, 3, 1}
            << QByteArray("ABC\n\nB");
        QTest::newRow("a missing word leaves a space")
            << QList<QByteArray>{"ABC", "DEF"} << QList<int>{101, 2, 1, 103, 2, 2}
            << QByteArray("ABCDEF\n\nB E");
        QTest::newRow("word 30 at position 30")
            << QList<QByteArray>{"ABC"} << QList<int>{101, 1, 1, 130, 3, 1}
            << "ABC\n\nA" + QByteArray(28, ' ') + "C";
        QTest::newRow("no words") << QList<QByteArray>{"A'B", "-C#"} << QList<int>{}
                                  << QByteArray("A'B-C\n\n");
    }
    void fromPuzzle() {
        QFETCH(QList<QByteArray>, rows);
        QFETCH(QList<int>, codes);
        TestPuzzle puzzle(rows);
        for (int i = 0; i + 2 < codes.size(); i += 3)
            puzzle.letter(codes[i] % 100, codes[i] / 100, codes[i + 1], codes[i + 2]);
        QTEST(SolutionText::fromPuzzle(puzzle.record), "text");
    }

    void switchCase_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("only A to Z change") << QByteArray("\xC9"
                                                          "COLE \xC0 BX")
                                            << 1
                                            << QByteArray("\xC9"
                                                          "cole \xC0 bx");
        QTest::newRow("first press: lower case after the first character; a line break is one")
            << QByteArray("AB\n\nCD") << 1 << QByteArray("Ab\n\ncd");
        const QByteArray longText = QByteArray("ABCDEFGHIJ ").repeated(41); // 451 characters
        QTest::newRow("once on a long text: cut to 401")
            << longText << 1 << 'A' + longText.mid(1, 400).toLower();
        QTest::newRow("twice on a long text: upper case, cut to 401")
            << longText << 2 << longText.left(401);
    }
    void switchCase() {
        QFETCH(QByteArray, text);
        QFETCH(int, presses);
        SolutionText solution(TestPuzzle({"A"}).record);
        solution.setText(text);
        for (int i = 0; i < presses; ++i)
            solution.switchCase();
        QTEST(solution.text(), "expected");
    }

    // The box shows each paragraph wrapped, an empty line between them, whatever line breaks
    // the text was given with.
    void linesOfTheWholeText() {
        QCOMPARE(SolutionText::wrap("AB\r\n\r\nAC"), (QList<QByteArray>{"AB", "", "AC"}));
        SolutionText solution(TestPuzzle({"AB"}).record);
        solution.setText(kLongQuotation + "\n\nEMERSON");
        const QList<QByteArray> lines = solution.lines();
        QCOMPARE(lines.mid(lines.size() - 2), (QList<QByteArray>{"", "EMERSON"}));
        QCOMPARE(lines.mid(0, lines.size() - 2).join(), kLongQuotation);
    }
};

QTEST_MAIN(Tst_SolutionText)
#include "tst_solutiontext.moc"
