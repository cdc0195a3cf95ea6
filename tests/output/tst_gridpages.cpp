// What every page shares (smart quotes and the first page's header), then the three grid
// pages: the square size of a tall grid, the numbers, labels and letters in their squares,
// punctuation squares, and the font-fitting loops on a target that cannot measure. Wide grids
// are placed in tst_export (PDF, read by pdftotext and pdftoppm) and tst_printtarget (print).
//
// Hand-worked values (see RecordingCanvas for the metrics), PDF, 31 x 12: s = 127, q = (2159 -
// 127) div 34 = 59, left = (2159 - 1829) div 2 = 165, top = (2794 - 708) div 2 + 118 = 1161;
// numbers at height round(59 / 8) = 7, manuscript letters round(59 / 4) = 15, solution letters
// round(59 / 2.6) = 23.
#include "OutputFixtures.h"
#include "output/SmartQuotes.h"
#include "prefs/SettingsCatalogue.h"

#include <QtTest>

Q_DECLARE_METATYPE(GridMode)

namespace {

// Every TextOut of a number (digits only), in drawing order.
QList<int> numbersDrawn(const RecordingCanvas& canvas) {
    QList<int> out;
    for (const auto& c : canvas.ops(QStringLiteral("TextOut"))) {
        bool ok = false;
        const int n = c.text.toInt(&ok);
        if (ok && !c.text.isEmpty() && c.text.at(0) != ' ')
            out << n;
    }
    return out;
}

QList<int> range(int from, int to) {
    QList<int> out;
    for (int n = from; n <= to; ++n)
        out << n;
    return out;
}

} // namespace

