// ixenvar-cli print run as a real process: its refusals for want of a printer, and the pages it
// hands to the test run's real CUPS queues (see PrintQueue.h), read back from the queue's PDF:
// how many, and their paper.
#include "CliRun.h"
#include "PrintQueue.h"
#include "TestPuzzles.h"
#include "puzzle/PuzzleFile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace PrintQueue;

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
};

QTEST_MAIN(Tst_CliPrint)
#include "tst_cliprint.moc"
