#include "app/History.h"

#include "base/Errors.h"
#include "base/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {
// Whether two paths name one file on disk (the same device and inode).
bool sameFileOnDisk(const QString& a, const QString& b) {
    struct stat sa {};
    struct stat sb {};
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0 ||
        ::stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}
} // namespace

History::History(const QString& dataFolder)
    : m_folder(dataFolder + QStringLiteral("/Tamberlin")),
      m_file(m_folder + QStringLiteral("/IxvHistory.LISZT")) {}

bool History::exists() const {
    return QFileInfo::exists(m_file);
}

QStringList History::read() const {
    return readIfReadable().value_or(QStringList());
}

std::optional<QStringList> History::readIfReadable() const {
    if (!exists())
        return QStringList();
    QByteArray bytes;
    try {
        // 200 entries of the longest paths are well below this.
        bytes = SafeFile::readRegular(m_file, 4 * 1024 * 1024);
    } catch (const IoError&) {
        return std::nullopt;
    }
    const QString text = QString::fromUtf8(bytes);
    QStringList lines = text.split(QStringLiteral("\n"));
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the final line ending
    return lines;
}

void History::write(const QStringList& lines) const {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    SafeFile::write(m_file, bytes);
}

void History::PruneHistory() const {
    const auto lines = readIfReadable();
    if (!lines)
        return;
    QStringList kept;
    for (const QString& line : *lines) {
        if (!line.isEmpty() && QFileInfo::exists(line))
            kept << line;
    }
    try {
        write(kept);
    } catch (const IoError&) {
    }
}

bool History::sameEntry(const QString& line, const QString& currentFile) {
    if (line.toUpper() != currentFile.toUpper())
        return false;
    if (line == currentFile)
        return true;
    return sameFileOnDisk(line, currentFile);
}

QStringList History::AddToHistory(const QString& currentFile, int maximum) const {
    QDir().mkpath(m_folder);
    const auto stored = readIfReadable();
    if (!stored)
        return {};
    QStringList lines = *stored;
    bool matched = false;
    const qsizetype count = lines.size();
    for (qsizetype i = 0; i < count; ++i) {
        if (sameEntry(lines[i], currentFile)) {
            lines.move(i, 0);
            matched = true;
        }
    }
    if (!matched)
        lines.prepend(currentFile);
    while (lines.size() > qMax(maximum, 0))
        lines.removeLast();
    write(lines);
    return lines;
}
