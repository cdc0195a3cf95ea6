#pragma once

#include <QString>

// The application's title: the main window's caption and the heading of its message boxes.
inline QString applicationTitle() {
    return QStringLiteral("Ixenvar 7 Demo");
}

// The version both programs print for --version, as the About box shows it.
inline QString applicationVersion() {
    return QStringLiteral("7.0 (Build 7.0.1)");
}
