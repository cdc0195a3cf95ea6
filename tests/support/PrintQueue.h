#pragma once

// The real CUPS queues of the test run and the PDF files they write (cups-pdf), set up by
// tools/cups-test-queue.sh: IXV_TEST_PRINT_QUEUE names a queue that marks the whole sheet,
// IXV_TEST_PRINT_MARGIN_QUEUE one with an unprintable border (a quarter inch at the sides, half
// an inch at the top and bottom), and IXV_TEST_PRINT_DIR the folder their files go to. Without
// them (a test run outside the test script) the tests that print are skipped; with them, a
// queue that cannot be used fails those tests.
#include "TestEnv.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QImage>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace PrintQueue {

struct Output {
    bool ok = false;
    QByteArray text;
};

// What a program wrote, and whether it ran and succeeded.
inline Output runProgram(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted(-1) || !p.waitForFinished(-1))
        return {};
    return {p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0, p.readAllStandardOutput()};
}

inline QByteArray run(const QString& program, const QStringList& args) {
    return runProgram(program, args).text;
}

// Page sizes in points, one per page, as pdfinfo reads them.
inline QList<QSizeF> pageSizes(const QString& pdf) {
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

// Page n of the PDF at dpi dots per inch, drawn into the folder.
inline QImage pageImage(const QString& pdf, int n, const QString& folder, int dpi = 50) {
    const QString out = folder + QStringLiteral("/page%1-%2").arg(n).arg(dpi);
    run(QStringLiteral("pdftoppm"), {"-r", QString::number(dpi), "-f", QString::number(n), "-l",
                                     QString::number(n), "-singlefile", "-png", pdf, out});
    return QImage(out + QStringLiteral(".png"));
}

inline bool isBlack(const QImage& image, int x, int y) {
    return image.valid(x, y) && qGray(image.pixel(x, y)) < 64;
}
// Beyond the paper's edge counts as white.
inline bool isWhite(const QImage& image, int x, int y) {
    return !image.valid(x, y) || qGray(image.pixel(x, y)) > 192;
}

// The queues named by the environment.
struct Queues {
    QString queue;
    QString marginQueue;
    QString folder;

    // Reads the environment; false when it names no queue, and the caller skips.
    bool named() {
        queue = qEnvironmentVariable("IXV_TEST_PRINT_QUEUE");
        marginQueue = qEnvironmentVariable("IXV_TEST_PRINT_MARGIN_QUEUE");
        folder = qEnvironmentVariable("IXV_TEST_PRINT_DIR");
        return !queue.isEmpty();
    }
    // Fails the test unless both queues are installed and their folder exists.
    void verifyUsable() const {
        QVERIFY2(!folder.isEmpty() && QDir(folder).exists(),
                 "IXV_TEST_PRINT_DIR does not name the queues' output folder.");
        for (const QString& name : {queue, marginQueue})
            QVERIFY2(
                !QPrinterInfo::printerInfo(name).isNull(),
                qPrintable(QStringLiteral("The print queue \"%1\" is not installed.").arg(name)));
    }

    // Waits until the PDF named after the document's title is there and the queue has no job
    // left at that moment (so the job that writes it has ended), then checks it is the one
    // sound PDF of that title. Other test programs may queue jobs of their own meanwhile, so
    // the queue being idle is only looked at together with the file.
    void findPdf(const QString& name, const QString& title, QString& pdf) const {
        // A scheduler that stopped answering ends the wait; the missing file then says so.
        auto idle = [&name] {
            const Output jobs = runProgram(QStringLiteral("lpstat"), {"-o", name});
            return !jobs.ok || jobs.text.trimmed().isEmpty();
        };
        QStringList made;
        auto done = [&] {
            made = QDir(folder).entryList({title + QStringLiteral("*.pdf")}, QDir::Files);
            return !made.isEmpty() && idle();
        };
        // Timed by the clock, not by counting steps: lpstat takes a while itself.
        const QDeadlineTimer deadline(TestEnv::kEventWaitMs);
        while (!done() && !deadline.hasExpired())
            QTest::qWait(100);
        QVERIFY2(made.size() == 1,
                 qPrintable(QStringLiteral("The queue finished without leaving one PDF named "
                                           "after %1 in %2: %3")
                                .arg(title, folder, made.join(QLatin1Char(' ')))));
        pdf = folder + QLatin1Char('/') + made.front();
        QVERIFY2(run(QStringLiteral("qpdf"), {"--check", pdf}).contains("No syntax or stream"),
                 qPrintable(pdf + QStringLiteral(" is not a sound PDF")));
    }
};

// A print job title no other job of the test run has.
inline QString uniqueTitle(const QString& prefix) {
    static int jobs = 0;
    return QStringLiteral("%1%2n%3")
        .arg(prefix)
        .arg(QCoreApplication::applicationPid())
        .arg(++jobs);
}

} // namespace PrintQueue
