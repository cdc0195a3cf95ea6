#pragma once

#include <QtGlobal>

// Looks for the windows a started program opens. The X11 implementation is a window-system
// adapter; the launcher only asks through this.
class WindowFinder {
public:
    virtual ~WindowFinder() = default;
    // Whether a window server answers, so that windows can be looked for at all.
    virtual bool available() const = 0;
    // The first viewable top-level window belonging to pid or one of its descendants, or 0.
    virtual quint32 firstWindowOf(qint64 pid) = 0;
};
