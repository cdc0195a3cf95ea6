#include "FakePrinter.h"
#include "preview/GmDocument.h"

#include <QSignalSpy>
#include <QtTest>
#include <limits>

Q_DECLARE_METATYPE(TGmUnit)
Q_DECLARE_METATYPE(TGmPaperSize)

namespace {

// Draws one rectangle on every page so that the pages can be told apart.
void drawOnEveryPage(TGmDocument& doc, int pages) {
    for (int n = 1; n <= pages; ++n) {
        if (n > 1)
            doc.NewPage();
        doc.Canvas().Rectangle(n, 1, n + 0.5, 1.5, TGmUnit::Inch);
    }
}

} // namespace

class Tst_gmdocument : public QObject {
    Q_OBJECT
private slots:
    void valueReaders_data() {
        QTest::addColumn<qint32>("count");
        QTest::addColumn<qint32>("twips");
        QTest::addColumn<qint32>("dotsAt600");
        QTest::addColumn<qint32>("dotsAt1");
        QTest::newRow("A4 width rounds up") << 21000 << 11906 << 4961 << 8;
        QTest::newRow("half a dot down to even 0") << 1270 << 720 << 300 << 0;
        QTest::newRow("one and a half dots up to even 2") << 3810 << 2160 << 900 << 2;
        QTest::newRow("minus half a dot to even 0") << -1270 << -720 << -300 << 0;
        QTest::newRow("largest count")
            << std::numeric_limits<qint32>::max() << 1217471044 << 507279602 << 845466;
    }
    void valueReaders() {
        QFETCH(qint32, count);
        const TGmValue v(count);
        QTEST(v.AsTwips(), "twips");
        QTEST(v.AsDots(600), "dotsAt600");
        QTEST(v.AsDots(1), "dotsAt1");
        QCOMPARE(v.AsInches(), count / 2540.0);
    }

