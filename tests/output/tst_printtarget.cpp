// The page composer on the print target over the real print preview engine: the fonts the
// fitting loops choose as the engine measures them, the paper and zoom each composition sets,
// and the document left after a run. Where the squares land on paper is checked in
// tst_cliprint.
//
// The printer is FakePrinterFacts: 100 dots per inch on Letter paper, its printable area from
// (25, 20) to (825, 1070), so the canvas's origin lies 635 x 508 hundredths of a millimetre
// from the paper's corner and the right printer margin is a quarter inch, 360 twips. The
// puzzle page on Letter: q = 12240 div 33 = 370, the rule from x = 370 to 370 + 30 x 370 =
// 11470.
#include "../preview/FakePrinter.h"
#include "OutputFixtures.h"
#include "base/Errors.h"
#include "output/PrintPageTarget.h"
#include "prefs/SettingsCatalogue.h"
#include "preview/GmDocument.h"

#include <QtTest>

Q_DECLARE_METATYPE(GridMode)
Q_DECLARE_METATYPE(TGmPaperSize)

namespace {

constexpr QPoint kOrigin{635, 508};

struct FixedView : PrintPreviewView {
    int pane = 990;
    int maxZoom = 117;
    int PaneHeight() const override { return pane; }
    int MaxZoom() const override { return maxZoom; }
};

// A twip coordinate of the canvas as the engine keeps it on the page.
QPoint onPage(int x, int y) {
    return QPoint(TGmValue::FromUnits(x, TGmUnit::Twip).Count(),
                  TGmValue::FromUnits(y, TGmUnit::Twip).Count()) +
           kOrigin;
}

// A length in hundredths of a millimetre, in twips.
int twips(qint32 hundredthMm) {
    return TGmValue(hundredthMm).AsTwips();
}

template <typename T> QList<const T*> objectsOf(const TGmPage& page, TGmObjectKind kind) {
    QList<const T*> out;
    for (const auto& object : page.Objects())
        if (object->Kind() == kind)
            out << static_cast<const T*>(object.get());
    return out;
}
QList<const TGmTextObject*> texts(const TGmPage& page) {
    return objectsOf<TGmTextObject>(page, TGmObjectKind::Text);
}
QList<const TGmRectangleShape*> rectangles(const TGmPage& page) {
    return objectsOf<TGmRectangleShape>(page, TGmObjectKind::Rectangle);
}
const TGmTextObject* text(const TGmPage& page, const QString& s) {
    for (const TGmTextObject* t : texts(page))
        if (t->Text == s)
            return t;
    return nullptr;
}

// The height of a text's character cell in twips, in the font the engine recorded for it.
int cellHeight(const TGmTextObject& t) {
    return qRound(MeasureText(t.Font.Name, t.Font.Size, t.Font.Style, t.Text, 1440).height());
}
int textWidth(const TGmTextObject& t, const QString& s) {
    return qRound(MeasureText(t.Font.Name, t.Font.Size, t.Font.Style, s, 1440).width());
}

// 10 x 8 with black squares between its words.
PuzzleRecord gridPuzzle() {
    return TestPuzzle({"THE#ONLY#W", "AY#TO#HAVE", "A#FRIEND#I", "S#TO#BE#ON", "E#DO#NOT#G",
                       "O#WHERE#TH", "E#PATH#MAY", "LEAD#GO#IN"})
        .word(1, TestPuzzle::rowSquares(1, 1, 3))
        .record;
}
// A document set up as the print preview sets it up, on the fake printer.
struct PrintRun {
    FakePrinterFacts printer;
    FixedView view;
    TGmDocument document;
    std::unique_ptr<TIxvProcs> settings = emptySettings();
    ComposerOptions options;

    PrintRun() {
        PrintDocument::setUp(document);
        document.SetPrinterFacts(&printer);
        options.pageTitle = "Acrostic";
        options.manuscript = false;
    }
    void compose(const PuzzleRecord& rec) {
        PrintDocument::compose(document, rec, *settings, options, &view);
    }
};

} // namespace

