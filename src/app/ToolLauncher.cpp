#include "app/ToolLauncher.h"

#include "app/ProcessTree.h"
#include "app/WindowFinder.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

// Splits a command line into words as a POSIX shell does, without expanding anything: blanks
// separate words; single quotes keep every character; double quotes keep every character but a
// backslash before " \ $ or `; a backslash elsewhere keeps the character after it.
QStringList ToolLauncher::splitCommandLine(const QString& line) {
    QStringList words;
    QString word;
    bool inWord = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar ch = line[i];
        if (ch == u'\'') {
            inWord = true;
            qsizetype end = line.indexOf(u'\'', i + 1);
            if (end < 0)
                end = line.size();
            word += line.mid(i + 1, end - i - 1);
            i = end;
        } else if (ch == u'"') {
            inWord = true;
            for (++i; i < line.size() && line[i] != u'"'; ++i) {
                const bool escape = line[i] == u'\\' && i + 1 < line.size() &&
                                    QStringView(u"\"\\$`").contains(line[i + 1]);
                if (escape)
                    ++i;
                word += line[i];
            }
        } else if (ch == u'\\') {
            inWord = true;
            if (i + 1 < line.size())
                word += line[++i];
        } else if (ch.isSpace()) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            inWord = true;
            word += ch;
        }
    }
    if (inWord)
        words << word;
    return words;
}

QStringList ToolLauncher::commandWords(const QString& line) {
    const QString whole = line.trimmed();
    const QFileInfo program(whole);
    if (!whole.isEmpty() && program.isFile() && program.isExecutable())
        return {whole};
    return splitCommandLine(line);
}

bool ToolLauncher::LaunchTool(const QString& commandLine) {
    m_window = 0;
    m_pid = 0;
    const QStringList parts = commandWords(commandLine);
    if (parts.isEmpty())
        return false;
    QProcess process;
    process.setProgram(parts.first());
    process.setArguments(parts.mid(1));
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (!process.startDetached(&m_pid))
        return false;

    const bool canLook = m_windows && m_windows->available();
    const auto look = [&] {
        m_window = canLook ? m_windows->firstWindowOf(m_pid) : 0;
        return m_window != 0;
    };
    const QDeadlineTimer deadline(kWaitMs);
    while (!deadline.hasExpired()) {
        if (look())
            return true;
        if (m_pump)
            m_pump();
        QThread::msleep(25);
    }
    if (look())
        return true;
    // Where no window server can be asked, or the program may have opened its window on
    // Wayland, a program still running after the wait counts as found.
    if (!canLook || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return ProcessTree::running(m_pid);
    return false;
}
