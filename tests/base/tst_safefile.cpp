// Writing files so that nothing is lost (full disks, kills during a save, a killed writer's
// lock) and reading files from outside without hanging or running out of memory.
#include "CliRun.h"
#include "SmallDisk.h"
#include "TestEnv.h"
#include "TestFiles.h"
#include "app/History.h"
#include "base/SafeFile.h"
#include "prefs/SettingsStore.h"
#include "puzzle/PuzzleFile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <sys/file.h>
#include <sys/stat.h>

namespace {

PuzzleRecord puzzleNamed(const QByteArray& name) {
    PuzzleRecord rec = PuzzleRecord::zeroed();
    rec.ClearPuzzle(12, 9, name);
    return rec;
}

// A process id that ran and has ended.
qint64 endedProcessId() {
    QProcess p;
    p.start(QStringLiteral("/bin/true"), {});
    p.waitForFinished(-1);
    return p.processId() ? p.processId() : 999999;
}

using Writer = std::function<void(const QString& folder, int version)>;

} // namespace

class Tst_safefile : public QObject {
    Q_OBJECT

private slots:
    // Each writer writes version 1 while there is room, then version 2 once the disk is full.
    void fullDiskKeepsTheOldFile_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<Writer>("writer");
        QTest::newRow("puzzle") << QStringLiteral("p.ixv")
                                << Writer([](const QString& folder, int version) {
                                       PuzzleFile::SavePuzzle(
                                           folder + "/p.ixv",
                                           puzzleNamed(QByteArray::number(version)));
                                   });
        QTest::newRow("settings store")
            << QStringLiteral("s.conf") << Writer([](const QString& folder, int version) {
                   SettingsStore store(folder + "/s.conf");
                   for (int i = 0; i < 40 * version; ++i)
                       store.write(QStringLiteral("Value%1").arg(i),
                                   SettingValue::text(QString(60, QChar(u'a' + version))));
               });
        QTest::newRow("history")
            << QStringLiteral("Tamberlin/IxvHistory.LISZT")
            << Writer([](const QString& folder, int version) {
                   History history(folder);
                   for (int i = 0; i < 30 * version; ++i)
                       history.AddToHistory(
                           QStringLiteral("/puzzles/v%1/n%2.ixv").arg(version).arg(i), 200);
               });
    }
    void fullDiskKeepsTheOldFile() {
        QFETCH(QString, fileName);
        QFETCH(Writer, writer);
        SmallDisk disk(64);
        IXV_REQUIRE_MOUNTED(disk);
        writer(disk.path(), 1);
        const QString file = disk.filePath(fileName);
        const QByteArray good = readBytes(file);
        QVERIFY(!good.isEmpty());

        disk.fill();
        const QString error = errorOf([&] { writer(disk.path(), 2); });
        QVERIFY2(!error.isNull(), "a write on a full disk reported success");
        QVERIFY2(error.contains(file), qPrintable(error));
        QCOMPARE(readBytes(file), good);
        QCOMPARE(temporaryFilesIn(QFileInfo(file).path()), QStringList());
    }

    // The command line on a full disk: a failure with the file's name, and the old file intact.
    void commandLineOnAFullDiskFails_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("written");
        QTest::newRow("new over a good puzzle")
            << QStringList{"new",           "good.ixv",       "--quotation-file",
                           "quotation.txt", "--author-title", "EMERSON"}
            << QStringLiteral("good.ixv");
        QTest::newRow("config set") << QStringList{"config", "set", "Name", QString(3000, u'n')}
                                    << QStringLiteral(".config/Tamberlin32/Ixenvar7Demo.conf");
    }
    void commandLineOnAFullDiskFails() {
        QFETCH(QStringList, args);
        QFETCH(QString, written);
        SmallDisk disk(64);
        IXV_REQUIRE_MOUNTED(disk);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(disk.filePath(".config")));
        QVERIFY(writeBytes(disk.filePath("quotation.txt"),
                           "Nothing great was ever achieved without enthusiasm and some patience"));
        PuzzleFile::SavePuzzle(disk.filePath("good.ixv"), puzzleNamed("good"));
        SettingsStore(disk.filePath(".config/Tamberlin32/Ixenvar7Demo.conf"))
            .write(QStringLiteral("Name"), SettingValue::text(QStringLiteral("Kept")));
        const QString file = disk.filePath(written);
        const QByteArray before = readBytes(file);

        disk.fill();
        for (QString& a : args) {
            if (a.endsWith(QStringLiteral(".ixv")) || a.endsWith(QStringLiteral(".txt")))
                a = disk.filePath(a);
        }
        const CliRun run = cli(args);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(TestEnv::home() + "/.config"));
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(file), qPrintable(run.err));
        QCOMPARE(readBytes(file), before);
    }

    void leftoversOfEndedWritersAreRemoved() {
        QTemporaryDir dir;
        const QString file = dir.filePath("p.ixv");
        const QString ended = SafeFile::temporaryName(file, endedProcessId(), 1);
        const QString running =
            SafeFile::temporaryName(file, QCoreApplication::applicationPid(), 999);
        const QString otherFile =
            SafeFile::temporaryName(dir.filePath("q.ixv"), endedProcessId(), 1);
        for (const QString& leftover : {ended, running, otherFile})
            QVERIFY(writeBytes(leftover, ""));
        PuzzleFile::SavePuzzle(file, puzzleNamed("x"));
        QVERIFY(!QFileInfo::exists(ended));
        QVERIFY(QFileInfo::exists(running));   // its writer may still be at work
        QVERIFY(QFileInfo::exists(otherFile)); // another file's, left for its own next save
    }

    void permissionsOfTheOldFileAreKept() {
        QTemporaryDir dir;
        const QString file = dir.filePath("p.ixv");
        PuzzleFile::SavePuzzle(file, puzzleNamed("a"));
        QVERIFY(::chmod(QFile::encodeName(file).constData(), 0640) == 0);
        PuzzleFile::SavePuzzle(file, puzzleNamed("b"));
        struct stat st {};
        QVERIFY(::stat(QFile::encodeName(file).constData(), &st) == 0);
        QCOMPARE(int(st.st_mode & 07777), 0640);
    }

    // Quotation files and puzzles from outside: refused before they are opened when they are not
    // ordinary files, and bounded in size.
    void readingRefusesWhatIsNotAnOrdinaryFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("expected");
        QTest::newRow("endless device") << "device"
                                        << "not an ordinary file";
        QTest::newRow("pipe") << "fifo"
                              << "not an ordinary file";
        QTest::newRow("folder") << "folder"
                                << "a folder";
        QTest::newRow("huge file") << "huge"
                                   << "too large";
        QTest::newRow("missing") << "missing"
                                 << "No such file";
    }
    void readingRefusesWhatIsNotAnOrdinaryFile() {
        QFETCH(QString, kind);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QString path = dir.filePath(kind);
        if (kind == QStringLiteral("device")) {
            path = QStringLiteral("/dev/zero");
        } else if (kind == QStringLiteral("fifo")) {
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        } else if (kind == QStringLiteral("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == QStringLiteral("huge")) {
            QVERIFY(writeBytes(path, QByteArray(20000, 'a')));
        }
        const QString readError = errorOf([&] { SafeFile::readRegular(path, 16384); });
        QVERIFY2(readError.contains(expected) && readError.contains(path), qPrintable(readError));

        // The program's Open and the command line's show and new refuse the same files.
        if (kind != QStringLiteral("huge")) {
            const QString loadError = errorOf([&] { PuzzleFile::LoadPuzzle(path); });
            QVERIFY2(loadError.contains(expected), qPrintable(loadError));
            const CliRun show = cli({"show", path});
            QCOMPARE(show.exitCode, 1);
            QVERIFY2(show.err.contains(expected), qPrintable(show.err));
        }
        const CliRun made =
            cli({"new", dir.filePath("out.ixv"), "--quotation-file", path, "--author-title", "AB"});
        QCOMPARE(made.exitCode, 1);
        QVERIFY2(made.err.contains(expected), qPrintable(made.err));
        QVERIFY(!QFileInfo::exists(dir.filePath("out.ixv")));
    }

    // The settings store's lock file: one left by a writer that was killed is not waited for (the
    // system released its lock when the writer ended); one that another writer holds is reported
    // and nothing is written.
    void settingsLockFile_data() {
        QTest::addColumn<bool>("held");
        QTest::newRow("left by a killed writer") << false;
        QTest::newRow("held by another writer") << true;
    }
    void settingsLockFile() {
        QFETCH(bool, held);
        QTemporaryDir dir;
        const QString path = dir.filePath("s.conf");
        QFile lockFile(path + QStringLiteral(".lock"));
        QVERIFY(lockFile.open(QIODevice::ReadWrite)); // empty, as a writer killed at once leaves it
        if (held)
            QVERIFY(::flock(lockFile.handle(), LOCK_EX) == 0);
        SettingsStore store(path);
        store.setLockWait(0); // a single attempt
        const QString error =
            errorOf([&] { store.write(QStringLiteral("A"), SettingValue::integer(1)); });
        QCOMPARE(error.contains(QStringLiteral("locked by another program")), held);
        QCOMPARE(store.read(QStringLiteral("A"), SettingValue::integer(0)),
                 SettingValue::integer(held ? 0 : 1));
        QCOMPARE(QFileInfo::exists(path), !held);
    }
};

QTEST_GUILESS_MAIN(Tst_safefile)
#include "tst_safefile.moc"
