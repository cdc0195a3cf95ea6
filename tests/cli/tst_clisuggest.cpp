// ixenvar-cli suggest run as a real process: its output, the settings it reads and its exit
// codes.
#include "CliRun.h"
#include "GridText.h"
#include "TestEnv.h"
#include "puzzle/PuzzleFile.h"

#include <QTemporaryDir>
#include <QtTest>

class Tst_CliSuggest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QString writeFile(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(bytes);
        return path(name);
    }
    // Word A is the S; the other three quotation words are free.
    QString puzzle() const {
        const QString file = path("sea.ixv");
        PuzzleFile::SavePuzzle(file, grid("SEA#ARE#RAT#OAR", "A"));
        return file;
    }

private slots:
    void init() { QFile::remove(TestEnv::settingsPath()); }

    void printsTheCandidates_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("expected");
        QTest::newRow("longest first, repeaters marked")
            << QStringList{} << "SORT\nSTAR\nSAT\nSEA\nSEE*\n";
        QTest::newRow("at most the limit") << QStringList{"--limit", "2"} << "SORT\nSTAR\n";
    }
    void printsTheCandidates() {
        QFETCH(QStringList, options);
        QFETCH(QString, expected);
        const QString words = writeFile("words", "sea\nstar\nsee\nsort\nsat\nrat\ns\n");
        const CliRun run =
            cli(QStringList{"suggest", puzzle(), "--word", "A", "--words", words} + options);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, expected);
    }

    // Without --words the list is the one WordListPath names, and the grid language is the
    // one of the settings.
    void readsTheListAndLanguageFromTheSettings() {
        const QString words = writeFile("french", "s\xC3\xA9"
                                                  "ance\nsoar\n");
        QCOMPARE(cli({"config", "set", "WordListPath", words}).exitCode, 0);
        const QString file = path("seance.ixv");
        PuzzleFile::SavePuzzle(file, grid("S#\xC9#A#N#C#E#O#R", "A"));
        QCOMPARE(cli({"suggest", file, "--word", "A"}).out, QStringLiteral("SOAR\n"));
        QCOMPARE(cli({"config", "set-int", "GridLanguage", "1"}).exitCode, 0);
        const CliRun french = cli({"suggest", file, "--word", "A"});
        QCOMPARE(french.out, QStringLiteral("SÉANCE\nSOAR\n"));
        QCOMPARE(french.exitCode, 0);
    }

    void refusalsNameTheFile_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("named");
        QTest::newRow("no puzzle file") << path("none.ixv") << QStringList{} << path("none.ixv");
        QTest::newRow("not a puzzle")
            << writeFile("short.ixv", "SEA") << QStringList{} << path("short.ixv");
        QTest::newRow("no word list")
            << QString() << QStringList{"--words", path("no-list")} << path("no-list");
        QTest::newRow("a folder for a word list")
            << QString() << QStringList{"--words", m_dir.path()} << m_dir.path();
        QTest::newRow("a word the puzzle does not have")
            << QString() << QStringList{"--word", "Z"} << path("sea.ixv");
    }
    void refusalsNameTheFile() {
        QFETCH(QString, file);
        QFETCH(QStringList, options);
        QFETCH(QString, named);
        const QString words = writeFile("words", "sea\n");
        QStringList args{"suggest", file.isEmpty() ? puzzle() : file, "--word", "A", "--words",
                         words};
        args += options;
        const CliRun run = cli(args);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.contains(named), qPrintable(run.err));
    }

    void wrongArgumentsShowUsage_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no puzzle") << QStringList{"suggest"};
        QTest::newRow("no word") << QStringList{"suggest", "p.ixv"};
        QTest::newRow("no such label") << QStringList{"suggest", "p.ixv", "--word", "ee"};
        QTest::newRow("a label in the wrong case")
            << QStringList{"suggest", "p.ixv", "--word", "a"};
        QTest::newRow("limit 0") << QStringList{"suggest", "p.ixv", "--word", "A", "--limit", "0"};
        QTest::newRow("unknown option")
            << QStringList{"suggest", "p.ixv", "--word", "A", "--all", "1"};
    }
    void wrongArgumentsShowUsage() {
        QFETCH(QStringList, args);
        const CliRun run = cli(args);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.startsWith(QStringLiteral("usage:")), qPrintable(run.err));
        QVERIFY(run.err.contains(QStringLiteral("ixenvar-cli suggest FILE.ixv --word LABEL")));
    }
};

QTEST_GUILESS_MAIN(Tst_CliSuggest)
#include "tst_clisuggest.moc"
