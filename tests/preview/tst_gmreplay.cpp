#include "preview/GmPage.h"
#include "preview/GmReplay.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

Q_DECLARE_METATYPE(TGmPenStyle)

namespace {

constexpr qint32 kInch = 2540;

// A 3-inch square page, small enough to draw at 600 dpi in a test.
TGmPage squarePage() {
    TGmValueSize size;
    size.Height.SetInches(3);
    size.Width.SetInches(3);
    return TGmPage(gmPortrait, size);
}

QImage render(const TGmPage& page, int dpi, bool replaceTokens = false,
              const TGmPageDecor& decor = {}) {
    const int side = page.Size().Width.AsDots(dpi);
    QImage image(side, side, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    TGmReplayTarget target;
    target.DpiX = target.DpiY = dpi;
    target.ReplaceTokens = replaceTokens;
    target.Now = QDateTime(QDate(2024, 3, 5), QTime(9, 7));
    ReplayPage(painter, page, decor, target);
    return image;
}

std::shared_ptr<TGmLineObject> line(qint32 x1, qint32 y1, qint32 x2, qint32 y2,
                                    TGmPenSnapshot pen) {
    auto l = std::make_shared<TGmLineObject>();
    l->Left = x1;
    l->Top = y1;
    l->Right = x2;
    l->Bottom = y2;
    l->Pen = pen;
    return l;
}

std::shared_ptr<TGmTextObject> text(qint32 x, qint32 y, const QString& s, int size,
                                    TGmBrushSnapshot brush = {QColor(Qt::white),
                                                              TGmBrushStyle::Clear}) {
    auto t = std::make_shared<TGmTextObject>();
    t->Left = x;
    t->Top = y;
    t->Text = s;
    t->Font.Size = size;
    t->Brush = brush;
    return t;
}

// The longest run of non-white dots down column x.
int thicknessAt(const QImage& image, int x) {
    int best = 0;
    int run = 0;
    for (int y = 0; y < image.height(); ++y) {
        run = image.pixel(x, y) != qRgb(255, 255, 255) ? run + 1 : 0;
        best = std::max(best, run);
    }
    return best;
}

QColor at(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y));
}

} // namespace

