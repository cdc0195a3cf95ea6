// The three grid pages on both targets: the square size, the grid's place and frame, the
// numbers, labels and letters in their squares, punctuation squares, and the font-fitting
// loops on a target that cannot measure.
//
// Hand-worked values (see RecordingCanvas for the metrics):
//   PDF, 31 x 12: s = 127, q = (2159 - 127) div 34 = 59, left = (2159 - 1829) div 2 = 165,
//     top = (2794 - 708) div 2 + 118 = 1161; numbers at height round(59 / 8) = 7, manuscript
//     letters round(59 / 4) = 15, solution letters round(59 / 2.6) = 23.
//   Print, 31 x 12: s = 720, q = (12240 - 720) div 34 = 338, left = (12240 - 10478) div 2 - 338
//     = 543, top = (15840 - 4056) div 2 + 676 = 6568; numbers: TW("999aa") = 10h < 334 at
//     h = 33; manuscript letters: TH("A") = 4h >= 252 at h = 63; solution letters: 4h < 337 at
//     h = 84.
#include "OutputFixtures.h"
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
    void squareSize_data() {
        QTest::addColumn<Target>("target");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QList<int>>("frame");
        QTest::addColumn<QList<int>>("firstSquare");
        // Wider than tall: the page width less one side margin over width + 3.
        QTest::newRow("pdf 31 x 12") << Target::Pdf << 31 << 12 << QList<int>{163, 1159, 1997, 1872}
                                     << QList<int>{165, 1161, 225, 1221};
        QTest::newRow("print 31 x 12")
            << Target::Print << 31 << 12 << QList<int>{540, 6565, 11025, 10628}
            << QList<int>{543, 6568, 882, 6907};
        // At least as tall as wide: the whole page width over height + 3 (2159 div 15 = 143,
        // 12240 div 15 = 816).
        QTest::newRow("pdf 12 x 12") << Target::Pdf << 12 << 12 << QList<int>{219, 823, 1940, 2544}
                                     << QList<int>{221, 825, 365, 969};
    }
    void squareSize() {
        QFETCH(Target, target);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QList<int>, firstSquare);
        Composed run(TestPuzzle::lettered(width, height).record, target);
        run.composer->DrawGridPage(GridMode::NumberedGrid);
        const auto rects = run.canvas.ops(QStringLiteral("Rectangle"));
        QCOMPARE(rects.size(), 1 + width * height);
        QTEST(rects[0].args, "frame");
        QCOMPARE(rects[0].penWidth, 4);
        QCOMPARE(rects[0].brush, 0xFFFFFFu);
        QCOMPARE(rects[1].args, firstSquare);
        QCOMPARE(rects[1].penWidth, 1);
        // Neighbours share an edge: the second square starts where the first one's exclusive
        // right edge less one lies.
        QCOMPARE(rects[2].args[0], firstSquare[2] - 1);
    }

    void squareContent_data() {
        QTest::addColumn<Target>("target");
        QTest::addColumn<GridMode>("mode");
        QTest::addColumn<QList<int>>("number"); // x, y, height; empty: none drawn
        QTest::addColumn<QList<int>>("letter"); // x, y, height; empty: none drawn
        QTest::newRow("pdf numbered")
            << Target::Pdf << GridMode::NumberedGrid << QList<int>{170, 1162, 7} << QList<int>{};
        QTest::newRow("pdf manuscript") << Target::Pdf << GridMode::ManuscriptGrid
                                        << QList<int>{170, 1162, 7} << QList<int>{197, 1172, 15};
        QTest::newRow("pdf solution")
            << Target::Pdf << GridMode::SolutionGrid << QList<int>{} << QList<int>{183, 1155, 23};
        QTest::newRow("print numbered")
            << Target::Print << GridMode::NumberedGrid << QList<int>{565, 6570, 33} << QList<int>{};
        QTest::newRow("print manuscript") << Target::Print << GridMode::ManuscriptGrid
                                          << QList<int>{565, 6570, 33} << QList<int>{743, 6656, 63};
        QTest::newRow("print solution")
            << Target::Print << GridMode::SolutionGrid << QList<int>{} << QList<int>{628, 6569, 84};
    }
    // Square (1, 1) holds "A" and belongs to no word: its number shows, its label is empty, and
    // its letter is still drawn in the manuscript and solution grids.
    void squareContent() {
        QFETCH(Target, target);
        QFETCH(GridMode, mode);
        QFETCH(QList<int>, number);
        QFETCH(QList<int>, letter);
        Composed run(TestPuzzle::lettered(31, 12).record, target);
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

    void letterInsets_data() {
        QTest::addColumn<Target>("target");
        QTest::addColumn<QByteArray>("letter");
        QTest::addColumn<int>("x");
        // PDF: x + 59 - TW("M") (15) - d; print: x + 338 - 126 - d.
        QTest::newRow("pdf I (column 9)") << Target::Pdf << QByteArray("I") << 637 + 38;
        QTest::newRow("pdf W (column 23)") << Target::Pdf << QByteArray("W") << 1463 + 24;
        QTest::newRow("print other") << Target::Print << QByteArray("B") << 881 + 200;
    }
    void letterInsets() {
        QFETCH(Target, target);
        QFETCH(QByteArray, letter);
        Composed run(TestPuzzle::lettered(31, 12).record, target);
        run.composer->DrawGridPage(GridMode::ManuscriptGrid);
        QTEST(run.canvas.textOut(letter)->args[0], "x");
    }

    void labels_data() {
        QTest::addColumn<Target>("target");
        QTest::addColumn<int>("word");
        QTest::addColumn<QByteArray>("label");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        // Word w owns square (w, 1). One-letter labels end at x + 49 (PDF) or x + 250 (print),
        // two-letter ones at x + 42 or x + 184.
        QTest::newRow("pdf A") << Target::Pdf << 1 << QByteArray("A") << 214 << 1162;
        QTest::newRow("pdf aa") << Target::Pdf << 27 << QByteArray("aa") << 1741 << 1162;
        QTest::newRow("print aa") << Target::Print << 27 << QByteArray("aa") << 9515 << 6570;
    }
    void labels() {
        QFETCH(Target, target);
        QFETCH(int, word);
        QFETCH(QByteArray, label);
        QFETCH(int, x);
        QFETCH(int, y);
        TestPuzzle puzzle = TestPuzzle::lettered(31, 12);
        for (int w = 1; w <= 30; ++w)
            puzzle.letter(w, 1, w, 1);
        puzzle.letter(word, 2, 5, 2); // every square of the word carries its label
        Composed run(puzzle.record, target);
        run.composer->DrawGridPage(GridMode::NumberedGrid);
        const auto drawn = run.canvas.textOuts(label);
        QCOMPARE(drawn.size(), 2);
        QCOMPARE(drawn[0].args, (QList<int>{x, y}));
    }

    void punctuation_data() {
        QTest::addColumn<Target>("target");
        QTest::addColumn<GridMode>("mode");
        QTest::addColumn<QByteArray>("mark");
        QTest::addColumn<QList<int>>("at"); // x, y, height
        // Apostrophe on square (2, 1), hyphen on (4, 1): x + q - TW("aa") - inset,
        // y + q - TH("I") - raise, at the height where TH("A") >= (q div 4) x 3.
        QTest::newRow("pdf numbered apostrophe") << Target::Pdf << GridMode::NumberedGrid
                                                 << QByteArray("'") << QList<int>{239, 1172, 21};
        QTest::newRow("pdf solution apostrophe, drawn as a letter")
            << Target::Pdf << GridMode::SolutionGrid << QByteArray("'")
            << QList<int>{242, 1155, 23};
    }
    void punctuation() {
        QFETCH(Target, target);
        QFETCH(GridMode, mode);
        QFETCH(QByteArray, mark);
        TestPuzzle puzzle = TestPuzzle::lettered(31, 12);
        puzzle.record.letter(2, 1) = '\'';
        puzzle.record.letter(4, 1) = '-';
        Composed run(puzzle.record, target);
        run.composer->DrawGridPage(mode);
        const auto drawn = run.canvas.textOuts(mark);
        QCOMPARE(drawn.size(), 1);
        QTEST((QList<int>{drawn[0].args[0], drawn[0].args[1], drawn[0].font.height}), "at");
    }

    void blackSquares_data() {
        QTest::addColumn<Target>("target");
        QTest::addColumn<quint32>("colour");
        QTest::newRow("print, gray squares") << Target::Print << ComposerOptions::kSilver;
        QTest::newRow("pdf, black") << Target::Pdf << ComposerOptions::kBlack;
    }
    void blackSquares() {
        QFETCH(Target, target);
        QFETCH(quint32, colour);
        Composed run(TestPuzzle({"A#B#", "CD#E"}).record, target);
        run.options.blackSquareColour = colour;
        run.composer->DrawGridPage(GridMode::SolutionGrid);
        const auto rects = run.canvas.ops(QStringLiteral("Rectangle"));
        QStringList fills;
        for (const auto& r : rects.mid(1))
            fills << (r.brush == colour ? "#" : r.brush == 0xFFFFFF ? "." : "?");
        QCOMPARE(fills.join(QString()), QStringLiteral(".#.#..#."));
        QCOMPARE(run.canvas.calls.last().brush, 0xFFFFFFu);
    }

    // The print target's own steps around a page: a grid page sets its sheet upright; the puzzle
    // page uses the printer's margins and names the print job.
    void printSteps_data() {
        QTest::addColumn<Target>("target");
        QTest::addColumn<bool>("puzzlePage");
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("print, grid page")
            << Target::Print << false
            << QStringList{"BeginBatch", "PreparePrintPage", "SetPortrait", "EndBatch"};
        QTest::newRow("print, puzzle page")
            << Target::Print << true
            << QStringList{"UsePrinterMargins", "BeginBatch", "SetDocumentTitle:Acrostic",
                           "EndBatch", "PreparePrintPage"};
        QTest::newRow("pdf: none") << Target::Pdf << false << QStringList{};
    }
    void printSteps() {
        QFETCH(Target, target);
        QFETCH(bool, puzzlePage);
        Composed run(TestPuzzle({"AB"}).record, target);
        if (puzzlePage)
            run.composer->DrawPuzzlePage();
        else
            run.composer->DrawGridPage(GridMode::ManuscriptGrid);
        QTEST(run.canvas.printSteps(), "steps");
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