class Tst_PrintTarget : public QObject {
    Q_OBJECT

private slots:
    void gridPage_data() {
        QTest::addColumn<GridMode>("mode");
        QTest::addColumn<TGmPaperSize>("paper");
        QTest::newRow("manuscript grid, Letter")
            << GridMode::ManuscriptGrid << TGmPaperSize::Letter;
        QTest::newRow("solution grid, Letter") << GridMode::SolutionGrid << TGmPaperSize::Letter;
        QTest::newRow("numbered grid, A4") << GridMode::NumberedGrid << TGmPaperSize::A4;
    }
    void gridPage() {
        QFETCH(GridMode, mode);
        QFETCH(TGmPaperSize, paper);
        PrintRun run;
        Settings::writeInt(*run.settings, Settings::PaperSize, paper == TGmPaperSize::A4 ? 1 : 0);
        run.options.manuscriptGrid = mode == GridMode::ManuscriptGrid;
        run.options.numberedGrid = mode == GridMode::NumberedGrid;
        run.options.solutionGrid = mode == GridMode::SolutionGrid;
        const PuzzleRecord rec = gridPuzzle();
        run.compose(rec);
        QCOMPARE(run.document.NumPages(), 1);
        QCOMPARE(run.document.PaperSize(), paper);
        const TGmPage& page = run.document.GetPage(1);
        const auto rects = rectangles(page);
        QCOMPARE(rects.size(), 1 + rec.GridWidth * rec.GridHeight);
        const int q = twips(rects[2]->Left - rects[1]->Left);

        // "Page 1" ends at the right margin inside the printable area.
        const TGmTextObject* number = text(page, QStringLiteral("Page 1"));
        QVERIFY(number);
        const int pageWidth = run.document.PageWidth().AsTwips();
        const int side = pageWidth / 17;
        const int end = twips(number->Left - kOrigin.x()) + textWidth(*number, "Page 00");
        QVERIFY2(qAbs(end - (pageWidth - 360 - side)) <= 3, qPrintable(QString::number(end)));

        // The fitted fonts: numbers a fifth to half a square high, manuscript letters three
        // quarters of it or more (within the whole point they are recorded at), solution
        // letters more than half of it, all within the square.
        if (mode == GridMode::SolutionGrid) {
            const TGmTextObject* letter = text(page, QStringLiteral("T"));
            QVERIFY(letter);
            QVERIFY2(cellHeight(*letter) > q / 2 && cellHeight(*letter) < q,
                     qPrintable(QString::number(cellHeight(*letter))));
            QVERIFY(!text(page, QStringLiteral("1")));
            return;
        }
        const TGmTextObject* first = text(page, QStringLiteral("1"));
        QVERIFY(first);
        QVERIFY2(cellHeight(*first) > q / 5 && cellHeight(*first) < q / 2,
                 qPrintable(QString::number(cellHeight(*first))));
        // Recorded at a whole point size, the fitted font may be up to half a point larger.
        QVERIFY2(
            textWidth(*first, "999aa") * (first->Font.Size - 0.5) / first->Font.Size < q,
            qPrintable(
                QStringLiteral("%1 pt: %2").arg(first->Font.Size).arg(textWidth(*first, "999aa"))));
        QVERIFY(text(page, QStringLiteral("A"))); // word 1's label
        const TGmTextObject* letter = text(page, QStringLiteral("T"));
        QCOMPARE(letter != nullptr, mode == GridMode::ManuscriptGrid);
        if (letter)
            QVERIFY2(cellHeight(*letter) >= q / 4 * 3 - 30 && cellHeight(*letter) < q,
                     qPrintable(QString::number(cellHeight(*letter))));
    }

    void textHasNoBackground() {
        PrintRun run;
        run.options.manuscript = true;
        run.options.solutionGrid = true;
        run.compose(TestPuzzle::lettered(12, 6).clue(1, "A clue").record);
        int count = 0;
        for (int n = 1; n <= run.document.NumPages(); ++n) {
            for (const TGmTextObject* t : texts(run.document.GetPage(n))) {
                QCOMPARE(t->Brush.Style, TGmBrushStyle::Clear);
                ++count;
            }
        }
        QVERIFY(count > 0);
        // The canvas's brush is left as the composer set it.
        QCOMPARE(run.document.Canvas().Brush().Style(), TGmBrushStyle::Solid);
    }

