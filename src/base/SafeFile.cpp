#include "base/SafeFile.h"

#include "base/Errors.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeFile {

namespace {

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

[[noreturn]] void fail(const QString& fileName, int error) {
    throw IoError(fileName, systemReason(error));
}

bool processGone(qint64 pid) {
    return pid > 0 && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

// Temporary files are named ".<name>.ixvtmp-<pid>-<serial>"; one whose writer no longer runs
// was left by a kill or a crash during a save and is removed.
void removeLeftovers(const QString& folder, const QString& name) {
    const QRegularExpression pattern(QStringLiteral("^\\.%1\\.ixvtmp-(\\d+)-\\d+$")
                                         .arg(QRegularExpression::escape(name)));
    const QStringList entries = QDir(folder).entryList(
        {QStringLiteral(".%1.ixvtmp-*").arg(name)}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        const auto match = pattern.match(entry);
        if (match.hasMatch() && processGone(match.captured(1).toLongLong()))
            QFile::remove(folder + u'/' + entry);
    }
}

// The file that a save replaces: the target of a symbolic link, so that the link stays.
QString resolvedTarget(const QString& fileName) {
    const QFileInfo info(fileName);
    if (info.isSymLink()) {
        const QString target = info.symLinkTarget();
        if (!target.isEmpty())
            return target;
    }
    return info.absoluteFilePath();
}

void writeAll(int fd, const QByteArray& bytes, const QString& fileName) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(fileName, errno);
        }
        if (n == 0)
            fail(fileName, ENOSPC);
        data += n;
        left -= n;
    }
}

void syncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd); // some file systems cannot sync a folder; the rename itself has succeeded
    ::close(fd);
}

std::atomic<int> g_serial{0};

} // namespace

QString temporaryName(const QString& fileName, qint64 pid, int serial) {
    const QFileInfo info(fileName);
    return info.absolutePath() +
           QStringLiteral("/.%1.ixvtmp-%2-%3").arg(info.fileName()).arg(pid).arg(serial);
}

void write(const QString& fileName, const QByteArray& bytes) {
    const QString target = resolvedTarget(fileName);
    const QFileInfo info(target);
    const QString folder = info.absolutePath();
    removeLeftovers(folder, info.fileName());

    const QString temp = temporaryName(target, ::getpid(), ++g_serial);
    const QByteArray tempPath = QFile::encodeName(temp);
    int fd = ::open(tempPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        fail(fileName, errno);
    try {
        struct stat old {};
        if (::stat(QFile::encodeName(target).constData(), &old) == 0 &&
            ::fchmod(fd, old.st_mode & 07777) != 0)
            fail(fileName, errno);
        writeAll(fd, bytes, fileName);
        if (::fsync(fd) != 0)
            fail(fileName, errno);
        const int closed = ::close(fd);
        fd = -1;
        if (closed != 0)
            fail(fileName, errno);
    } catch (...) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(tempPath.constData());
        throw;
    }
    if (::rename(tempPath.constData(), QFile::encodeName(target).constData()) != 0) {
        const int error = errno;
        ::unlink(tempPath.constData());
        fail(fileName, error);
    }
    syncFolder(folder);
}

QString notRegularReason(const QString& fileName) {
    struct stat st {};
    if (::stat(QFile::encodeName(fileName).constData(), &st) != 0)
        return systemReason(errno);
    if (S_ISDIR(st.st_mode))
        return QStringLiteral("It is a folder, not a file.");
    if (!S_ISREG(st.st_mode))
        return QStringLiteral("It is not an ordinary file (it is a device, a pipe or a socket).");
    return {};
}

QByteArray readRegular(const QString& fileName, qint64 maxBytes) {
    const QString reason = notRegularReason(fileName);
    if (!reason.isEmpty())
        throw IoError(fileName, reason);
    // Non-blocking, in case the path was replaced by a pipe since it was looked at.
    const int fd =
        ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        fail(fileName, errno);
    QByteArray bytes;
    try {
        struct stat st {};
        if (::fstat(fd, &st) != 0)
            fail(fileName, errno);
        if (!S_ISREG(st.st_mode))
            throw IoError(fileName, QStringLiteral("It is not an ordinary file."));
        bytes.resize(maxBytes + 1);
        qsizetype got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                fail(fileName, errno);
            }
            if (n == 0)
                break;
            got += n;
        }
        if (got > maxBytes)
            throw IoError(fileName,
                          QStringLiteral("The file is too large (more than %1 bytes).").arg(maxBytes));
        bytes.resize(got);
    } catch (...) {
        ::close(fd);
        throw;
    }
    ::close(fd);
    return bytes;
}

} // namespace SafeFile
