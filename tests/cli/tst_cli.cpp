// ixenvar-cli run as a real process: building, showing, suggesting, the manuscript and grid
// pictures, the settings commands, and every command's wrong arguments and failures.
#include "../output/ExportPuzzles.h"
#include "CliRun.h"
#include "GridText.h"
#include "TestEnv.h"
#include "TestFiles.h"
#include "prefs/SettingsBackup.h"
#include "puzzle/PuzzleFile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kNothing = 99;
const QString kCorrupt = QStringLiteral("Puzzle not in Ixenvar format or is corrupt.\n");

using Run = CliRun;

// A 10 x 8 puzzle whose first row holds text and whose other squares are black; the squares
// listed in initials carry the initial letters of words 1, 2, ...
PuzzleRecord rowPuzzle(const QByteArray& text, const QList<int>& initials) {
    PuzzleRecord rec = PuzzleRecord::zeroed();
    rec.ClearPuzzle(10, 8, "");
    for (int r = 1; r <= 8; ++r) {
        for (int c = 1; c <= 10; ++c) {
            const bool letter = r == 1 && c <= text.size();
            rec.letter(c, r) = letter ? quint8(text[c - 1]) : BlackSquare;
            rec.code(c, r) = letter ? CodeFree : CodeBlack;
        }
    }
    for (int w = 1; w <= initials.size(); ++w)
        rec.setCode(initials[w - 1], 1, qint16(100 + w));
    return rec;
}

} // namespace

class Tst_cli : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QString quotationFile(const QByteArray& utf8) const {
        writeBytes(path("quotation.txt"), utf8);
        return path("quotation.txt");
    }
    Run newPuzzle(const QString& out, const QByteArray& quotation, const QString& authorTitle,
                  const QStringList& extra = {}) const {
        return cli(QStringList{"new", out, "--quotation-file", quotationFile(quotation),
                               "--author-title", authorTitle} +
                   extra);
    }

