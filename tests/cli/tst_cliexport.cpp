// ixenvar-cli export run as a real process: the manuscript, the clues and the grid pictures as
// files. Its wrong arguments and failures are in tst_cli.
#include "../output/ExportPuzzles.h"
#include "CliRun.h"
#include "TestFiles.h"
#include "puzzle/PuzzleFile.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

class Tst_CliExport : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QStringList filesInDir() const {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    }

private slots:
    void init() {
        QFile::remove(TestEnv::settingsPath());
        for (const QString& file : filesInDir())
            QFile::remove(path(file));
        PuzzleFile::SavePuzzle(path("Puzzle.ixv"), manuscriptPuzzle());
        PuzzleFile::SavePuzzle(path("Thirty.ixv"), thirtyWordPuzzle());
    }

    // The export reads the name and address the program keeps.
    void manuscriptAndCluesAsWrittenByHand() {
        const QStringList values = {"Name", "Ann {Setter}", "Add1",    "1 Main St", "Add2",
                                    "Town", "Add3",         "Tel 555", "Add4",      "Country"};
        for (int i = 0; i < values.size(); i += 2)
            QCOMPARE(cli({"config", "set", values[i], values[i + 1]}).exitCode, 0);
        const CliRun run = cli({"export", path("Thirty.ixv"), "--rtf", path("Thirty.rtf"),
                                "--clues", path("clues.txt")});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(readBytes(path("Thirty.rtf")), goldenFile("thirty-words.rtf"));
        QCOMPARE(readBytes(path("clues.txt")), goldenFile("thirty-words-clues.txt"));
    }

    // The format follows the extension, in any letter case; the picture describes the puzzle
    // file it shows.
    void gridPictureFormats_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QByteArray>("inside");
        QTest::newRow("solving grid as SVG")
            << "1"
            << "grid.svg" << QByteArray("<?xml") << QByteArray("<desc>Puzzle.ixv</desc>");
        QTest::newRow("solution grid as EPS")
            << "2"
            << "grid.EPS" << QByteArray("%!PS-Adobe-3.0 EPSF-3.0\n")
            << QByteArray("%%BoundingBox: 0 0 302 302\n");
        QTest::newRow("manuscript solution grid as PNG")
            << "3"
            << "grid.png" << QByteArray("\x89PNG") << QByteArray();
    }
    void gridPictureFormats() {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        QFETCH(QByteArray, inside);
        const CliRun run = cli({"export", path("Puzzle.ixv"), "--grid-image", kind, path(name)});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        const QByteArray bytes = readBytes(path(name));
        QVERIFY(bytes.startsWith(start));
        QVERIFY(bytes.contains(inside));
        if (name.endsWith(".png"))
            QCOMPARE(QImage::fromData(bytes).size(), QSize(302, 302) * 4);
    }
};

QTEST_GUILESS_MAIN(Tst_CliExport)
#include "tst_cliexport.moc"
