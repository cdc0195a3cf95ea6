// Prints how long reading and writing a large settings store takes: about 0.9 MB of values,
// far more than the program ever stores, to show that reading grows with the size, not its
// square.
#include "prefs/SettingsStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.conf"));
    QList<StoredSetting> values;
    for (int i = 0; i < 12000; ++i) {
        StoredSetting s;
        s.name = QStringLiteral("Setting%1").arg(i);
        s.text = QString(60, QChar(u'a' + i % 26));
        values.append(s);
    }
    const QByteArray bytes = SettingsFile::serialize(values);
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            return 1;
    }
    SettingsStore store(path);
    constexpr int kRounds = 20;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kRounds; ++i)
        (void)store.read(QStringLiteral("Setting11999"), SettingValue::text({}));
    const double readMs = timer.nsecsElapsed() / 1e6 / kRounds;
    timer.restart();
    for (int i = 0; i < kRounds; ++i)
        store.write(QStringLiteral("Setting5"), SettingValue::text(QString::number(i)));
    const double writeMs = timer.nsecsElapsed() / 1e6 / kRounds;
    std::printf("store of %lld bytes, %lld values: read one value %.1f ms, write one value %.1f ms\n",
                static_cast<long long>(bytes.size()), static_cast<long long>(values.size()),
                readMs, writeMs);
    return 0;
}
