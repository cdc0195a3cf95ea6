#include "cli/Cli.h"

#include <QGuiApplication>

#include <memory>

int main(int argc, char** argv) {
    // Exported pages are measured and laid out with the desktop's fonts, which need the GUI
    // layer but no screen: an export runs the same on a server as on a desktop.
    std::unique_ptr<QCoreApplication> app;
    if (argc > 1 && qstrcmp(argv[1], "export") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("ixenvar-cli"));
    return Cli::run(QCoreApplication::arguments().mid(1));
}
