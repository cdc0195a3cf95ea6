#include "TestEnv.h"
#include "app/ToolLauncher.h"
#include "app/ui/X11WindowFinder.h"

#include <QtTest>

#include <csignal>
#include <xcb/xcb.h>

namespace {
// The process and, through /proc, everything it started.
QList<qint64> processTree(qint64 pid) {
    QList<qint64> tree{pid};
    QFile file(QStringLiteral("/proc/%1/task/%1/children").arg(pid));
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray& id : file.readAll().simplified().split(' '))
            if (!id.isEmpty())
                tree += processTree(id.toLongLong());
    }
    return tree;
}

QStringList commandOf(qint64 pid) {
    QFile file(QStringLiteral("/proc/%1/cmdline").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList parts = QString::fromUtf8(file.readAll()).split(QChar(0), Qt::SkipEmptyParts);
    if (!parts.isEmpty())
        parts[0] = QFileInfo(parts[0]).fileName(); // the program as found on PATH
    return parts;
}

// Ends a process this test started, and what it started, by their ids.
void endTree(qint64 pid) {
    if (pid <= 0)
        return;
    const QList<qint64> tree = processTree(pid);
    for (auto it = tree.rbegin(); it != tree.rend(); ++it)
        ::kill(pid_t(*it), SIGTERM);
}
} // namespace

class Tst_ToolLauncher : public QObject {
    Q_OBJECT

    QList<qint64> started;
    xcb_connection_t* display = nullptr;

private slots:
    void initTestCase() {
        // An X server resets when its last client leaves and refuses connections meanwhile. In
        // the program its own windows keep the server up; here this connection does, made
        // before anything else connects.
        if (!qEnvironmentVariableIsEmpty("DISPLAY"))
            display = xcb_connect(nullptr, nullptr);
        if (!display || xcb_connection_has_error(display) || !X11WindowFinder().available())
            QSKIP("needs an X server");
        // The tools run on the real display, whatever platform the test suite asks for.
        qunsetenv("QT_QPA_PLATFORM");
    }
    void cleanupTestCase() {
        if (display)
            xcb_disconnect(display);
    }
    void cleanup() {
        for (qint64 pid : started)
            endTree(pid);
        started.clear();
    }

    void launch_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QStringList>("startedCommand"); // as the started process received it
        QTest::addColumn<QStringList>("windowCommand");  // of the process that owns the window

        QTest::newRow("small X program")
            << "xmessage hello" << true << QStringList{"xmessage", "hello"}
            << QStringList{"xmessage", "hello"};
        QTest::newRow("window of a child")
            << R"(sh -c "xmessage 'from a child'; exit 0")" << true
            << QStringList{"sh", "-c", "xmessage 'from a child'; exit 0"}
            << QStringList{"xmessage", "from a child"};
        QTest::newRow("window after the wait")
            << R"(sh -c "sleep 1.5; exec xmessage late")" << false
            << QStringList{"sh", "-c", "sleep 1.5; exec xmessage late"} << QStringList{};
        QTest::newRow("missing program")
            << "/nonexistent/dictionary --word x" << false << QStringList{} << QStringList{};
    }
    void launch() {
        QFETCH(QString, command);
        QFETCH(bool, found);
        QFETCH(QStringList, startedCommand);
        QFETCH(QStringList, windowCommand);
        int pumps = 0;
        X11WindowFinder windows;
        ToolLauncher launcher(&windows, [&pumps] { ++pumps; });
        QElapsedTimer clock;
        clock.start();
        const bool result = launcher.LaunchTool(command);
        const qint64 elapsed = clock.elapsed();
        if (!startedCommand.isEmpty())
            started << launcher.lastPid();

        QCOMPARE(result, found);
        QCOMPARE(launcher.lastWindow() != 0, found);
        if (startedCommand.isEmpty()) {
            QVERIFY2(elapsed < ToolLauncher::kWaitMs / 2, qPrintable(QString::number(elapsed)));
            return;
        }
        QCOMPARE(commandOf(launcher.lastPid()), startedCommand);
        if (found) {
            QStringList owners;
            for (qint64 pid : processTree(launcher.lastPid()))
                owners << commandOf(pid).join(u'|');
            QVERIFY2(owners.contains(windowCommand.join(u'|')), qPrintable(owners.join(", ")));
        } else {
            QVERIFY(elapsed >= ToolLauncher::kWaitMs);
            QVERIFY(pumps > 0);
        }
    }
};

QTEST_GUILESS_MAIN(Tst_ToolLauncher)
#include "tst_toollauncher.moc"
