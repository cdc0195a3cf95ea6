// What every page shares (square numbers, smart quotes, the font-fitting loops, the page
// metrics and the first page's header), then the three grid pages on both targets: the square
// size, the grid's place and frame, the numbers, labels and letters in their squares,
// punctuation squares, and the font-fitting loops on a target that cannot measure.
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
#include "output/FontFitting.h"
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
    // The loops' result is the first height, one unit at a time from the start towards the
    // limit, at which the condition holds, or the limit; the font is left at it.
    void fontFitting_data() {
        QTest::addColumn<bool>("lower");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("limit");    // raising only
        QTest::addColumn<int>("boundary"); // the condition holds from here on
        QTest::addColumn<int>("result");
        QTest::newRow("lowering to the boundary") << true << 338 << 0 << 45 << 45;
        QTest::newRow("lowering, the first step fits") << true << 338 << 0 << 400 << 337;
        QTest::newRow("lowering, nothing fits: 1") << true << 338 << 0 << 0 << 1;
        QTest::newRow("raising to the boundary") << false << 45 << 383 << 106 << 106;
        QTest::newRow("raising, the first step fits") << false << 45 << 383 << 0 << 46;
        QTest::newRow("raising, nothing fits: the limit") << false << 45 << 383 << 1000 << 383;
    }
    void fontFitting() {
        QFETCH(bool, lower);
        QFETCH(int, start);
        QFETCH(int, limit);
        QFETCH(int, boundary);
        QFETCH(int, result);
        RecordingCanvas canvas(Target::Print);
        canvas.SetFontHeight(start);
        // A measure that grows with the font.
        const auto fits = [&] {
            return lower ? canvas.font().height <= boundary : canvas.font().height >= boundary;
        };
        const int got = lower ? FontFitting::lowerHeightUntil(canvas, start, fits)
                              : FontFitting::raiseHeightUntil(canvas, start, limit, fits);
        QCOMPARE(got, result);
        QCOMPARE(canvas.font().height, result);
        // Never a step beyond the start's neighbour or the limit.
        for (const auto& c : canvas.ops(QStringLiteral("SetFontHeight")).mid(1))
            QVERIFY(lower ? c.args[0] < start && c.args[0] >= 1
                          : c.args[0] > start && c.args[0] <= limit);
    }

    void numberSquares_data() {
        QTest::addColumn<QList<QByteArray>>("rows");
        QTest::addColumn<QString>("numbers");
        QTest::newRow("reading order, row by row")
            << QList<QByteArray>{"ABC", "DEF"} << "1 2 3/4 5 6";
        QTest::newRow("black squares skipped") << QList<QByteArray>{"A#C", "##F"} << "1 0 2/0 0 3";
        QTest::newRow("apostrophe and hyphen never numbered, numbers stay consecutive")
            << QList<QByteArray>{"AB'C", "#D-E", "F##G"} << "1 2 0 3/0 4 0 5/6 0 0 7";
    }
    void numberSquares() {
        QFETCH(QList<QByteArray>, rows);
        const TestPuzzle puzzle(rows);
        SquareNumbers table;
        table.fill(puzzle.record);
        QStringList got;
        for (int r = 1; r <= puzzle.record.GridHeight; ++r) {
            QStringList row;
            for (int c = 1; c <= puzzle.record.GridWidth; ++c)
                row << QString::number(table.at(c, r));
            got << row.join(u' ');
        }
        QTEST(got.join(u'/'), "numbers");
    }

    void smartQuotes_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("a pair") << QByteArray("Say \"hi\" now") << QByteArray("Say \x93hi\x94 now");
        QTest::newRow("two pairs alternate") << QByteArray("\"a\" or \"b\"")
                                             << QByteArray("\x93"
                                                           "a\x94 or \x93"
                                                           "b\x94");
        QTest::newRow("unbalanced opens") << QByteArray("\"open") << QByteArray("\x93open");
        QTest::newRow("apostrophe") << QByteArray("it's") << QByteArray("it\x92s");
        QTest::newRow("apostrophes do not flip the doubles")
            << QByteArray("'\"'\"") << QByteArray("\x92\x93\x92\x94");
    }
    void smartQuotes() {
        QFETCH(QByteArray, text);
        QTEST(SmartQuotes(text), "expected");
    }

    // PDF: 12-point manuscript font, TH("I") = 48, L = 47; (2794 - 2 x 127) div 47 = 54.
    // Print: TH("I") = 384, L = 389; (15840 - 2 x 720) div 389 = 37.
    void pageMetrics_data() {
        QTest::addColumn<Target>("target");
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<int>("bottomMargin");
        QTest::addColumn<int>("lineHeight");
        QTest::addColumn<int>("margin");
        QTest::addColumn<int>("linesPerPage");
        QTest::newRow("pdf, margin 1") << Target::Pdf << 12 << 1 << 47 << 127 << 54;
        QTest::newRow("print, margin 9 holds 8 lines fewer")
            << Target::Print << 12 << 9 << 389 << 720 << 29;
    }
    void pageMetrics() {
        QFETCH(Target, target);
        QFETCH(int, fontSize);
        QFETCH(int, bottomMargin);
        QFETCH(int, margin);
        Composed run(TestPuzzle({"AB"}).record, target);
        Settings::writeInt(*run.settings, Settings::MSFontSize, fontSize);
        run.options.bottomMargin = bottomMargin;
        run.composer->SetUpPageMetrics();
        const PageMetrics& m = run.composer->pageMetrics();
        QTEST(m.LineHeight, "lineHeight");
        QCOMPARE(m.SideMargin, margin);
        QCOMPARE(m.TopMargin, margin);
        QTEST(m.LinesPerPage, "linesPerPage");
    }

    // The print target keeps the manuscript colour for everything after it; the PDF target
    // never sets a font colour.
    void manuscriptColour_data() {
        QTest::addColumn<Target>("target");
        QTest::addColumn<bool>("applied");
        QTest::newRow("print applies MSFontColor") << Target::Print << true;
        QTest::newRow("pdf does not") << Target::Pdf << false;
    }
    void manuscriptColour() {
        QFETCH(Target, target);
        QFETCH(bool, applied);
        Composed run(TestPuzzle({"AB"}).record, target);
        Settings::writeColour(*run.settings, Settings::MSFontColor, 0x0000FF);
        run.options.puzzlePage = run.options.numberedGrid = true;
        run.composer->ComposeDocument();
        const auto colours = run.canvas.ops(QStringLiteral("SetFontColour"));
        QCOMPARE(!colours.isEmpty(), applied);
        for (const auto& colour : colours)
            QCOMPARE(colour.args, QList<int>{0x0000FF});
        for (const auto& text : run.canvas.ops(QStringLiteral("TextOut")))
            QCOMPARE(text.font.colour, quint32(applied ? 0x0000FF : 0));
    }

    // PDF: L = 47, s = t = 127, "Page 1" at 2159 - 0 - 127 - TW("Page 00") (7 x 24) = 1864.
    // Print: L = 389, s = t = 720, at 12240 - 360 - 720 - 7 x 192 = 9816.
    void firstPageHeader_data() {
        QTest::addColumn<Target>("target");
        QTest::addColumn<QByteArray>("add4");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("L");
        QTest::addColumn<int>("xPage");
        QTest::addColumn<int>("body");
        QTest::newRow("pdf without Add4: body at 10L")
            << Target::Pdf << QByteArray() << QByteArray("Your Name") << 127 << 47 << 1864 << 470;
        QTest::newRow("pdf with Add4: body at 11L")
            << Target::Pdf << QByteArray("Fax 5") << QByteArray("Your Name") << 127 << 47 << 1864
            << 517;
        QTest::newRow("print without Add4")
            << Target::Print << QByteArray() << QByteArray("Ixenvar Constructor") << 720 << 389
            << 9816 << 3890;
    }
    void firstPageHeader() {
        QFETCH(Target, target);
        QFETCH(QByteArray, add4);
        QFETCH(QByteArray, name);
        QFETCH(int, s);
        QFETCH(int, L);
        QFETCH(int, xPage);
        Composed run(TestPuzzle({"AB"}).record, target);
        Settings::writeText(*run.settings, Settings::Add4, QString::fromLatin1(add4));
        run.composer->SetUpPageMetrics();
        QTEST(run.composer->DrawPageHeader(HeaderKind::First), "body");

        const auto title = run.canvas.textOut("Acrostic");
        QVERIFY(title);
        QCOMPARE(title->args, (QList<int>{s, s}));
        QCOMPARE(title->font.style, 1);
        const auto page = run.canvas.textOut("Page 1");
        QVERIFY(page);
        QCOMPARE(page->args, (QList<int>{xPage, s}));
        QCOMPARE(run.canvas.textOut(name)->args, (QList<int>{s, s + 2 * L}));
        QCOMPARE(run.canvas.textOut(name)->font.style, 0);
        QVERIFY(run.canvas.textOut(target == Target::Pdf ? "Address 3" : "Tel. (555) 010-0199"));
        if (!add4.isEmpty())
            QCOMPARE(run.canvas.textOut(add4)->args, (QList<int>{s, s + 6 * L}));
        else
            QCOMPARE(run.canvas.ops(QStringLiteral("TextOut")).size(), 6);
    }

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
