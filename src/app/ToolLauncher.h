#pragma once

#include <QString>
#include <functional>

// Starts a word-finding program from its command line and tells whether one of its windows
// appeared within the wait.
class ToolLauncher {
public:
    // How long the launch waits for the program's first window, in milliseconds.
    static constexpr int kWaitMs = 1000;

    // pump is called while waiting so that the caller's windows stay live.
    explicit ToolLauncher(std::function<void()> pump = {}) : m_pump(std::move(pump)) {}

    // Splits the command line as a shell would (quotes and backslashes, no expansion), starts
    // the program without a shell, and waits for its first top-level window: on X11 one whose
    // owner is the started process or one of its children. Where no X server can be asked, a
    // program that started and is still running after the wait counts as found.
    bool LaunchTool(const QString& commandLine);

    qint64 lastPid() const { return m_pid; }
    quint32 lastWindow() const { return m_window; }

private:
    std::function<void()> m_pump;
    qint64 m_pid = 0;
    quint32 m_window = 0;
};

namespace X11Windows {
// Whether an X server can be reached at $DISPLAY.
bool available();
// The first viewable top-level window belonging to pid or one of its descendants, or 0.
quint32 firstWindowOf(qint64 pid);
} // namespace X11Windows
