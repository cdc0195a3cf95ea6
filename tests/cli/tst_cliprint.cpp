// ixenvar-cli print run as a real process: its refusals for want of a printer, and the pages it
// hands to the test run's real CUPS queues (see PrintQueue.h), read back from the queue's PDF: how
// many, their paper, and a grid page's black squares and frame where the composer put them.
#include "../output/OutputFixtures.h"
#include "CliRun.h"
#include "PrintQueue.h"
#include "TestPuzzles.h"
#include "output/PrintPageTarget.h"
#include "output/SolutionText.h"
#include "prefs/SettingsCatalogue.h"
#include "preview/GmDocument.h"
#include "preview/ui/TGmPrinter.h"
#include "puzzle/PuzzleFile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace PrintQueue;

namespace {

// Pixels at dpi of a point in hundredths of a millimetre from the paper's corner.
QPoint at(int dpi, qint32 x, qint32 y) {
    return QPoint(qRound(x * dpi / 2540.0), qRound(y * dpi / 2540.0));
}

bool darkNear(const QImage& image, QPoint p, int tolerance) {
    for (int dy = -tolerance; dy <= tolerance; ++dy)
        for (int dx = -tolerance; dx <= tolerance; ++dx)
            if (isBlack(image, p.x() + dx, p.y() + dy))
                return true;
    return false;
}

} // namespace

