// The grid pictures: what each kind draws where, the EPS rendered by Ghostscript to the
// picture a real SVG renderer draws from the SVG, and the PNG.
//
// Hand-worked text positions (Arial's advance widths in 2048ths of an em, cell height 2288
// 2048ths, so TW = round(advance x height / 2288)): at height 10 the label "A" (1366) is 6
// wide and "aa" (2 x 1139) 10; at 28 an apostrophe (391) is 5 and a hyphen (682) 8; at 16 "A"
// and "B" (1366) and "C" (1479) are 10, an apostrophe 3 and a hyphen 5; bold at 22 "A", "B",
// "C" (1479) are 14, an apostrophe (487) 5 and a hyphen 7.
#include "OutputFixtures.h"
#include "TestPuzzles.h"
#include "output/GridImageFiles.h"

#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Row 1: A (word 1, letter 1), apostrophe, black. Row 2: B (in no word), hyphen, C (word 27).
PuzzleRecord smallPuzzle() {
    TestPuzzle p({"A'#", "B-C"});
    p.letter(1, 1, 1, 1).letter(27, 1, 3, 2);
    return p.record;
}

QStringList describe(const GridImage& image) {
    QStringList out;
    for (const GridImage::Item& item : image.items) {
        if (const auto* s = std::get_if<GridImage::Square>(&item))
            out << QString::asprintf("square %d %d %d %d %s", s->x1, s->y1, s->x2, s->y2,
                                     s->black ? "black" : "white");
        else if (const auto* t = std::get_if<GridImage::Text>(&item))
            out << QString::asprintf("text %d %d %d%s %s", t->x, t->y, t->height,
                                     t->bold ? " bold" : "", t->text.constData());
    }
    return out;
}

QImage renderSvg(const QByteArray& svg, int scale) {
    QSvgRenderer renderer(svg);
    QImage image(renderer.viewBox().size() * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), image.size()));
    return image;
}

// The EPS as Ghostscript draws it, or a null image with the reason.
QImage renderEps(const QByteArray& eps, int scale, QString* why) {
    const QString gs = QStandardPaths::findExecutable(QStringLiteral("gs"));
    if (gs.isEmpty()) {
        *why = QStringLiteral("Ghostscript is not installed");
        return {};
    }
    QTemporaryDir dir;
    QFile file(dir.filePath("grid.eps"));
    if (!file.open(QIODevice::WriteOnly) || file.write(eps) != eps.size())
        return {};
    file.close();
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(gs,
            {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-dEPSCrop", "-sDEVICE=png16m",
             "-dTextAlphaBits=4", "-dGraphicsAlphaBits=4", QStringLiteral("-r%1").arg(72 * scale),
             "-sOutputFile=" + dir.filePath("grid.png"), file.fileName()});
    p.waitForFinished(-1);
    QImage image(dir.filePath("grid.png"));
    if (image.isNull())
        *why = QStringLiteral("Ghostscript drew nothing: ") + QString::fromLocal8Bit(p.readAll());
    return image;
}

bool dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// Dark pixels of `a` with no dark pixel of `b` within `reach` pixels, and all dark pixels.
struct Match {
    int unmatched = 0;
    int dark = 0;
};
Match matchDarkPixels(const QImage& a, const QImage& b, int reach) {
    Match m;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (!dark(a, x, y))
                continue;
            ++m.dark;
            bool found = false;
            for (int dy = -reach; dy <= reach && !found; ++dy)
                for (int dx = -reach; dx <= reach && !found; ++dx)
                    found = b.rect().contains(x + dx, y + dy) && dark(b, x + dx, y + dy);
            m.unmatched += found ? 0 : 1;
        }
    }
    return m;
}

} // namespace

Q_DECLARE_METATYPE(GridImageKind)

