#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class WindowFinder;

// Starts a word-finding program from its command line and tells whether one of its windows
// appeared within the wait.
class ToolLauncher {
public:
    // How long the launch waits for the program's first window, in milliseconds.
    static constexpr int kWaitMs = 1000;

    // windows looks for the program's window (none: no window server can be asked); pump is
    // called while waiting so that the caller's windows stay live.
    explicit ToolLauncher(WindowFinder* windows = nullptr, std::function<void()> pump = {})
        : m_windows(windows), m_pump(std::move(pump)) {}

    // Splits the command line as a shell would (quotes and backslashes, no expansion), starts
    // the program without a shell, and waits for its first top-level window, one whose owner
    // is the started process or one of its children. Where no window server can be asked, or
    // on Wayland, a program that started and is still running after the wait counts as found.
    bool LaunchTool(const QString& commandLine);

    qint64 lastPid() const { return m_pid; }
    quint32 lastWindow() const { return m_window; }

    // Splits a command line into words as a POSIX shell does, without expanding anything.
    static QStringList splitCommandLine(const QString& line);
    // The program and its arguments: the whole trimmed line when it names an executable file
    // (a path with spaces typed without quotes), otherwise the line split as a shell would.
    static QStringList commandWords(const QString& line);

private:
    WindowFinder* m_windows;
    std::function<void()> m_pump;
    qint64 m_pid = 0;
    quint32 m_window = 0;
};
