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