class Tst_GridImage : public QObject {
    Q_OBJECT

private slots:
    void layoutOfEachKind_data() {
        QTest::addColumn<GridImageKind>("kind");
        QTest::addColumn<QStringList>("items");
        const QStringList squares = {
            "square 1 1 32 32 white",  "square 31 1 62 32 white",  "square 61 1 92 32 black",
            "square 1 31 32 62 white", "square 31 31 62 62 white", "square 61 31 92 62 white",
        };
        QTest::newRow("solving grid: numbers and labels; punctuation large and unnumbered; no "
                      "label outside a word")
            << GridImageKind::SolvingGrid
            << QStringList{
                   squares[0], "text 3 2 10 1",   "text 23 2 10 A",  squares[1], "text 43 8 28 '",
                   squares[2], squares[3],        "text 3 32 10 2",  squares[4], "text 42 38 28 -",
                   squares[5], "text 63 32 10 3", "text 79 32 10 aa"};
        QTest::newRow("solution grid: every character bold and large, punctuation too")
            << GridImageKind::SolutionGrid
            << QStringList{squares[0],
                           "text 9 5 22 bold A",
                           squares[1],
                           "text 43 5 22 bold '",
                           squares[2],
                           squares[3],
                           "text 9 35 22 bold B",
                           squares[4],
                           "text 42 35 22 bold -",
                           squares[5],
                           "text 69 35 22 bold C"};
        QTest::newRow("manuscript solution grid: numbers, labels and letters; punctuation "
                      "without a number")
            << GridImageKind::ManuscriptSolutionGrid
            << QStringList{
                   squares[0],       "text 3 2 10 1",   "text 23 2 10 A",   "text 11 14 16 A",
                   squares[1],       "text 44 14 16 '", squares[2],         squares[3],
                   "text 3 32 10 2", "text 11 44 16 B", squares[4],         "text 43 44 16 -",
                   squares[5],       "text 63 32 10 3", "text 79 32 10 aa", "text 71 44 16 C"};
    }
    void layoutOfEachKind() {
        QFETCH(GridImageKind, kind);
        const GridImage image = layoutGridImage(smallPuzzle(), kind);
        QCOMPARE(image.size, QSize(92, 62));
        QTEST(describe(image), "items");
    }

    void epsDrawsTheSamePicture_data() {
        QTest::addColumn<PuzzleRecord>("record");
        QTest::addColumn<GridImageKind>("kind");
        QTest::newRow("manuscript solution grid: numbers, labels and letters")
            << emersonPuzzle() << GridImageKind::ManuscriptSolutionGrid;
        QTest::newRow("solution grid: bold code-page letters, apostrophe, hyphen, parentheses")
            << TestPuzzle({"\xC9\x8A'-(", ")\xDC\\#A"}).record << GridImageKind::SolutionGrid;
    }
    void epsDrawsTheSamePicture() {
        QFETCH(PuzzleRecord, record);
        QFETCH(GridImageKind, kind);
        const GridImage image = layoutGridImage(record, kind);
        const QByteArray eps = GridImageFiles::eps(image, "Puzzle.ixv");
        const QString box = QStringLiteral("%%BoundingBox: 0 0 %1 %2\n")
                                .arg(image.size.width())
                                .arg(image.size.height());
        QVERIFY(eps.startsWith("%!PS-Adobe-3.0 EPSF-3.0\n"));
        QVERIFY(eps.contains(box.toLatin1()));
        QVERIFY(eps.contains("%%Creator: Ixenvar6\n%%Title: Puzzle.ixv\n"));
        const int scale = 2;
        QString why;
        const QImage drawn = renderEps(eps, scale, &why);
        if (drawn.isNull())
            QSKIP(qPrintable(why));
        const QImage expected = renderSvg(GridImageFiles::svg(image, {}), scale);
        QCOMPARE(drawn.size(), expected.size());
        // The two fonts draw a few glyphs a little differently (Helvetica's "1" has no foot):
        // a few stray pixels may differ, any misplaced square or text would not.
        for (const Match& m :
             {matchDarkPixels(drawn, expected, 2), matchDarkPixels(expected, drawn, 2)}) {
            QVERIFY(m.dark > 0);
            QVERIFY2(m.unmatched * 200 <= m.dark,
                     qPrintable(QStringLiteral("%1 of %2").arg(m.unmatched).arg(m.dark)));
        }
    }

    // Four pixels a unit, marked as such, so that the picture prints at the same size as the
    // vector one.
    void pngAtFourPixelsAUnit() {
        const GridImage image = layoutGridImage(emersonPuzzle(), GridImageKind::SolutionGrid);
        const QImage png = QImage::fromData(GridImageFiles::png(image, 4), "PNG");
        QCOMPARE(png.size(), QSize(482, 242) * 4);
        QCOMPARE(qRound(png.dotsPerMeterX() * 0.0254), 288);
        QVERIFY(dark(png, (1 + 3 * 30 + 15) * 4, 15 * 4)); // square (4, 1) is black
        QVERIFY(!dark(png, (1 + 4) * 4, (1 + 28) * 4));
    }
};

QTEST_MAIN(Tst_GridImage)
#include "tst_gridimage.moc"