private slots:
    void init() {
        QFile::remove(TestEnv::settingsPath()); // every case starts with an empty store
        QFile::remove(path("out.ixv"));
    }

    void newBuildsAndReports_data() {
        QTest::addColumn<QByteArray>("quotation");
        QTest::addColumn<QString>("authorTitle");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("size");
        QTest::addColumn<int>("words");
        QTest::newRow("plain text")
            << QByteArray("The cat sat on the mat.") << "Cat" << QStringList() << "10 x 8" << 3;
        QTest::newRow("Windows-1252 characters")
            << QByteArray("Caf\xC3\xA9 \xE2\x80\x93 5 \xE2\x82\xAC") << QString::fromUtf8("Fé")
            << QStringList() << "10 x 8" << 1;
        QTest::newRow("byte-order mark")
            << QByteArray("\xEF\xBB\xBFOh no") << "On" << QStringList() << "10 x 8" << 2;
        QTest::newRow("manual size") << QByteArray("The cat sat.") << "Sat"
                                     << QStringList{"--manual", "12", "9"} << "12 x 9" << 3;
    }
    void newBuildsAndReports() {
        QFETCH(QByteArray, quotation);
        QFETCH(QString, authorTitle);
        QFETCH(QStringList, extra);
        QFETCH(QString, size);
        QFETCH(int, words);
        const Run run = newPuzzle(path("out.ixv"), quotation, authorTitle, extra);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.count('\n'), 1);
        QVERIFY2(run.out.contains(size) && run.out.contains(QStringLiteral(" %1 words").arg(words)),
                 qPrintable(run.out));
        const PuzzleRecord rec = PuzzleFile::LoadPuzzle(path("out.ixv"));
        QCOMPARE(QStringLiteral("%1 x %2").arg(rec.GridWidth).arg(rec.GridHeight), size);
        QCOMPARE(rec.wordCount(), words);
    }

    void constructorNameFromTheSettings() {
        QCOMPARE(cli({"config", "set", "Name", QString::fromUtf8("Zoë Ünal")}).exitCode, 0);
        QCOMPARE(newPuzzle(path("out.ixv"), "The cat sat.", "Cat").exitCode, 0);
        QCOMPARE(PuzzleFile::LoadPuzzle(path("out.ixv")).ConstructorName.bytes(),
                 QByteArray("Zo\xEB \xDCnal"));
    }

    void allowHyphDecidesPunctuationSquares_data() {
        QTest::addColumn<int>("stored"); // kNothing: no value stored
        QTest::addColumn<QString>("flag");
        QTest::addColumn<bool>("squares");
        QTest::newRow("nothing stored") << kNothing << QString() << true;
        QTest::newRow("setting 0") << 0 << QString() << false;
        QTest::newRow("setting -1 is not 1") << -1 << QString() << false;
        QTest::newRow("setting 0, flag 1") << 0 << "1" << true;
    }
    void allowHyphDecidesPunctuationSquares() {
        QFETCH(int, stored);
        QFETCH(QString, flag);
        QFETCH(bool, squares);
        if (stored != kNothing)
            QCOMPARE(cli({"config", "set-int", "AllowHyph", QString::number(stored)}).exitCode, 0);
        const QStringList extra =
            flag.isEmpty() ? QStringList() : QStringList{"--allow-hyph", flag};
        QCOMPARE(newPuzzle(path("out.ixv"), "Don't stop-gap", "Dog", extra).exitCode, 0);
        const QByteArray bytes = readBytes(path("out.ixv"));
        const QByteArray letters = bytes.mid(4, 31 * 21);
        QCOMPARE(letters.contains('\''), squares);
        QCOMPARE(letters.contains('-'), squares);
    }

    void failedBuildPrintsTheMessage_data() {
        QTest::addColumn<QByteArray>("quotation");
        QTest::addColumn<QString>("authorTitle");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("message");
        QTest::newRow("letter missing") << QByteArray("la") << "All" << QStringList()
                                        << "The Author-Title line contains the letter L that does "
                                           "not appear in the Quotation. Please correct the "
                                           "Author-Title line or cancel construction.";
        QTest::newRow("empty quotation")
            << QByteArray() << "A" << QStringList() << "Please Input the Source Quotation!";
    }
    void failedBuildPrintsTheMessage() {
        QFETCH(QByteArray, quotation);
        QFETCH(QString, authorTitle);
        QFETCH(QStringList, extra);
        QFETCH(QString, message);
        const Run run = newPuzzle(path("out.ixv"), quotation, authorTitle, extra);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, message + '\n');
        QCOMPARE(run.out, QString());
        QVERIFY(!QFile::exists(path("out.ixv")));
    }

    void unusableTextIsRefused_data() {
        QTest::addColumn<QByteArray>("quotation");
        QTest::addColumn<QString>("authorTitle");
        QTest::addColumn<QStringList>("named"); // what the message must name
        QTest::newRow("Chinese in the quotation")
            << QByteArray("The \xE7\x8C\xAB sat") << "T" << QStringList{"\u732B", "U+732B"};
        QTest::newRow("emoji in the quotation")
            << QByteArray("Hi \xF0\x9F\x98\x80") << "H" << QStringList{"\U0001F600", "U+1F600"};
        QTest::newRow("Chinese in the author-title")
            << QByteArray("Cat") << "C\u732B" << QStringList{"\u732B", "author-title"};
        QTest::newRow("not UTF-8") << QByteArray("Caf\xE9 au lait") << "C" << QStringList{"UTF-8"};
        QTest::newRow("cut off at the end") << QByteArray("Caf\xE9") << "C" << QStringList{"UTF-8"};
    }
    void unusableTextIsRefused() {
        QFETCH(QByteArray, quotation);
        QFETCH(QString, authorTitle);
        QFETCH(QStringList, named);
        const Run run = newPuzzle(path("out.ixv"), quotation, authorTitle);
        QCOMPARE(run.exitCode, 1);
        for (const QString& part : named)
            QVERIFY2(run.err.contains(part), qPrintable(run.err));
        QVERIFY(!QFile::exists(path("out.ixv")));
    }

    // Wrong arguments of every command: exit code 2, the usage that --help prints on standard
    // error, nothing on standard output, and no file made.
    void wrongArgumentsShowUsage_data() {
        QTest::addColumn<QStringList>("args");
        const QString q = quotationFile("Cat"), p = path("p.ixv"), o = path("o.pdf");
        const QStringList make{"new", path("x.ixv"), "--quotation-file", q, "--author-title", "C"};
        const auto row = [](const char* name, const QStringList& args) {
            QTest::newRow(name) << args;
        };
        row("nothing", {});
        row("unknown command", {"make"});
        row("new without author-title", {"new", path("x.ixv"), "--quotation-file", q});
        row("new: seed not a number", make + QStringList{"--seed", "x"});
        row("new: manual without height", make + QStringList{"--manual", "10"});
        row("show two files", {"show", p, p});
        row("config alone", {"config"});
        row("config backup without a file", {"config", "backup"});
        row("export: nothing to make", {"export", p});
        row("export: unknown option", {"export", p, "--doc", path("x.doc")});
        row("export: grid image kind 4", {"export", p, "--grid-image", "4", path("x.svg")});
        row("export: a good option, then a wrong one",
            {"export", p, "--rtf", path("x.rtf"), "--grid-image", "1", path("x")});
        row("pdf: unknown page kind", {"export", p, "--pdf", o, "--pages", "ms,xx"});
        row("pdf: margin 10", {"export", p, "--pdf", o, "--margin", "10"});
        row("pdf: option given twice", {"export", p, "--pdf", o, "--no-by", "--no-by"});
        row("suggest: no word", {"suggest", p});
        row("suggest: a label in the wrong case", {"suggest", p, "--word", "a"});
        row("suggest: limit 0", {"suggest", p, "--word", "A", "--limit", "0"});
        row("print: no printer name", {"print", p, "--printer"});
        row("print: 101 copies", {"print", p, "--copies", "101"});
        row("print: gray takes no value", {"print", p, "--gray", "yes"});
    }
    void wrongArgumentsShowUsage() {
        QFETCH(QStringList, args);
        PuzzleFile::SavePuzzle(path("p.ixv"), rowPuzzle("SEA", {1}));
        const QStringList before = QDir(m_dir.path()).entryList(QDir::Files);
        const Run run = cli(args);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, cli({"--help"}).out);
        QCOMPARE(run.out, QString());
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), before);
    }

    // A command that cannot do its work exits with 1 and names the file and what is wrong with
    // it on standard error; it prints nothing else and leaves no file. Show, export and print
    // read the puzzle in one place, whose two failures show's rows take.
    void failuresNameTheFile_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        const QString p = path("p.ixv"), plain = path("plain"), none = path("none.ixv");
        const QString o = path("o.pdf"), words = path("words");
        const QString missing = " cannot be opened: No such file or directory";
        const auto row = [](const char* name, const QStringList& args, const QString& message) {
            QTest::newRow(name) << args << message;
        };
        row("show: no puzzle", {"show", plain}, plain + ": " + kCorrupt);
        row("show: no file", {"show", none}, none + missing);
        row("suggest: no file", {"suggest", none, "--word", "A", "--words", words}, none + missing);
        row("suggest: no puzzle", {"suggest", plain, "--word", "A", "--words", words},
            plain + ": " + kCorrupt);
        row("suggest: no word list", {"suggest", p, "--word", "A", "--words", path("no-list")},
            path("no-list"));
        row("suggest: a folder for a word list",
            {"suggest", p, "--word", "A", "--words", m_dir.path()}, m_dir.path());
        row("suggest: a word the puzzle does not have",
            {"suggest", p, "--word", "Z", "--words", words}, p);
        row("export: no puzzle", {"export", plain, "--rtf", path("x.rtf")}, plain);
        row("export: a manuscript where no folder can be",
            {"export", p, "--rtf", path("plain/x.rtf")}, path("plain/x.rtf"));
        row("export: a picture where no folder can be",
            {"export", p, "--grid-image", "2", path("plain/x.eps")}, path("plain/x.eps"));
        row("pdf: a title outside the code page",
            {"export", p, "--pdf", o, "--title", QString::fromUtf8("Trail \xE2\x86\x92")},
            "The title contains the character");
        row("print: no puzzle", {"print", plain}, plain + ": " + kCorrupt);
        row("print: a title outside the code page",
            {"print", p, "--title", QString::fromUtf8("\xCE\xA9")},
            "The title contains the character");
    }
    void failuresNameTheFile() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        PuzzleFile::SavePuzzle(path("p.ixv"), rowPuzzle("SEA", {1}));
        QVERIFY(writeBytes(path("plain"), rowPuzzle("CAT", {1}).toBytes().first(100)));
        QVERIFY(writeBytes(path("words"), "sea\n"));
        const QStringList before = QDir(m_dir.path()).entryList(QDir::Files);
        const Run run = cli(args);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(run.err.count(u'\n'), 1);
        QVERIFY(run.err.endsWith(u'\n'));
        QCOMPARE(run.out, QString());
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), before);
    }

    // Asking for help or the version is no error: the answer goes to standard output.
    void helpAndVersionAnswerOnStandardOutput_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("arg");
        QTest::addColumn<QString>("expected");
        const QString cliPath = QStringLiteral(IXV_CLI_PATH);
        const QString app = QFileInfo(cliPath).path() + QStringLiteral("/ixenvar");
        QTest::newRow("cli --version") << cliPath << "--version"
                                       << "ixenvar-cli 7.0";
        if (QFileInfo::exists(app)) { // not built with the core alone
            QTest::newRow("program --version") << app << "--version"
                                               << "ixenvar 7.0";
        }
    }
    void helpAndVersionAnswerOnStandardOutput() {
        QFETCH(QString, program);
        QFETCH(QString, arg);
        QFETCH(QString, expected);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY")); // the program answers without a display
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        p.setProcessEnvironment(env);
        p.start(program, {arg});
        QVERIFY(p.waitForFinished(-1));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(out.contains(expected), qPrintable(out));
        QCOMPARE(QString::fromUtf8(p.readAllStandardError()), QString());
    }

    // Word A is the S; the other three quotation words are free. The longest candidates come
    // first, and those whose letters the puzzle has no room for are marked.
    void suggestPrintsTheCandidates_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("expected");
        QTest::newRow("longest first, repeaters marked")
            << QStringList{} << "SORT\nSTAR\nSAT\nSEA\nSEE*\n";
        QTest::newRow("at most the limit") << QStringList{"--limit", "2"} << "SORT\nSTAR\n";
    }
    void suggestPrintsTheCandidates() {
        QFETCH(QStringList, options);
        PuzzleFile::SavePuzzle(path("sea.ixv"), grid("SEA#ARE#RAT#OAR", "A"));
        writeBytes(path("words"), "sea\nstar\nsee\nsort\nsat\nrat\ns\n");
        const Run run =
            cli(QStringList{"suggest", path("sea.ixv"), "--word", "A", "--words", path("words")} +
                options);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QTEST(run.out, "expected");
    }

    // Without --words the list is the one WordListPath names, and the grid language is the
    // one of the settings.
    void suggestReadsTheListAndLanguageFromTheSettings() {
        writeBytes(path("french"), "s\xC3\xA9"
                                   "ance\nsoar\n");
        QCOMPARE(cli({"config", "set", "WordListPath", path("french")}).exitCode, 0);
        const QString file = path("seance.ixv");
        PuzzleFile::SavePuzzle(file, grid("S#\xC9#A#N#C#E#O#R", "A"));
        QCOMPARE(cli({"suggest", file, "--word", "A"}).out, QStringLiteral("SOAR\n"));
        QCOMPARE(cli({"config", "set-int", "GridLanguage", "1"}).exitCode, 0);
        const Run french = cli({"suggest", file, "--word", "A"});
        QCOMPARE(french.out, QStringLiteral("SÉANCE\nSOAR\n"));
        QCOMPARE(french.exitCode, 0);
    }

    // The manuscript of thirty words and the clues, with the name and address the program
    // keeps, byte for byte as written by hand.
    void exportManuscriptAndClues() {
        const QStringList values = {"Name", "Ann {Setter}", "Add1",    "1 Main St", "Add2",
                                    "Town", "Add3",         "Tel 555", "Add4",      "Country"};
        for (int i = 0; i < values.size(); i += 2)
            QCOMPARE(cli({"config", "set", values[i], values[i + 1]}).exitCode, 0);
        PuzzleFile::SavePuzzle(path("Thirty.ixv"), thirtyWordPuzzle());
        const Run run = cli({"export", path("Thirty.ixv"), "--rtf", path("Thirty.rtf"), "--clues",
                             path("clues.txt")});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(readBytes(path("Thirty.rtf")), goldenFile("thirty-words.rtf"));
        QCOMPARE(readBytes(path("clues.txt")), goldenFile("thirty-words-clues.txt"));
    }

    // The format follows the extension, in any letter case; the picture describes the puzzle
    // file it shows.
    void exportGridPictureFormats_data() {
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
    }
    void exportGridPictureFormats() {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        QFETCH(QByteArray, inside);
        PuzzleFile::SavePuzzle(path("Puzzle.ixv"), manuscriptPuzzle());
        const Run run = cli({"export", path("Puzzle.ixv"), "--grid-image", kind, path(name)});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        const QByteArray bytes = readBytes(path(name));
        QVERIFY(bytes.startsWith(start));
        QVERIFY(bytes.contains(inside));
    }

    void showPrintsThePuzzle() {
        QCOMPARE(newPuzzle(path("out.ixv"), "The cat sat", "Cat", {"--seed", "9"}).exitCode, 0);
        const Run run = cli({"show", path("out.ixv")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        const QStringList lines = run.out.split('\n');
        QCOMPARE(lines.size(), 14); // ends with a line break
        // 11 squares, 5 black squares before them.
        QCOMPARE(lines.mid(0, 8),
                 QStringList({"#####THE#C", "AT#SAT####"}) + QStringList(6, QString(10, '#')));
        QVERIFY2(lines.at(8).endsWith("CAT"), qPrintable(lines.at(8)));
        QCOMPARE(lines.at(9).split('\t').mid(0, 2), (QStringList{"A", "C"}));
        QCOMPARE(lines.at(10).split('\t').mid(0, 2), (QStringList{"B", "A"}));
        QCOMPARE(lines.at(11).split('\t').mid(0, 2), (QStringList{"C", "T"}));
        QCOMPARE(lines.at(12), "9 letters  /  3 acrostic words  /  3 letters per acrostic word  "
                               "/  3 vowels  /  6 consonants");
    }

    void configCommands() {
        QCOMPARE(cli({"config", "set", "Name", QString::fromUtf8("Zoë Example")}).exitCode, 0);
        QCOMPARE(cli({"config", "set-int", "HistoryMaximum", "-12"}).exitCode, 0);
        QCOMPARE(cli({"config", "set", "Address1", "1 Main St"}).exitCode, 0);
        QCOMPARE(cli({"config", "set", "Name", "Ann"}).exitCode, 0); // keeps its place
        QCOMPARE(cli({"config", "get", "Name"}).out, "Ann\n");
        QCOMPARE(cli({"config", "get", "HistoryMaximum"}).out, "-12\n");
        const Run list = cli({"config", "list"});
        QCOMPARE(list.exitCode, 0);
        QCOMPARE(list.out, "Name\ttext\tAnn\nHistoryMaximum\tinteger\t-12\n"
                           "Address1\ttext\t1 Main St\n");

        const Run missing = cli({"config", "get", "Nobody"});
        QCOMPARE(missing.exitCode, 1);
        QCOMPARE(missing.out, QString());
        QVERIFY(!missing.err.isEmpty());
        QCOMPARE(cli({"config", "set-int", "HistoryMaximum", "many"}).exitCode, 1);
        QCOMPARE(cli({"config", "set-int", "HistoryMaximum", "2147483648"}).exitCode, 1);
        QCOMPARE(cli({"config", "get", "HistoryMaximum"}).out, "-12\n");
    }

    // The same file as the preferences' Backup, from the same store.
    void configBackup() {
        QCOMPARE(cli({"config", "set", "DictPath", "\"C:\\Tools\\finder.EXE\""}).exitCode, 0);
        QCOMPARE(cli({"config", "set-int", "SlideOn", "-1"}).exitCode, 0);
        QCOMPARE(cli({"config", "set", "Name", QString::fromUtf8("Zo\u00EB \"Z\"")}).exitCode, 0);
        const Run run = cli({"config", "backup", path("prefs.reg")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        SettingsBackup::ExportSettingsFile(SettingsStore(TestEnv::settingsPath()),
                                           path("same.reg"));
        QCOMPARE(readBytes(path("prefs.reg")), readBytes(path("same.reg")));
    }

    void configBackupRefusals_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("missing folder") << path("none/p.reg");
        QTest::newRow("a folder") << m_dir.path();
    }
    void configBackupRefusals() {
        QFETCH(QString, file);
        const Run run = cli({"config", "backup", file});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.startsWith(file + ": "), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(Tst_cli)
#include "tst_cli.moc"
