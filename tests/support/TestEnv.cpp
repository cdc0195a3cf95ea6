#include "TestEnv.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>

namespace {

QTemporaryDir& homeDir() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/ixv-test-XXXXXX"));
    return dir;
}

// Runs before main(): QStandardPaths then resolves every folder inside the temporary HOME.
const bool g_isolated = [] {
    const QByteArray home = homeDir().path().toUtf8();
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/.config");
    qputenv("XDG_DATA_HOME", home + "/.local/share");
    qputenv("XDG_CACHE_HOME", home + "/.cache");
    qputenv("XDG_DOCUMENTS_DIR", home + "/Documents");
    qputenv("XDG_RUNTIME_DIR", home + "/runtime");
    QDir().mkpath(QString::fromUtf8(home + "/runtime"));
    QFile::setPermissions(QString::fromUtf8(home + "/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return true;
}();

} // namespace

namespace TestEnv {
QString home() { return homeDir().path(); }
QString settingsPath() { return home() + QStringLiteral("/.config/Tamberlin32/Ixenvar7Demo.conf"); }
} // namespace TestEnv
