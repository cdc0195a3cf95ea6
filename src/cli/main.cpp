#include "cli/Cli.h"

#include <QGuiApplication>
#include <memory>

int main(int argc, char** argv) {
    // Printing measures and draws text with the platform's fonts, which takes a GUI
    // application. The command line shows nothing, so it never needs a display; the other
    // commands need no GUI at all.
    const bool printing = argc > 1 && qstrcmp(argv[1], "print") == 0;
    std::unique_ptr<QCoreApplication> app;
    if (printing) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("ixenvar-cli"));
    return Cli::run(QCoreApplication::arguments().mid(1));
}
