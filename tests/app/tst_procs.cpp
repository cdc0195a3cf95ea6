// The program's helpers: screen scaling, special folders, sounds, where the puzzle file dialogs
// start, and how a tool's command line becomes a program and its arguments.
#include "ScriptedDialogs.h"
#include "TestEnv.h"
#include "TestFiles.h"
#include "app/DialogFolders.h"
#include "app/TIxvProcs.h"
#include "app/ToolLauncher.h"

#include <QtTest>

class Tst_procs : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    // Lengths made for a 1200-pixel-high screen of 96 pixels an inch, scaled to this one, halves
    // to the even neighbour.
    void scaling_data() {
        QTest::addColumn<bool>("byHeight"); // otherwise by pixels per inch
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("768 px: 34.375") << true << 768 << 22 << 34;
        QTest::newRow("960 px: 2.5 to even 2") << true << 960 << 2 << 2;
        QTest::newRow("960 px: 7.5 to even 8") << true << 960 << 6 << 8;
        QTest::newRow("144 ppi: 4.5 to even 4") << false << 144 << 3 << 4;
    }
    void scaling() {
        QFETCH(bool, byHeight);
        QFETCH(int, screen);
        QFETCH(int, value);
        ScreenMetrics m;
        (byHeight ? m.screenHeight : m.pixelsPerInch) = screen;
        const auto procs = makeProcs(m);
        QTEST(byHeight ? procs->ScaleToScreenHeight(value) : procs->ScaleToPixelsPerInch(value),
              "expected");
    }

    void specialFolderPath_data() {
        QTest::addColumn<int>("folderId");
        QTest::addColumn<QString>("expected");
        QTest::newRow("26 application data")
            << 26 << TestEnv::home() + QStringLiteral("/.local/share");
        QTest::newRow("5 documents") << 5 << TestEnv::home() + QStringLiteral("/Documents");
    }
    void specialFolderPath() {
        QFETCH(int, folderId);
        QTEST(TIxvProcs::SpecialFolderPath(folderId), "expected");
    }

    // The attention sound plays before its message box shows; PlaySounds 0 silences every sound.
    void attentionSoundComesFirst_data() {
        QTest::addColumn<QByteArray>("playSounds"); // the stored PlaySounds line; empty: absent
        QTest::addColumn<bool>("audible");
        QTest::newRow("PlaySounds absent") << QByteArray() << true;
        QTest::newRow("PlaySounds 0") << QByteArray("PlaySounds=integer:0\n") << false;
    }
    void attentionSoundComesFirst() {
        QFETCH(QByteArray, playSounds);
        QFETCH(bool, audible);
        const auto procs = makeProcs();
        QVERIFY(writeBytes(procs->store().filePath(),
                           "[Software\\Tamberlin32\\Ixenvar7Demo]\n" + playSounds));
        ScriptedDialogs dialogs;
        RecordingSounds sounds;
        QStringList soundsBeforeTheBox;
        dialogs.onShown = [&](const ScriptedDialogs::Shown&) {
            soundsBeforeTheBox = sounds.played;
        };
        procs->setDialogs(&dialogs);
        procs->setSounds(&sounds);
        procs->ShowAttention(QStringLiteral("The grid width must be 1 to 31."));
        procs->PlayWarningSound();
        QCOMPARE(soundsBeforeTheBox, audible ? QStringList{"attention"} : QStringList());
        QCOMPARE(sounds.played, audible ? QStringList({"attention", "warning"}) : QStringList());
    }

    void dialogStartFolder_data() {
        QTest::addColumn<QString>("lastChosen");
        QTest::addColumn<QString>("current");
        QTest::addColumn<bool>("acrosticsExists");
        QTest::addColumn<QString>("expected");
        QDir().mkpath(at("docs-with/Tamberlin/Acrostics"));
        QTest::newRow("last chosen folder wins")
            << "/puzzles/2026" << at("work") << true << "/puzzles/2026";
        QTest::newRow("a working folder") << "" << at("work") << true << at("work");
        QTest::newRow("home folder, puzzles folder exists")
            << "" << at("home") << true << at("docs-with/Tamberlin/Acrostics");
        QTest::newRow("home folder with a trailing slash")
            << "" << at("home") + "/" << true << at("docs-with/Tamberlin/Acrostics");
        QTest::newRow("home folder, no puzzles folder")
            << "" << at("home") << false << at("docs-without");
        QTest::newRow("program's own folder") << "" << at("bin") << false << at("docs-without");
    }
    void dialogStartFolder() {
        QFETCH(QString, lastChosen);
        QFETCH(QString, current);
        QFETCH(bool, acrosticsExists);
        DialogFolders::Places places;
        places.lastChosen = lastChosen;
        places.current = current;
        places.home = at("home");
        places.program = at("bin");
        places.documents = at(acrosticsExists ? "docs-with" : "docs-without");
        QTEST(DialogFolders::startFolder(places), "expected");
    }

    void toolCommandWords_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("words");
        const QString dict = tool(QStringLiteral("dict"), true);
        const QString notes = tool(QStringLiteral("notes"), false);
        QTest::newRow("executable path with a space, no quotes") << dict << QStringList{dict};
        QTest::newRow("the same with blanks around it") << "  " + dict + " " << QStringList{dict};
        QTest::newRow("the same path quoted, with an argument")
            << '"' + dict + "\" --word x" << QStringList{dict, "--word", "x"};
        QTest::newRow("a path that is not executable is split")
            << notes << (QStringList{notes.section(u' ', 0, 0), notes.section(u' ', 1)});
        QTest::newRow("program and arguments")
            << "dict --word 'two words'" << QStringList{"dict", "--word", "two words"};
        QTest::newRow("backslash keeps a space")
            << R"(my\ dict -x)" << QStringList{"my dict", "-x"};
        QTest::newRow("blank line") << "   " << QStringList{};
    }
    void toolCommandWords() {
        QFETCH(QString, line);
        QTEST(ToolLauncher::commandWords(line), "words");
    }

private:
    // Files that live as long as the test program, for the tables above.
    QTemporaryDir m_files;
    QString at(const QString& name) const { return m_files.filePath(name); }
    // A file in a folder whose name holds a space, executable or not.
    QString tool(const QString& name, bool executable) {
        const QString path = at(QStringLiteral("my tools/") + name);
        QDir().mkpath(QFileInfo(path).path());
        writeBytes(path, "#!/bin/sh\n");
        QFile::setPermissions(path, executable ? QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                               : QFileDevice::ReadOwner);
        return path;
    }
    std::unique_ptr<TIxvProcs> makeProcs(const ScreenMetrics& metrics = {}) {
        return std::make_unique<TIxvProcs>(
            std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("store.conf"))),
            metrics);
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(Tst_procs)
#include "tst_procs.moc"
