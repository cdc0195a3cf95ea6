#pragma once

#include "app/WindowFinder.h"

#include <memory>

struct xcb_connection_t;

// Finds a program's windows on the X server at $DISPLAY: viewable top-level windows
// (_NET_CLIENT_LIST, else the root's children) whose owner, by _NET_WM_PID or the X resource
// extension's client pid, is the process or one of its descendants. One connection serves
// every look for the finder's life: connecting anew every few milliseconds would make a server
// without other clients reset between the looks.
class X11WindowFinder : public WindowFinder {
public:
    X11WindowFinder();
    ~X11WindowFinder() override;
    X11WindowFinder(const X11WindowFinder&) = delete;
    X11WindowFinder& operator=(const X11WindowFinder&) = delete;

    bool available() const override;
    quint32 firstWindowOf(qint64 pid) override;

private:
    xcb_connection_t* m_connection = nullptr;
};
