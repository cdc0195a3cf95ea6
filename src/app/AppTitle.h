#pragma once

#include <QString>

// The application's title: the main window's caption and the heading of its message boxes.
inline QString applicationTitle() {
    return QStringLiteral("Ixenvar 7 Demo");
}
