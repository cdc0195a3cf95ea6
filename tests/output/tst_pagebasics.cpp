// What every page shares: square numbers, smart quotes, the page title, the page metrics and
// the first page's header, on both targets.
#include "OutputFixtures.h"
#include "output/FontFitting.h"
#include "output/SmartQuotes.h"
#include "prefs/SettingsCatalogue.h"

#include <QtTest>

class Tst_PageBasics : public QObject {
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
};

QTEST_MAIN(Tst_PageBasics)
#include "tst_pagebasics.moc"
