// Starts the program and a bare Qt Widgets window the same way, several times each, and prints
// how long each took until its first window was painted, and the program until its main window
// was ready (after the splash screen). Run it under an X server (xvfb-run) or offscreen.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

namespace {

// Milliseconds from the start of the process until each line it reported.
std::map<QString, qint64> run(const QString& program, const QString& home) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("IXENVAR_STARTUP_REPORT"), QStringLiteral("1"));
    if (!env.contains(QStringLiteral("DISPLAY")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer clock;
    std::map<QString, qint64> seen;
    clock.start();
    process.start(program, {});
    const QString last = program.endsWith(QStringLiteral("ixenvar"))
                             ? QStringLiteral("main-window-ready")
                             : QStringLiteral("first-window-painted");
    while (!seen.count(last) && clock.elapsed() < 20000) {
        process.waitForReadyRead(50);
        while (process.canReadLine()) {
            const QString line = QString::fromLocal8Bit(process.readLine()).trimmed();
            const QString what = line.section(u' ', 0, 0);
            if (what == QStringLiteral("first-window-painted") ||
                what == QStringLiteral("main-window-ready"))
                seen[what] = clock.elapsed();
        }
    }
    process.kill();
    process.waitForFinished();
    return seen;
}

void print(const char* what, std::vector<qint64> ms) {
    if (ms.empty()) {
        std::printf("%-48s no result\n", what);
        return;
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-48s median %4lld ms  min %4lld ms  max %4lld ms  (%zu runs)\n", what,
                static_cast<long long>(ms[ms.size() / 2]), static_cast<long long>(ms.front()),
                static_cast<long long>(ms.back()), ms.size());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString dir = QCoreApplication::applicationDirPath();
    const QString ixenvar =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : dir + QStringLiteral("/../src/ixenvar");
    const QString bare = dir + QStringLiteral("/bare_window");
    constexpr int kRuns = 5;
    std::vector<qint64> bareFirst, ixvFirst, ixvReady;
    QTemporaryDir home;
    for (int i = 0; i < kRuns; ++i) {
        auto b = run(bare, home.path());
        if (b.count(QStringLiteral("first-window-painted")))
            bareFirst.push_back(b[QStringLiteral("first-window-painted")]);
        auto x = run(ixenvar, home.path());
        if (x.count(QStringLiteral("first-window-painted")))
            ixvFirst.push_back(x[QStringLiteral("first-window-painted")]);
        if (x.count(QStringLiteral("main-window-ready")))
            ixvReady.push_back(x[QStringLiteral("main-window-ready")]);
    }
    print("bare Qt window: first window painted", bareFirst);
    print("ixenvar: first window (splash) painted", ixvFirst);
    print("ixenvar: main window ready (after the splash)", ixvReady);
    return 0;
}
