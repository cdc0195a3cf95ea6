#include "../FakePrinter.h"
#include "preview/ui/TGmPaperImage.h"
#include "preview/ui/TGmPreview.h"

#include <QScrollBar>
#include <QtTest>

Q_DECLARE_METATYPE(TGmPaperSize)

namespace {

// A preview showing Letter pages as the print preview window sets it up.
struct Shown {
    TGmPreview preview;
    explicit Shown(QSize size = {600, 700}, int zoom = 51, int gutter = 4) {
        preview.setFrameShape(QFrame::NoFrame);
        preview.SetGutter(gutter);
        TGmDocument& doc = preview.Document();
        doc.SetPaperSize(TGmPaperSize::Letter);
        doc.SetMaxZoom(400);
        doc.SetZoom(zoom);
        preview.resize(size);
        preview.show();
    }
    QImage image() { return preview.PaperImage().grab().toImage(); }
};

QColor at(const QImage& image, QPoint p) {
    return QColor(image.pixel(p));
}

// The most memory this process has held, in kilobytes.
qint64 peakResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toLongLong();
    return -1;
}

} // namespace

class Tst_gmpreview : public QObject {
    Q_OBJECT
private slots:
    // Letter at 51% is 416.16 x 538.56 pixels, with a gutter of 4 around it.
    void imageSize() {
        Shown shown({300, 300});
        QCOMPARE(shown.preview.PaperImage().size(), QSize(416 + 8, 539 + 8));
        QCOMPARE(shown.preview.PagePicture().size(), QSize(416, 539));
    }

    void placement_data() {
        QTest::addColumn<QSize>("view");
        QTest::addColumn<bool>("scrollsAcross");
        QTest::addColumn<bool>("scrollsDown");
        QTest::newRow("fits both ways: centred") << QSize(601, 700) << false << false;
        QTest::newRow("too wide and tall: scrolls both ways") << QSize(200, 200) << true << true;
    }
    void placement() {
        QFETCH(QSize, view);
        QFETCH(bool, scrollsAcross);
        QFETCH(bool, scrollsDown);
        Shown shown(view);
        TGmPreview& p = shown.preview;
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        const QSize image = p.PaperImage().size();
        const QSize viewport = p.viewport()->size();
        QCOMPARE(p.horizontalScrollBar()->maximum() > 0, scrollsAcross);
        QCOMPARE(p.verticalScrollBar()->maximum() > 0, scrollsDown);
        p.horizontalScrollBar()->setValue(30);
        p.verticalScrollBar()->setValue(40);
        const int x = scrollsAcross ? -30 : viewport.width() / 2 - image.width() / 2;
        const int y = scrollsDown ? -40 : viewport.height() / 2 - image.height() / 2;
        QCOMPARE(p.PaperImage().pos(), QPoint(x, y));
    }

    void showsTheCurrentPage() {
        Shown shown;
        TGmDocument& doc = shown.preview.Document();
        doc.Canvas().Brush().SetColor(Qt::black);
        doc.Canvas().Rectangle(1, 1, 2, 2, TGmUnit::Inch);
        // An inch is 48.96 pixels at 51%.
        QCOMPARE(at(shown.image(), {4 + 73, 4 + 73}), QColor(Qt::black));
        doc.NewPage();
        QCOMPARE(at(shown.image(), {4 + 73, 4 + 73}), QColor(Qt::white));
        doc.Canvas().Rectangle(3, 1, 4, 2, TGmUnit::Inch);
        QCOMPARE(at(shown.image(), {4 + 171, 4 + 73}), QColor(Qt::black));
        doc.PrevPage();
        QCOMPARE(at(shown.image(), {4 + 73, 4 + 73}), QColor(Qt::black));
        QCOMPARE(at(shown.image(), {4 + 171, 4 + 73}), QColor(Qt::white));
    }

    void batchHidesPageContents() {
        Shown shown;
        TGmDocument& doc = shown.preview.Document();
        doc.Canvas().Brush().SetColor(Qt::black);
        doc.BeginBatch();
        doc.Canvas().Rectangle(1, 1, 2, 2, TGmUnit::Inch);
        QCOMPARE(at(shown.image(), {4 + 73, 4 + 73}), QColor(Qt::white));
        doc.EndBatch();
        QCOMPARE(at(shown.image(), {4 + 73, 4 + 73}), QColor(Qt::black));
    }

    void thinLinesStayVisible() {
        Shown shown;
        TGmCanvas& c = shown.preview.Document().Canvas();
        c.Pen().SetWidth(1);
        c.Line(1, 3, 5, 3, TGmUnit::Inch);
        c.Pen().SetWidth(4); // 8 dots at 600 dpi, under a pixel at 51%
        c.Line(1, 4, 5, 4, TGmUnit::Inch);
        const QImage image = shown.image();
        auto darkest = [&image](int x, int y) {
            int d = 255;
            for (int dy = -1; dy <= 1; ++dy)
                d = std::min(d, qGray(image.pixel(x, y + dy)));
            return d;
        };
        QVERIFY(darkest(4 + 150, 4 + 147) < 128);
        QVERIFY(darkest(4 + 150, 4 + 196) < 128);
    }

    void tenPagesShownKeepToLittleMemory() {
        Shown shown;
        TGmDocument& doc = shown.preview.Document();
        doc.SetMaxZoom(100);
        doc.SetZoom(100);
        TGmCanvas& c = doc.Canvas();
        c.SetUnit(TGmUnit::Twip);
        for (int page = 1; page <= 10; ++page) {
            if (page > 1)
                doc.NewPage();
            for (int line = 0; line < 45; ++line)
                c.TextOut(720, 720 + line * 300,
                          QStringLiteral("%1. A clue of some eighty "
                                         "characters, as long as they come")
                              .arg(line));
            for (int square = 0; square < 400; ++square)
                c.Rectangle(720 + square % 20 * 500, 720 + square / 20 * 500,
                            1221 + square % 20 * 500, 1221 + square / 20 * 500);
        }
        doc.FirstPage();
        for (int page = 1; page <= 10; ++page, doc.NextPage()) {
            QCOMPARE(doc.CurrentPage(), page);
            QVERIFY(!shown.image().isNull());
        }
        // A 600-dpi picture of one Letter page alone would take 134 MB.
        const qint64 peak = peakResidentKb();
        QVERIFY2(peak > 0 && peak < 150 * 1024, qPrintable(QString::number(peak)));
    }

    void noPrinter() {
        Shown shown;
        QVERIFY(!shown.preview.SelectPrinter(QStringLiteral("IxenvarNoSuchPrinter")));
        QCOMPARE(shown.preview.Print(), TGmPrintResult::NoPrinter);
        QCOMPARE(shown.preview.PrintError(), QStringLiteral("No printer is installed."));
        QCOMPARE(shown.preview.PaperImage().size(), QSize(424, 547)); // pages still show
    }
};

QTEST_MAIN(Tst_gmpreview)
#include "tst_gmpreview.moc"
