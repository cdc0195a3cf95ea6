#include "cli/Cli.h"

#include <QGuiApplication>
#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    // Exports and printing measure and draw text with the fonts of the GUI library, on the
    // screenless platform: the command line never shows a window and needs no display. Other
    // commands need neither.
    const bool drawing =
        argc > 1 && (std::strcmp(argv[1], "export") == 0 || std::strcmp(argv[1], "print") == 0);
    std::unique_ptr<QCoreApplication> app;
    if (drawing) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("ixenvar-cli"));
    return Cli::run(QCoreApplication::arguments().mid(1));
}