    void paperZoomAndMargins_data() {
        QTest::addColumn<QVariant>("paperSetting"); // none: not stored
        QTest::addColumn<bool>("printer");
        QTest::addColumn<int>("pane");
        QTest::addColumn<TGmPaperSize>("paper");
        QTest::addColumn<int>("zoom");
        QTest::newRow("no stored paper: Letter")
            << QVariant() << true << 990 << TGmPaperSize::Letter << 90;
        QTest::newRow("any other paper: A4")
            << QVariant(7) << true << 500 << TGmPaperSize::A4 << 45;
        QTest::newRow("a pane taller than the largest zoom")
            << QVariant() << true << 1500 << TGmPaperSize::Letter << 117;
        QTest::newRow("no printer") << QVariant(1) << false << 990 << TGmPaperSize::A4 << 90;
    }
    void paperZoomAndMargins() {
        QFETCH(QVariant, paperSetting);
        QFETCH(bool, printer);
        QFETCH(int, pane);
        QFETCH(TGmPaperSize, paper);
        QFETCH(int, zoom);
        PrintRun run;
        run.printer.present = printer;
        run.document.PrinterChanged();
        if (paperSetting.isValid())
            Settings::writeInt(*run.settings, Settings::PaperSize, paperSetting.toInt());
        run.view.pane = pane;
        run.document.SetZoom(30); // zoomed by the user
        run.options.numberedGrid = true;
        run.compose(gridPuzzle());
        QCOMPARE(run.document.PaperSize(), paper);
        QCOMPARE(run.document.Zoom(), zoom);
        const TGmMargins& margins = run.document.Margins();
        QCOMPARE(margins.ShowPrinterMargins(), printer);
        QCOMPARE(margins.Left().Count(), printer ? 635 : 0);
        QCOMPARE(margins.Top().Count(), printer ? 508 : 0);
        QCOMPARE(margins.Right().AsTwips(), printer ? 360 : 0);
        QCOMPARE(run.document.GetPage(1).Size(), PaperValueSize(paper, TGmOrientation::gmPortrait));
        // Without a printer the canvas's origin is the paper's corner.
        const TGmTextObject* title = text(run.document.GetPage(1), QStringLiteral("Acrostic"));
        QVERIFY(title);
        QCOMPARE(title->Left, onPage(run.document.PageWidth().AsTwips() / 17, 0).x() -
                                  (printer ? 0 : kOrigin.x()));
    }

    void everyCompositionStartsAfresh() {
        PrintRun run;
        run.options.manuscript = true;
        const PuzzleRecord rec = TestPuzzle::lettered(12, 6).clue(1, "A clue").record;
        run.compose(rec);
        // The manuscript, its grid page and the solution page; page 1 shown.
        QCOMPARE(run.document.NumPages(), 3);
        QCOMPARE(run.document.CurrentPage(), 1);
        QCOMPARE(run.document.Canvas().Unit(), TGmUnit::Twip);
        run.document.NextPage();
        run.options.manuscript = false;
        run.options.puzzlePage = true;
        run.compose(rec);
        QCOMPARE(run.document.NumPages(), 2); // the puzzle page and its solution page
        QCOMPARE(run.document.CurrentPage(), 1);
        QVERIFY(!text(run.document.GetPage(1), QStringLiteral("Page 1")));
        // The puzzle page's rule, drawn through the engine's lines, with the title 8 twips below.
        const TGmPage& page = run.document.GetPage(1);
        const auto lines = objectsOf<TGmLineObject>(page, TGmObjectKind::Line);
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines[0]->Pen.Width, 4);
        QCOMPARE(lines[0]->Top, lines[0]->Bottom);
        QCOMPARE(QPoint(lines[0]->Left, lines[0]->Right),
                 QPoint(onPage(370, 0).x(), onPage(11470, 0).x()));
        const TGmTextObject* title = text(page, QStringLiteral("\u201cAcrostic\u201d"));
        QVERIFY(title);
        QCOMPARE(QPoint(title->Left, twips(title->Top - lines[0]->Top)), QPoint(lines[0]->Left, 8));
        QVERIFY(text(run.document.GetPage(2), QStringLiteral("SOLUTION")));
        QVERIFY(!run.document.InBatch());
    }

    void failedCompositionEndsItsBatches() {
        PrintRun run;
        run.settings->WriteSetting(QStringLiteral("MSFontColor"),
                                   SettingValue::text(QStringLiteral("no colour")));
        run.options.numberedGrid = true;
        QVERIFY_THROWS_EXCEPTION(ColourConversionError, run.compose(gridPuzzle()));
        QVERIFY(!run.document.InBatch());
        run.settings->WriteSetting(QStringLiteral("MSFontColor"),
                                   SettingValue::text(QStringLiteral("clBlack")));
        run.compose(gridPuzzle());
        QCOMPARE(run.document.NumPages(), 1);
        QVERIFY(!run.document.InBatch());
    }
};

QTEST_MAIN(Tst_PrintTarget)
#include "tst_printtarget.moc"
