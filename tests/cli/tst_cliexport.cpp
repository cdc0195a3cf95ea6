// ixenvar-cli export run as a real process: the manuscript, the clues and the grid pictures as
// files, its usage errors and its failures.
#include "../output/ExportPuzzles.h"
#include "CliRun.h"
#include "puzzle/PuzzleFile.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

class Tst_CliExport : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

    static QByteArray readBytes(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
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

    void wrongArgumentsShowUsage_data() {
        QTest::addColumn<QStringList>("args");
        const QString p = path("Puzzle.ixv");
        QTest::newRow("an option instead of the puzzle")
            << QStringList{"export", "--rtf", path("x.rtf")};
        QTest::newRow("nothing to make") << QStringList{"export", p};
        QTest::newRow("unknown option") << QStringList{"export", p, "--doc", path("x.doc")};
        QTest::newRow("rtf without a file") << QStringList{"export", p, "--rtf"};
        QTest::newRow("grid image without a file") << QStringList{"export", p, "--grid-image", "1"};
        QTest::newRow("grid image kind 4")
            << QStringList{"export", p, "--grid-image", "4", path("x.svg")};
        QTest::newRow("grid image kind not a number")
            << QStringList{"export", p, "--grid-image", "one", path("x.svg")};
        QTest::newRow("grid image of an unknown format")
            << QStringList{"export", p, "--grid-image", "1", path("x.pdf")};
        QTest::newRow("a good option, then a wrong one")
            << QStringList{"export", p, "--rtf", path("x.rtf"), "--grid-image", "1", path("x")};
    }
    void wrongArgumentsShowUsage() {
        QFETCH(QStringList, args);
        const CliRun run = cli(args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("usage:") &&
                     run.err.contains("ixenvar-cli export FILE.ixv OPTION..."),
                 qPrintable(run.err));
        QCOMPARE(filesInDir(), (QStringList{"Puzzle.ixv", "Thirty.ixv"}));
    }

    // A failure names the file and leaves no file behind.
    void failuresNameTheFile_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("named");
        QTest::newRow("not a puzzle")
            << QStringList{"export", path("plain"), "--rtf", path("x.rtf")} << path("plain");
        QTest::newRow("manuscript into a folder that cannot be")
            << QStringList{"export", path("Puzzle.ixv"), "--rtf", path("plain/x.rtf")}
            << path("plain/x.rtf");
        QTest::newRow("picture into a folder that cannot be")
            << QStringList{"export", path("Puzzle.ixv"), "--grid-image", "2", path("plain/x.eps")}
            << path("plain/x.eps");
    }
    void failuresNameTheFile() {
        QFETCH(QStringList, args);
        QFETCH(QString, named);
        QFile plain(path("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.write("not a puzzle");
        plain.close();
        const CliRun run = cli(args);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(named), qPrintable(run.err));
        QCOMPARE(filesInDir(), (QStringList{"Puzzle.ixv", "Thirty.ixv", "plain"}));
    }
};

QTEST_GUILESS_MAIN(Tst_CliExport)
#include "tst_cliexport.moc"
