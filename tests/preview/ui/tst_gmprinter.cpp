#include "TestEnv.h"
#include "preview/ui/TGmPreview.h"
#include "preview/ui/TGmPrinter.h"

#include <QDir>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(TGmPaperSize)

// Printing through the engine to real CUPS queues that write PDF files (cups-pdf), set up by
// tools/cups-test-queue.sh: IXV_TEST_PRINT_QUEUE names a queue that marks the whole sheet,
// IXV_TEST_PRINT_MARGIN_QUEUE one with an unprintable border, and IXV_TEST_PRINT_DIR the folder
// their files go to. Without them (run outside the test script) the tests are skipped;
// with them, a queue that cannot be used fails the tests.

namespace {

struct Output {
    bool ok = false;
    QByteArray text;
};

// What a program wrote, and whether it ran and succeeded.
Output runProgram(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted(-1) || !p.waitForFinished(-1))
        return {};
    return {p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0, p.readAllStandardOutput()};
}

QByteArray run(const QString& program, const QStringList& args) {
    return runProgram(program, args).text;
}

// Page sizes in points, one per page, as pdfinfo reads them.
QList<QSizeF> pageSizes(const QString& pdf) {
    const QString out =
        QString::fromUtf8(run(QStringLiteral("pdfinfo"), {"-f", "1", "-l", "1000", pdf}));
    QList<QSizeF> sizes;
    static const QRegularExpression line(
        QStringLiteral(R"(Page\s+\d+ size:\s+([\d.]+) x ([\d.]+) pts)"));
    for (auto it = line.globalMatch(out); it.hasNext();) {
        const auto m = it.next();
        sizes << QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    return sizes;
}

// Page n of the PDF at 50 dots per inch.
QImage pageImage(const QString& pdf, int n, const QString& folder) {
    const QString out = folder + QStringLiteral("/page%1").arg(n);
    run(QStringLiteral("pdftoppm"), {"-r", "50", "-f", QString::number(n), "-l", QString::number(n),
                                     "-singlefile", "-png", pdf, out});
    return QImage(out + QStringLiteral(".png"));
}

bool isBlack(const QImage& image, int x, int y) {
    return image.valid(x, y) && qGray(image.pixel(x, y)) < 64;
}
// Beyond the paper's edge counts as white.
bool isWhite(const QImage& image, int x, int y) {
    return !image.valid(x, y) || qGray(image.pixel(x, y)) > 192;
}

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
        m_queue = qEnvironmentVariable("IXV_TEST_PRINT_QUEUE");
        m_marginQueue = qEnvironmentVariable("IXV_TEST_PRINT_MARGIN_QUEUE");
        m_folder = qEnvironmentVariable("IXV_TEST_PRINT_DIR");
        if (m_queue.isEmpty())
            QSKIP("No test print queue: run through tools/test.sh, which sets one up.");
        QVERIFY2(!m_folder.isEmpty() && QDir(m_folder).exists(),
                 "IXV_TEST_PRINT_DIR does not name the queues' output folder.");
        for (const QString& queue : {m_queue, m_marginQueue})
            QVERIFY2(
                !QPrinterInfo::printerInfo(queue).isNull(),
                qPrintable(QStringLiteral("The print queue \"%1\" is not installed.").arg(queue)));
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
        QVERIFY(preview.SelectPrinter(m_queue));
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
        QVERIFY(preview.SelectPrinter(bordered ? m_marginQueue : m_queue));
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

    void landscapePageOnPaper() {
        TGmPreview preview;
        QVERIFY(preview.SelectPrinter(m_queue));
        TGmDocument& doc = preview.Document();
        doc.SetPaperSize(TGmPaperSize::Letter);
        doc.Canvas().Brush().SetColor(Qt::black);
        const QRectF mark(1, 2, 2, 0.5);
        drawMark(doc, mark);
        doc.SetOrientation(gmLandscape);
        doc.GetPage(1).SetPortrait();
        doc.NewPage();
        drawMark(doc, mark);
        QString pdf;
        printToPdf(preview, pdf);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(pageSizes(pdf).size(), 2);
        QVERIFY(rectangleAt(pageImage(pdf, 1, m_work.path()), at50(mark)));
        // The landscape page comes out across its sheet: turned a quarter turn to the left on
        // a portrait page, or upright on a landscape one.
        const QImage turned = pageImage(pdf, 2, m_work.path());
        if (turned.width() > turned.height()) {
            QVERIFY(rectangleAt(turned, at50(mark)));
        } else {
            const QRectF left(mark.top(), 11 - mark.right(), mark.height(), mark.width());
            QVERIFY(rectangleAt(turned, at50(left)));
        }
    }

private:
    QString uniqueTitle() {
        return QStringLiteral("ixvengine%1n%2")
            .arg(QCoreApplication::applicationPid())
            .arg(++m_jobs);
    }

    // Prints the document under a title of its own, waits until the queue has finished every
    // job, then finds the sound PDF the job made.
    void printToPdf(TGmPreview& preview, QString& pdf) {
        const QString title = uniqueTitle();
        preview.Document().SetTitle(title);
        QCOMPARE(preview.Print(), TGmPrintResult::Printed);
        // A scheduler that stopped answering ends the wait; the missing file then says so.
        const QString queue = preview.Printer().PrinterName();
        auto idle = [&queue] {
            const Output jobs = runProgram(QStringLiteral("lpstat"), {"-o", queue});
            return !jobs.ok || jobs.text.trimmed().isEmpty();
        };
        IXV_TRY_VERIFY(idle());
        const QStringList made =
            QDir(m_folder).entryList({title + QStringLiteral("*.pdf")}, QDir::Files);
        QVERIFY2(made.size() == 1,
                 qPrintable(QStringLiteral("The queue finished without leaving one PDF named "
                                           "after %1 in %2: %3")
                                .arg(title, m_folder, made.join(QLatin1Char(' ')))));
        pdf = m_folder + QLatin1Char('/') + made.front();
        QVERIFY2(run(QStringLiteral("qpdf"), {"--check", pdf}).contains("No syntax or stream"),
                 qPrintable(pdf + QStringLiteral(" is not a sound PDF")));
    }

    QString m_queue;
    QString m_marginQueue;
    QString m_folder;
    QTemporaryDir m_work;
    int m_jobs = 0;
};

QTEST_MAIN(Tst_gmprinter)
#include "tst_gmprinter.moc"
