// ixenvar-cli suggest run as a real process: its output and the settings it reads. Its wrong
// arguments and failures are in tst_cli.
#include "CliRun.h"
#include "GridText.h"
#include "TestEnv.h"
#include "TestFiles.h"
#include "puzzle/PuzzleFile.h"

#include <QTemporaryDir>
#include <QtTest>

class Tst_CliSuggest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QString writeFile(const QString& name, const QByteArray& bytes) const {
        writeBytes(path(name), bytes);
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
        const QString words = writeFile("words", "sea\nstar\nsee\nsort\nsat\nrat\ns\n");
        const CliRun run =
            cli(QStringList{"suggest", puzzle(), "--word", "A", "--words", words} + options);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QTEST(run.out, "expected");
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
};

QTEST_GUILESS_MAIN(Tst_CliSuggest)
#include "tst_clisuggest.moc"