class Tst_CliPrint : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    Queues m_queues;
    QString m_puzzle;

    // Prints with the CLI under a title of its own and finds the PDF the queue made.
    void printToPdf(const QString& queue, const QStringList& options, QString& pdf) {
        const QString title = uniqueTitle(QStringLiteral("ixvcli"));
        const CliRun run =
            cli(QStringList{"print", m_puzzle, "--printer", queue, "--title", title} + options);
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY2(run.out.contains(QStringLiteral("sent to ") + queue), qPrintable(run.out));
        m_queues.findPdf(queue, title, pdf);
    }
    void requireQueues() {
        if (m_queues.queue.isEmpty())
            QSKIP("No test print queue: run through tools/test.sh, which sets one up.");
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_puzzle = m_dir.filePath(QStringLiteral("Emerson.ixv"));
        PuzzleFile::SavePuzzle(m_puzzle, completedEmersonPuzzle());
        if (m_queues.named())
            m_queues.verifyUsable();
    }
    void init() { QFile::remove(TestEnv::settingsPath()); }

    // The printer named or the default one must exist; the scheduler that cannot be reached has
    // none. The command's wrong arguments and the files it cannot read are in tst_cli.
    void printerRefusals_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("noCups");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such printer") << QStringList{"--printer", "NoSuchQueue"} << false
                                         << "There is no printer named \"NoSuchQueue\".\n";
        QTest::newRow("no printer at all") << QStringList{} << true << "No printer is installed.\n";
    }
    void printerRefusals() {
        QFETCH(QStringList, args);
        QFETCH(bool, noCups);
        QProcessEnvironment env;
        if (noCups) {
            env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("CUPS_SERVER"), m_dir.filePath(QStringLiteral("no.sock")));
        }
        const CliRun run = cli(QStringList{"print", m_puzzle} + args, env);
        QCOMPARE(run.exitCode, 1);
        QTEST(run.err, "message");
        QCOMPARE(run.out, QString());
    }

    void pagesAndCopies_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("paperSetting");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QSizeF>("points");
        const QSizeF letter(612, 792);
        QTest::newRow("two copies of three pages")
            << QStringList{"--pages", "sg,pp", "--copies", "2"} << 0 << 6 << letter;
        // Two manuscript pages at the widest bottom margin, its grid and solution pages, the three
        // grid pages, the puzzle page and its solution page.
        QTest::newRow("every page kind")
            << QStringList{"--pages", "ms,msg,ng,sg,pp", "--margin", "9", "--gray"} << 0 << 9
            << letter;
        QTest::newRow("the puzzle page on A4")
            << QStringList{"--pages", "pp"} << 1 << 2 << QSizeF(595.276, 841.89);
    }
    void pagesAndCopies() {
        requireQueues();
        QFETCH(QStringList, options);
        QFETCH(int, paperSetting);
        QFETCH(int, pages);
        QFETCH(QSizeF, points);
        QCOMPARE(cli({"config", "set-int", "PaperSize", QString::number(paperSetting)}).exitCode,
                 0);
        QString pdf;
        printToPdf(m_queues.queue, options, pdf);
        if (QTest::currentTestFailed())
            return;
        const QList<QSizeF> sizes = pageSizes(pdf);
        QCOMPARE(sizes.size(), pages);
        for (const QSizeF& s : sizes)
            QVERIFY2(qAbs(s.width() - points.width()) < 1 && qAbs(s.height() - points.height()) < 1,
                     qPrintable(QStringLiteral("%1 x %2").arg(s.width()).arg(s.height())));
    }

    void gridPageOnPaper_data() {
        QTest::addColumn<bool>("bordered");
        QTest::addColumn<bool>("gray");
        QTest::newRow("black squares, a printer with a border") << true << false;
        QTest::newRow("gray squares, a printer that marks the whole sheet") << false << true;
    }
    void gridPageOnPaper() {
        requireQueues();
        QFETCH(bool, bordered);
        QFETCH(bool, gray);
        const QString queue = bordered ? m_queues.marginQueue : m_queues.queue;
        QStringList options{"--pages", "ng,pp"};
        if (gray)
            options << "--gray";
        QString pdf;
        printToPdf(queue, options, pdf);
        if (QTest::currentTestFailed())
            return;

        // Where the composer puts the squares, as the engine records them for this printer.
        TGmPrinter printer;
        QVERIFY(printer.SetPrinterName(queue));
        TGmDocument document;
        PrintDocument::setUp(document);
        document.SetPrinterFacts(&printer);
        const PuzzleRecord rec = completedEmersonPuzzle();
        ComposerOptions composed;
        composed.manuscript = false;
        composed.numberedGrid = true;
        composed.blackSquareColour = ComposerOptions::blackSquareColourFor(gray);
        composed.solutionLines = SolutionText(rec).lines();
        auto settings = emptySettings();
        PrintDocument::compose(document, rec, *settings, composed, nullptr);

        constexpr int dpi = 100;
        const QImage image = pageImage(pdf, 1, m_dir.path(), dpi);
        QVERIFY(!image.isNull());
        int black = 0, white = 0;
        bool frame = false;
        for (const auto& object : document.GetPage(1).Objects()) {
            if (object->Kind() != TGmObjectKind::Rectangle)
                continue;
            const auto& r = static_cast<const TGmRectangleShape&>(*object);
            const QPoint topLeft = at(dpi, r.Left, r.Top);
            const QPoint bottomRight = at(dpi, r.Right, r.Bottom);
            if (r.Pen.Width == 4) {
                // The frame's four sides, a pixel or two either way.
                const QPoint middle = (topLeft + bottomRight) / 2;
                QVERIFY(darkNear(image, QPoint(middle.x(), topLeft.y()), 2));
                QVERIFY(darkNear(image, QPoint(middle.x(), bottomRight.y()), 2));
                QVERIFY(darkNear(image, QPoint(topLeft.x(), middle.y()), 2));
                QVERIFY(darkNear(image, QPoint(bottomRight.x(), middle.y()), 2));
                frame = true;
                continue;
            }
            // A square's inside, clear of its outline and of the number in its corner.
            const QPoint inside = at(dpi, r.Left + (r.Right - r.Left) / 2, r.Bottom - 300);
            const int level = qGray(image.pixel(inside));
            if (r.Brush.Color == QColor(Qt::white)) {
                QVERIFY2(level > 192, qPrintable(QString::number(level)));
                ++white;
            } else if (gray) {
                QCOMPARE(r.Brush.Color, QColor(0xC0, 0xC0, 0xC0));
                QVERIFY2(level > 160 && level < 224, qPrintable(QString::number(level)));
                ++black;
            } else {
                QVERIFY2(level < 64, qPrintable(QString::number(level)));
                ++black;
            }
        }
        QVERIFY(frame);
        QVERIFY(black > 0 && white > 0);
    }
};

QTEST_MAIN(Tst_CliPrint)
#include "tst_cliprint.moc"