    // The program draws in twips; the printer's margins come in its dots.
    void valueWriters_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("dpi"); // 0: twips
        QTest::addColumn<qint32>("count");
        QTest::newRow("36 twips is 63.5, to even 64") << 36.0 << 0 << 64;
        QTest::newRow("three dots at 5080 dpi, to even 2") << 3.0 << 5080 << 2;
        QTest::newRow("a huge length is held at the range's end")
            << 1e12 << 0 << std::numeric_limits<qint32>::max();
        QTest::newRow("a huge negative length likewise")
            << -1e12 << 0 << std::numeric_limits<qint32>::min();
    }
    void valueWriters() {
        QFETCH(double, x);
        QFETCH(int, dpi);
        TGmValue v;
        if (dpi)
            v.SetDots(x, dpi);
        else
            v.SetUnits(x, TGmUnit::Twip);
        QTEST(v.Count(), "count");
    }

    // The program sets the largest zoom and the zoom; the smallest stays 10.
    void zoom_data() {
        QTest::addColumn<int>("maxZoom");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("heldMax");
        QTest::addColumn<int>("heldZoom");
        QTest::newRow("below 10 is raised to it") << 200 << 7 << 200 << 10;
        QTest::newRow("above MaxZoom is lowered to it") << 100 << 150 << 100 << 100;
    }
    void zoom() {
        QFETCH(int, maxZoom);
        QFETCH(int, zoom);
        TGmDocument doc;
        doc.SetZoom(zoom);
        doc.SetMaxZoom(maxZoom); // pulls a larger zoom down
        QTEST(doc.MaxZoom(), "heldMax");
        QTEST(doc.Zoom(), "heldZoom");
        doc.SetZoom(zoom);
        QTEST(doc.Zoom(), "heldZoom");
    }

    void navigation_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("move");
        QTest::addColumn<int>("to");
        QTest::newRow("next at the last page does nothing") << 3 << "next" << 3;
        QTest::newRow("previous at page 1 does nothing") << 1 << "prev" << 1;
        QTest::newRow("first") << 3 << "first" << 1;
    }
    void navigation() {
        QFETCH(int, from);
        QFETCH(QString, move);
        QFETCH(int, to);
        TGmDocument doc;
        drawOnEveryPage(doc, 3);
        while (doc.CurrentPage() > from)
            doc.PrevPage();
        if (move == QLatin1String("next"))
            doc.NextPage();
        else if (move == QLatin1String("prev"))
            doc.PrevPage();
        else
            doc.FirstPage();
        QCOMPARE(doc.CurrentPage(), to);
        doc.Canvas().MoveTo(0, 0, TGmUnit::Twip);
        doc.Canvas().LineTo(10, 10, TGmUnit::Twip);
        QCOMPARE(doc.GetPage(to).Objects().size(), std::size_t(2)); // the canvas follows
    }

    void recording() {
        TGmDocument doc;
        QSignalSpy recorded(&doc, &TGmDocument::OnCanvasChange);
        TGmCanvas& c = doc.Canvas();
        c.Font().SetStyle(TGmFontStyle::Bold | TGmFontStyle::Italic);
        c.Font().SetColor(Qt::red);
        c.TextOut(1440, 720, QStringLiteral("Title"), TGmUnit::Twip);
        c.Brush().SetColor(Qt::yellow); // a colour makes the clear brush solid
        c.Pen().SetWidth(4);
        c.Rectangle(1, 1, 2, 3, TGmUnit::Centimetre);
        c.MoveTo(0, 0, TGmUnit::Millimetre);
        c.LineTo(10, 20, TGmUnit::Millimetre);
        QCOMPARE(c.PenPos(), QPoint(1000, 2000));
        QCOMPARE(recorded.count(), 3);

        const auto& objects = doc.GetPage(1).Objects();
        QCOMPARE(objects.size(), std::size_t(3));
        const auto& text = static_cast<const TGmTextObject&>(*objects[0]);
        QCOMPARE(text.Left, 2540);
        QCOMPARE(text.Top, 1270);
        QCOMPARE(text.Font.Color, QColor(Qt::red));
        QCOMPARE(text.Font.Style, TGmFontStyle::Bold | TGmFontStyle::Italic);
        QCOMPARE(text.Right - text.Left, c.TextWidth(QStringLiteral("Title")).Count());

        const auto& rect = static_cast<const TGmRectangleShape&>(*objects[1]);
        QCOMPARE(QRect(QPoint(rect.Left, rect.Top), QPoint(rect.Right, rect.Bottom)),
                 QRect(QPoint(1000, 1000), QPoint(2000, 3000)));
        QCOMPARE(rect.Brush.Style, TGmBrushStyle::Solid);
        QCOMPARE(rect.Pen.Width, 4);

        const auto& line = static_cast<const TGmLineObject&>(*objects[2]);
        QCOMPARE(QPoint(line.Right, line.Bottom), QPoint(1000, 2000));
    }

    void textMeasuring_data() {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("height"); // dots at 600 dpi
        QTest::newRow("9 points") << 9 << 75;
        QTest::newRow("72 points") << 72 << 600;
    }
    void textMeasuring() {
        QFETCH(int, points);
        QFETCH(int, height);
        TGmDocument doc;
        TGmFont& font = doc.Canvas().Font();
        font.SetSize(points);
        QCOMPARE(font.Height(), height);
        // Arial's metrics (Liberation Sans stands in with the same): M advances 1706/2048 em,
        // the cell is (1854 + 434)/2048 em high; unhinted, so exact at the font's size.
        const QString text = QStringLiteral("MMMMMMMMMM");
        const double em = height * 2540 / 600.0;
        QVERIFY(qAbs(doc.Canvas().TextWidth(text).Count() - 10 * em * 1706 / 2048) <= 1);
        QVERIFY(qAbs(doc.Canvas().TextHeight(text).Count() - em * 2288 / 2048) <= 1);
    }

    void fontSetByHeight_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("size");
        QTest::newRow("100 dots are 12 points") << 100 << 12;
        QTest::newRow("80 dots are 9.6 points, recorded as 10") << 80 << 10;
        QTest::newRow("no height is no size") << 0 << 0;
    }
    void fontSetByHeight() {
        QFETCH(int, height);
        QFETCH(int, size);
        TGmDocument doc;
        TGmCanvas& c = doc.Canvas();
        c.Font().SetHeight(height);
        QCOMPARE(c.Font().Size(), size);
        if (height > 0)
            QCOMPARE(c.Font().Height(), height);
        else
            QCOMPARE(c.TextWidth(QStringLiteral("wide")).Count(), 0);
        c.TextOut(0, 0, QStringLiteral("x"), TGmUnit::Twip);
        QCOMPARE(static_cast<const TGmTextObject&>(*doc.GetPage(1).Objects().front()).Font.Size,
                 size);
    }

    void marginChangesMarkEveryPage() {
        TGmDocument doc;
        drawOnEveryPage(doc, 2);
        doc.GetPage(1).RenderingDone();
        doc.GetPage(2).RenderingDone();
        doc.Margins().Right().SetCount(1000);
        QVERIFY(doc.GetPage(1).NeedsRendering());
        QVERIFY(doc.GetPage(2).NeedsRendering());
    }
};

QTEST_MAIN(Tst_gmdocument)
#include "tst_gmdocument.moc"
