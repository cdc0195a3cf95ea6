#include "PrintQueue.h"
#include "preview/ui/TGmPreview.h"
#include "preview/ui/TGmPrinter.h"

#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(TGmPaperSize)

// Printing through the engine to the test run's real CUPS queues (see PrintQueue.h).

namespace {

using namespace PrintQueue;

// A black rectangle at 50 dpi: its inside (3 pixels in from each edge) black, its surroundings
// (3 pixels out) white.
bool rectangleAt(const QImage& image, QRect r) {
    const QRect inside = r.adjusted(3, 3, -3, -3);
    const QRect outside = r.adjusted(-3, -3, 3, 3);
    return isBlack(image, inside.left(), inside.top()) &&
           isBlack(image, inside.right(), inside.bottom()) &&
           isBlack(image, inside.center().x(), inside.center().y()) &&
           isWhite(image, outside.left(), r.center().y()) &&
           isWhite(image, outside.right(), r.center().y()) &&
           isWhite(image, r.center().x(), outside.top()) &&
           isWhite(image, r.center().x(), outside.bottom());
}

// Page n's rectangle in inches: n/2 inches across, n/2 inches down, an inch by half an inch.
QRectF pageMark(int n) {
    return QRectF(n / 2.0, n / 2.0, 1.0, 0.5);
}

void drawMark(TGmDocument& doc, QRectF inches) {
    doc.Canvas().Rectangle(inches.left(), inches.top(), inches.right(), inches.bottom(),
                           TGmUnit::Inch);
}

QRect at50(QRectF inches) {
    return QRect(qRound(inches.left() * 50), qRound(inches.top() * 50), qRound(inches.width() * 50),
                 qRound(inches.height() * 50));
}

} // namespace

class Tst_gmprinter : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!m_queues.named())
            QSKIP("No test print queue: run through tools/test.sh, which sets one up.");
        m_queues.verifyUsable();
        QVERIFY(m_work.isValid());
    }

    void copiesOnPaper_data() {
        QTest::addColumn<TGmPaperSize>("paper");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("copies");
        QTest::addColumn<QSizeF>("points");
        QTest::newRow("two copies of three Letter pages")
            << TGmPaperSize::Letter << 3 << 2 << QSizeF(612, 792);
        QTest::newRow("one copy of two A4 pages")
            << TGmPaperSize::A4 << 2 << 1 << QSizeF(595.276, 841.89);
    }
    void copiesOnPaper() {
        QFETCH(TGmPaperSize, paper);
        QFETCH(int, pages);
        QFETCH(int, copies);
        QFETCH(QSizeF, points);
        TGmPreview preview;
        QVERIFY(preview.SelectPrinter(m_queues.queue));
        TGmDocument& doc = preview.Document();
        doc.SetPaperSize(paper);
        doc.SetCoordsRelativeTo(TGmCoordsRelativeTo::fromPrinterMargins);
        doc.Canvas().Brush().SetColor(Qt::black);
        for (int n = 1; n <= pages; ++n) {
            if (n > 1)
                doc.NewPage();
            drawMark(doc, pageMark(n));
        }
        doc.SetPrintCopies(copies);
        QString pdf;
        printToPdf(preview, pdf);
        if (QTest::currentTestFailed())
            return;
        const QList<QSizeF> sizes = pageSizes(pdf);
        QCOMPARE(sizes.size(), copies * pages);
        for (const QSizeF& s : sizes) {
            QVERIFY2(qAbs(s.width() - points.width()) < 1 && qAbs(s.height() - points.height()) < 1,
                     qPrintable(QStringLiteral("%1 x %2").arg(s.width()).arg(s.height())));
        }
        for (int sheet = 1; sheet <= copies * pages; ++sheet) {
            const QImage image = pageImage(pdf, sheet, m_work.path());
            QVERIFY(!image.isNull());
            const int page = (sheet - 1) % pages + 1;
            for (int n = 1; n <= pages; ++n)
                QVERIFY2(rectangleAt(image, at50(pageMark(n))) == (n == page),
                         qPrintable(QStringLiteral("sheet %1, page %2's mark").arg(sheet).arg(n)));
        }
    }

    void originAtThePrintableCorner_data() {
        QTest::addColumn<bool>("bordered");
        QTest::addColumn<TGmPaperSize>("paper");
        QTest::addColumn<QPointF>("corner"); // inches from the paper's corner
        QTest::newRow("a printer that marks the whole sheet")
            << false << TGmPaperSize::Letter << QPointF(0, 0);
        QTest::newRow("a printer with a border, Letter")
            << true << TGmPaperSize::Letter << QPointF(0.25, 0.5);
        QTest::newRow("a printer with a border, A4")
            << true << TGmPaperSize::A4 << QPointF(0.25, 0.5);
    }
    void originAtThePrintableCorner() {
        QFETCH(bool, bordered);
        QFETCH(TGmPaperSize, paper);
        QFETCH(QPointF, corner);
        TGmPreview preview;
        QVERIFY(preview.SelectPrinter(bordered ? m_queues.marginQueue : m_queues.queue));
        TGmDocument& doc = preview.Document();
        doc.SetPaperSize(paper);
        doc.SetCoordsRelativeTo(TGmCoordsRelativeTo::fromPrinterMargins);
        const TGmValueRect margins = doc.Margins().PrinterMargins();
        QCOMPARE(margins.Left.AsInches(), corner.x());
        QCOMPARE(margins.Top.AsInches(), corner.y());
        QCOMPARE(margins.Right.AsInches(), corner.x());
        QCOMPARE(margins.Bottom.AsInches(), corner.y());
        doc.Canvas().Brush().SetColor(Qt::black);
        doc.Canvas().Rectangle(0, 0, 1440, 720, TGmUnit::Twip);
        QString pdf;
        printToPdf(preview, pdf);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(
            rectangleAt(pageImage(pdf, 1, m_work.path()), at50(QRectF(corner, QSizeF(1, 0.5)))));
    }

private:
    // Prints the document under a title of its own and finds the PDF the queue made of it.
    void printToPdf(TGmPreview& preview, QString& pdf) {
        const QString title = uniqueTitle(QStringLiteral("ixvengine"));
        preview.Document().SetTitle(title);
        QCOMPARE(preview.Print(), TGmPrintResult::Printed);
        m_queues.findPdf(preview.Printer().PrinterName(), title, pdf);
    }

    Queues m_queues;
    QTemporaryDir m_work;
};

QTEST_MAIN(Tst_gmprinter)
#include "tst_gmprinter.moc"