class Tst_gmreplay : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void penWidths_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<TGmPenStyle>("style");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("dots");
        QTest::newRow("a point at 600 dpi: 8.33 dots, 8") << 4 << TGmPenStyle::Solid << 600 << 8;
        QTest::newRow("below 2 quarter points: one dot") << 1 << TGmPenStyle::Solid << 600 << 1;
        // Dotted: the margin outlines.
        QTest::newRow("dotted three points keep 25 dots") << 12 << TGmPenStyle::Dot << 600 << 25;
    }
    void penWidths() {
        QFETCH(int, width);
        QFETCH(TGmPenStyle, style);
        QFETCH(int, dpi);
        TGmPenSnapshot pen;
        pen.Width = width;
        pen.Style = style;
        TGmPage page = squarePage();
        page.AddObject(line(kInch / 2, kInch, 5 * kInch / 2, kInch, pen));
        const QImage image = render(page, dpi);
        int drawn = 0;
        for (int x = dpi; x < 2 * dpi; x += 7) // across dashes and gaps
            drawn = std::max(drawn, thicknessAt(image, x));
        QTEST(drawn, "dots");
    }

    void squareCaps() {
        TGmPenSnapshot pen;
        pen.Width = 8; // 17 dots at 600 dpi
        TGmPage page = squarePage();
        page.AddObject(line(kInch, kInch, 2 * kInch, kInch, pen));
        const QImage image = render(page, 600);
        QCOMPARE(at(image, 1200 + 6, 600), QColor(Qt::black)); // the cap goes on past the end
        QCOMPARE(at(image, 1200 + 12, 600), QColor(Qt::white));
        QCOMPARE(at(image, 600 - 6, 600), QColor(Qt::black));
    }

    void rectangle_data() {
        QTest::addColumn<int>("dpi");
        QTest::newRow("600 dpi") << 600;
        QTest::newRow("150 dpi") << 150;
    }
    void rectangle() {
        QFETCH(int, dpi);
        auto r = std::make_shared<TGmRectangleShape>();
        r->Left = kInch;
        r->Top = kInch;
        r->Right = 2 * kInch;
        r->Bottom = 2 * kInch;
        r->Pen.Width = 8;
        r->Pen.Color = Qt::red;
        r->Brush = {QColor(Qt::green), TGmBrushStyle::Solid};
        TGmPage page = squarePage();
        page.AddObject(r);
        const QImage image = render(page, dpi);
        const int half = (ReplayPen(r->Pen, dpi).width() - 1) / 2 - 1; // inside the outline
        QCOMPARE(at(image, dpi + dpi / 2, dpi + dpi / 2), QColor(Qt::green));
        QCOMPARE(at(image, dpi, dpi + dpi / 2), QColor(Qt::red));
        QCOMPARE(at(image, 2 * dpi + half, 2 * dpi + half), QColor(Qt::red)); // mitred corner
        QCOMPARE(at(image, dpi + dpi / 2, dpi - half - 3), QColor(Qt::white));
        QCOMPARE(at(image, 2 * dpi + half + 3, dpi + dpi / 2), QColor(Qt::white));
    }

    // A clear brush leaves what is under a rectangle, or under text, which the program always
    // draws with a clear brush: the top of a 24-point cell lies clear of its glyphs.
    void clearBrushLeavesWhatIsUnder() {
        auto under = std::make_shared<TGmRectangleShape>();
        under->Right = under->Bottom = 3 * kInch;
        under->Brush = {QColor(Qt::green), TGmBrushStyle::Solid};
        auto over = std::make_shared<TGmRectangleShape>();
        over->Left = over->Top = kInch;
        over->Right = over->Bottom = 2 * kInch;
        over->Brush.Style = TGmBrushStyle::Clear;
        TGmPage page = squarePage();
        page.AddObject(under);
        page.AddObject(over);
        page.AddObject(text(kInch / 4, kInch / 4, QStringLiteral("WWW"), 24,
                            {QColor(Qt::yellow), TGmBrushStyle::Clear}));
        const QImage image = render(page, 150);
        QCOMPARE(at(image, 225, 225), QColor(Qt::green));
        QCOMPARE(at(image, 225, 150), QColor(Qt::black));
        QCOMPARE(at(image, 40, 40), QColor(Qt::green));
    }

    void tokens_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("page of pages") << "{PAGE} of {NUMPAGES}"
                                       << "2 of 5";
        QTest::newRow("every occurrence") << "{PAGE}{PAGE}"
                                          << "22";
        QTest::newRow("lower case is no token") << "{page}"
                                                << "{page}";
    }
    void tokens() {
        QFETCH(QString, text);
        QTEST(ReplaceTokens(text, 2, 5, QDateTime(QDate(2024, 3, 5), QTime(9, 7))), "shown");
    }

    void pageNumberShownInTheViewPrintedAsRecorded() {
        TGmPageList pages;
        pages.Append();
        TGmPage& second = pages.Page(2);
        second.SetLayout(gmPortrait, squarePage().Size());
        second.AddObject(text(kInch / 4, kInch / 4, QStringLiteral("{PAGE}"), 30));
        TGmPage literal2 = squarePage();
        literal2.AddObject(text(kInch / 4, kInch / 4, QStringLiteral("2"), 30));
        TGmPage literalToken = squarePage();
        literalToken.AddObject(text(kInch / 4, kInch / 4, QStringLiteral("{PAGE}"), 30));
        QCOMPARE(render(second, 150, true), render(literal2, 150));
        QCOMPARE(render(second, 150, false), render(literalToken, 150));
        QVERIFY(render(literal2, 150) != render(literalToken, 150));
    }
};

QTEST_MAIN(Tst_gmreplay)
#include "tst_gmreplay.moc"
