// Where the puzzle file dialogs start.
#include "TestEnv.h"
#include "app/DialogFolders.h"

#include <QtTest>

class Tst_DialogFolders : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString at(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void startFolder_data() {
        QTest::addColumn<QString>("lastChosen");
        QTest::addColumn<QString>("current");
        QTest::addColumn<bool>("acrosticsExists");
        QTest::addColumn<QString>("expected");
        QDir().mkpath(at("docs-with/Tamberlin/Acrostics"));
        QTest::newRow("last chosen folder wins") << "/puzzles/2026" << at("work") << true
                                                 << "/puzzles/2026";
        QTest::newRow("a working folder") << "" << at("work") << true << at("work");
        QTest::newRow("home folder, puzzles folder exists")
            << "" << at("home") << true << at("docs-with/Tamberlin/Acrostics");
        QTest::newRow("home folder with a trailing slash")
            << "" << at("home") + "/" << true << at("docs-with/Tamberlin/Acrostics");
        QTest::newRow("home folder, no puzzles folder")
            << "" << at("home") << false << at("docs-without");
        QTest::newRow("program's own folder") << "" << at("bin") << false << at("docs-without");
    }
    void startFolder() {
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
};

QTEST_GUILESS_MAIN(Tst_DialogFolders)
#include "tst_dialogfolders.moc"
