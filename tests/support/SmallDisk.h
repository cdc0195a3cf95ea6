#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

// A tiny file system of its own (tmpfs) that a test can fill up, to see what writing does on a
// full disk. Mounting needs root, as the test runs on CI and the developers' machines are.
class SmallDisk {
public:
    explicit SmallDisk(int kibibytes) {
        if (::geteuid() != 0) {
            m_why = QStringLiteral("mounting a small file system needs root");
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k,mode=0777";
        if (::mount("ixv-small-disk", QFile::encodeName(m_dir.path()).constData(), "tmpfs",
                    MS_NOSUID | MS_NODEV, options.constData()) != 0) {
            m_why = QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        m_mounted = true;
    }
    ~SmallDisk() {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    // Makes a folder refuse new files: a read-only remount of a small disk for root (whom
    // permissions do not stop), the permission bits otherwise.
    static bool makeReadOnly(const QString& folder) {
        if (::geteuid() == 0)
            return ::mount(nullptr, QFile::encodeName(folder).constData(), nullptr,
                           MS_REMOUNT | MS_RDONLY, nullptr) == 0;
        return ::chmod(QFile::encodeName(folder).constData(), 0555) == 0;
    }

    bool mounted() const { return m_mounted; }
    QString why() const { return m_why; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    // Writes a filler file until the file system has no byte left.
    void fill() {
        const int fd = ::open(QFile::encodeName(filePath(QStringLiteral("filler"))).constData(),
                              O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (fd < 0)
            return;
        const QByteArray block(4096, 'x');
        for (int chunk : {4096, 1}) {
            while (::write(fd, block.constData(), size_t(chunk)) == chunk) {
            }
        }
        ::close(fd);
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_why;
};

// Skips the test for a user who cannot mount a small disk; fails where root could not.
#define IXV_REQUIRE_MOUNTED(disk)                                                                  \
    do {                                                                                           \
        if (!(disk).mounted()) {                                                                   \
            if (::geteuid() != 0)                                                                  \
                QSKIP(qPrintable((disk).why()));                                                   \
            QFAIL(qPrintable((disk).why()));                                                       \
        }                                                                                          \
    } while (false)
