#include "app/AppContext.h"
#include "app/AppTitle.h"
#include "app/ui/IxvApplication.h"
#include "app/ui/QtDesktopServices.h"
#include "app/ui/QtDialogs.h"
#include "app/ui/ScreenMetricsReader.h"
#include "app/ui/TIxv7MainForm.h"
#include "app/TIxvProcs.h"
#include "app/ui/TSoundFX.h"
#include "app/ui/TSplashScreen.h"
#include "puzzle/ui/WindowLook.h"

#include <QElapsedTimer>
#include <QPointer>
#include <cstdio>
#include <optional>

namespace {
// With IXENVAR_STARTUP_REPORT set, the program tells on standard error when its first window
// was painted and when the main window was ready, for the start-up benchmark.
void report(const char* what, const QElapsedTimer& clock) {
    if (qEnvironmentVariableIsSet("IXENVAR_STARTUP_REPORT"))
        std::fprintf(stderr, "%s %lld\n", what, static_cast<long long>(clock.elapsed()));
}


// --help and --version are answered before anything needs a display.
std::optional<int> answerInformationRequest(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--help" || arg == "-h") {
            std::printf("usage: ixenvar [PUZZLE.ixv]\n"
                        "Starts %s, opening the puzzle file when one is given.\n"
                        "The command line tool ixenvar-cli builds, shows and exports puzzles.\n",
                        qPrintable(applicationTitle()));
            return 0;
        }
        if (arg == "--version") {
            std::printf("ixenvar %s\n", qPrintable(applicationVersion()));
            return 0;
        }
    }
    return std::nullopt;
}
} // namespace

int main(int argc, char** argv) {
    if (const auto code = answerInformationRequest(argc, argv))
        return *code;
    QElapsedTimer clock;
    clock.start();
    IxvApplication app(argc, argv);
    substituteWindowFonts();
    QCoreApplication::setOrganizationName(QStringLiteral("Tamberlin32"));
    QCoreApplication::setApplicationName(QStringLiteral("ixenvar"));
    QGuiApplication::setDesktopFileName(QStringLiteral("ixenvar"));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/ixenvar.svg")));

    // Deletes itself when it closes, which may be during the start-up opening.
    QPointer<TSplashScreen> splash = new TSplashScreen;
    splash->show();
    splash->repaint();
    report("first-window-painted", clock);
    splash->showAndWait();

    QtDialogs dialogs;
    QtDesktopServices desktop;
    app.setDialogs(&dialogs);
    auto store = std::make_unique<SettingsStore>(SettingsStore::defaultPath());
    store->setDamageNotifier(
        [&dialogs](const QString& text) { dialogs.warning(nullptr, applicationTitle(), text); });
    TIxvProcs procs(std::move(store), readScreenMetrics());
    procs.setDialogs(&dialogs);
    AppContext ctx(procs);
    TIxv7MainForm mainForm(ctx, desktop, QCoreApplication::arguments().mid(1));
    mainForm.setBeforeStartup([splash] {
        if (splash)
            splash->finish();
    });
    TSoundFX sounds;
    procs.setSounds(&sounds);

    mainForm.show();
    if (splash)
        splash->finish();
    report("main-window-ready", clock);
    return app.exec();
}