class Tst_GridPages : public QObject {
    Q_OBJECT

private slots:
    void smartQuotes_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("two pairs alternate") << QByteArray("\"a\" or \"b\"")
                                             << QByteArray("\x93"
                                                           "a\x94 or \x93"
                                                           "b\x94");
        QTest::newRow("unbalanced opens") << QByteArray("\"open") << QByteArray("\x93open");
        QTest::newRow("apostrophes do not flip the doubles")
            << QByteArray("'\"'\"") << QByteArray("\x92\x93\x92\x94");
    }
    void smartQuotes() {
        QFETCH(QByteArray, text);
        QTEST(SmartQuotes(text), "expected");
    }

    // L = 47, s = t = 127: the name two lines below the title, the fourth address line, when
    // there is one, six lines below, and the body after one more line.
    void firstPageHeader_data() {
        QTest::addColumn<QByteArray>("add4");
        QTest::addColumn<int>("body");
        QTest::newRow("without Add4: body at 10L") << QByteArray() << 470;
        QTest::newRow("with Add4: body at 11L") << QByteArray("Fax 5") << 517;
    }
    void firstPageHeader() {
        QFETCH(QByteArray, add4);
        Composed run(TestPuzzle({"AB"}).record, Target::Pdf);
        Settings::writeText(*run.settings, Settings::Add4, QString::fromLatin1(add4));
        run.composer->SetUpPageMetrics();
        QTEST(run.composer->DrawPageHeader(HeaderKind::First), "body");
        QCOMPARE(run.canvas.textOut("Your Name")->args, (QList<int>{127, 127 + 2 * 47}));
        if (!add4.isEmpty())
            QCOMPARE(run.canvas.textOut(add4)->args, (QList<int>{127, 127 + 6 * 47}));
        else
            QCOMPARE(run.canvas.ops(QStringLiteral("TextOut")).size(), 6);
    }

    // At least as tall as wide: the whole page width over height + 3 (2159 div 15 = 143).
    void squareSizeOfATallGrid() {
        Composed run(TestPuzzle::lettered(12, 12).record, Target::Pdf);
        run.composer->DrawGridPage(GridMode::NumberedGrid);
        const auto rects = run.canvas.ops(QStringLiteral("Rectangle"));
        QCOMPARE(rects.size(), 1 + 12 * 12);
        QCOMPARE(rects[0].args, (QList<int>{219, 823, 1940, 2544}));
        QCOMPARE(rects[0].penWidth, 4);
        QCOMPARE(rects[0].brush, 0xFFFFFFu);
        QCOMPARE(rects[1].args, (QList<int>{221, 825, 365, 969}));
        QCOMPARE(rects[1].penWidth, 1);
        // Neighbours share an edge: the second square starts on the first one's last column.
        QCOMPARE(rects[2].args[0], 365 - 1);
    }

    void squareContent_data() {
        QTest::addColumn<GridMode>("mode");
        QTest::addColumn<QList<int>>("number"); // x, y, height; empty: none drawn
        QTest::addColumn<QList<int>>("letter"); // x, y, height; empty: none drawn
        QTest::newRow("numbered") << GridMode::NumberedGrid << QList<int>{170, 1162, 7}
                                  << QList<int>{};
        QTest::newRow("manuscript")
            << GridMode::ManuscriptGrid << QList<int>{170, 1162, 7} << QList<int>{197, 1172, 15};
        QTest::newRow("solution") << GridMode::SolutionGrid << QList<int>{}
                                  << QList<int>{183, 1155, 23};
    }
    // Square (1, 1) holds "A" and belongs to no word: its number shows, its label is empty, and
    // its letter is still drawn in the manuscript and solution grids.
    void squareContent() {
        QFETCH(GridMode, mode);
        QFETCH(QList<int>, number);
        QFETCH(QList<int>, letter);
        Composed run(TestPuzzle::lettered(31, 12).record, Target::Pdf);
        run.composer->DrawGridPage(mode);

        const auto n = run.canvas.textOut("1");
        QCOMPARE(bool(n), !number.isEmpty());
        if (n) {
            QCOMPARE((QList<int>{n->args[0], n->args[1], n->font.height}), number);
            QCOMPARE(n->font.name, QStringLiteral("Arial"));
            QCOMPARE(n->font.style, 0);
            QCOMPARE(run.canvas.textOuts("").size(), 31 * 12);
            QCOMPARE(numbersDrawn(run.canvas), range(1, 31 * 12));
        }
        const auto a = run.canvas.textOut("A");
        QCOMPARE(bool(a), !letter.isEmpty());
        if (a) {
            QCOMPARE((QList<int>{a->args[0], a->args[1], a->font.height}), letter);
            QCOMPARE(a->font.style, 1); // the grid-letter style on pages: bold
        }
    }

    void labels_data() {
        QTest::addColumn<int>("word");
        QTest::addColumn<QByteArray>("label");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        // Word w owns square (w, 1). One-letter labels end at x + 49, two-letter ones at x + 42.
        QTest::newRow("A") << 1 << QByteArray("A") << 214 << 1162;
        QTest::newRow("aa") << 27 << QByteArray("aa") << 1741 << 1162;
    }
    void labels() {
        QFETCH(int, word);
        QFETCH(QByteArray, label);
        QFETCH(int, x);
        QFETCH(int, y);
        TestPuzzle puzzle = TestPuzzle::lettered(31, 12);
        for (int w = 1; w <= 30; ++w)
            puzzle.letter(w, 1, w, 1);
        puzzle.letter(word, 2, 5, 2); // every square of the word carries its label
        Composed run(puzzle.record, Target::Pdf);
        run.composer->DrawGridPage(GridMode::NumberedGrid);
        const auto drawn = run.canvas.textOuts(label);
        QCOMPARE(drawn.size(), 2);
        QCOMPARE(drawn[0].args, (QList<int>{x, y}));
    }

    void punctuation_data() {
        QTest::addColumn<GridMode>("mode");
        QTest::addColumn<QByteArray>("mark");
        QTest::addColumn<QList<int>>("at"); // x, y, height
        // Apostrophe on square (2, 1), hyphen on (4, 1): x + q - TW("aa") - inset,
        // y + q - TH("I") - raise, at the height where TH("A") >= (q div 4) x 3.
        QTest::newRow("numbered apostrophe")
            << GridMode::NumberedGrid << QByteArray("'") << QList<int>{239, 1172, 21};
        QTest::newRow("solution apostrophe, drawn as a letter")
            << GridMode::SolutionGrid << QByteArray("'") << QList<int>{242, 1155, 23};
    }
    void punctuation() {
        QFETCH(GridMode, mode);
        QFETCH(QByteArray, mark);
        TestPuzzle puzzle = TestPuzzle::lettered(31, 12);
        puzzle.record.letter(2, 1) = '\'';
        puzzle.record.letter(4, 1) = '-';
        Composed run(puzzle.record, Target::Pdf);
        run.composer->DrawGridPage(mode);
        const auto drawn = run.canvas.textOuts(mark);
        QCOMPARE(drawn.size(), 1);
        QTEST((QList<int>{drawn[0].args[0], drawn[0].args[1], drawn[0].font.height}), "at");
    }

    void fittingIsBounded_data() {
        QTest::addColumn<Target>("target");
        QTest::addColumn<int>("measure");
        QTest::addColumn<bool>("puzzlePage");
        QTest::addColumn<QString>("op");
        QTest::addColumn<bool>("lowest");
        QTest::addColumn<int>("extreme");
        // Text that never narrows: the puzzle page's size loop stops at 1.
        QTest::newRow("print puzzle page size stops at 1")
            << Target::Print << 1000 << true << "SetFontSize" << true << 1;
        // Text that never grows: the raising loops stop a square's side above their start
        // (grid: 338 + 338; puzzle page apostrophe: size 10 + 360).
        QTest::newRow("print grid letters stop at the limit")
            << Target::Print << 0 << false << "SetFontHeight" << false << 676;
        QTest::newRow("print puzzle page apostrophe stops at the limit")
            << Target::Print << 0 << true << "SetFontSize" << false << 370;
        QTest::newRow("pdf apostrophe stops at the limit")
            << Target::Pdf << 0 << false << "SetFontHeight" << false << 7 + 59;
    }
    void fittingIsBounded() {
        QFETCH(Target, target);
        QFETCH(int, measure);
        QFETCH(bool, puzzlePage);
        QFETCH(QString, op);
        QFETCH(bool, lowest);
        QFETCH(int, extreme);
        TestPuzzle puzzle = TestPuzzle::lettered(31, 12);
        puzzle.record.letter(2, 1) = '\'';
        Composed run(puzzle.record, target);
        run.canvas.fixedMeasure = measure;
        run.options.manuscript = false;
        run.options.solutionWithPuzzlePage = false;
        (puzzlePage ? run.options.puzzlePage : run.options.manuscriptGrid) = true;
        run.options.solutionGrid = !puzzlePage;
        run.composer->ComposeDocument();
        QList<int> values;
        for (const auto& c : run.canvas.ops(op))
            values << c.args[0];
        QCOMPARE(lowest ? *std::min_element(values.begin(), values.end())
                        : *std::max_element(values.begin(), values.end()),
                 extreme);
        QVERIFY(run.composer->pageMetrics().LineHeight >= 1);
    }
};

QTEST_MAIN(Tst_GridPages)
#include "tst_gridpages.moc"
