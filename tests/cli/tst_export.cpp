// "ixenvar-cli export --pdf" run as a real process, its files read by real readers: qpdf,
// pdfinfo and pdftotext. Its wrong arguments are in tst_cli.
#include "PdfTestSupport.h"
#include "SmallDisk.h"
#include "TestEnv.h"
#include "TestPuzzles.h"
#include "puzzle/PuzzleFile.h"

#include <QtTest>

using namespace PdfTest;

namespace {

ToolRun cli(const QStringList& args,
            const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    return run(QStringLiteral(IXV_CLI_PATH), args, env);
}

void setting(const QString& name, const QString& value) {
    QCOMPARE(cli({QStringLiteral("config"), QStringLiteral("set"), name, value}).exitCode, 0);
}

int pageCount(const QString& pdf) {
    const ToolRun info = run(QStringLiteral("pdfinfo"), {pdf});
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                          QRegularExpression::MultilineOption);
    const auto match = pages.match(QString::fromLatin1(info.out));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The words pdftotext finds on each page.
QList<QStringList> wordsByPage(const QString& pdf) {
    const ToolRun text = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, "-"});
    static const QRegularExpression word(QStringLiteral("<word [^>]*>([^<]*)</word>"));
    QList<QStringList> pages;
    for (const QString& page : QString::fromUtf8(text.out).split(QStringLiteral("<page ")).mid(1)) {
        QStringList words;
        for (auto it = word.globalMatch(page); it.hasNext();)
            words << it.next().captured(1);
        pages << words;
    }
    return pages;
}

// Every file and folder in the folder, hidden ones included.
QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

} // namespace

class Tst_export : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_puzzle;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    // Exports the puzzle with the options; the file is named after the row.
    QString exported(const QStringList& options, const QString& puzzle = {}) {
        const QString out = path(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));
        const ToolRun done =
            cli(QStringList{QStringLiteral("export"), puzzle.isEmpty() ? m_puzzle : puzzle,
                            QStringLiteral("--pdf"), out} +
                options);
        if (done.exitCode != 0)
            qWarning("%s", done.err.constData());
        return done.exitCode == 0 ? out : QString();
    }

private slots:
    void initTestCase() {
        m_puzzle = path(QStringLiteral("Acrostic.ixv"));
        PuzzleFile::SavePuzzle(m_puzzle, completedEmersonPuzzle());
    }
    void init() { QFile::remove(TestEnv::settingsPath()); }

    void everyChoiceGivesAReadableFile_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("pages");
        QTest::newRow("manuscript by default") << QStringList() << 4;
        QTest::newRow("puzzle page alone, no By")
            << QStringList{"--pages", "pp", "--no-sol", "--no-by"} << 1;
        QTest::newRow("the grids, in any order") << QStringList{"--pages", "sg,ng,msg"} << 3;
        QTest::newRow("every kind")
            << QStringList{"--pages", "ms,msg,ng,sg,pp", "--title", "Trail"} << 9;
    }
    void everyChoiceGivesAReadableFile() {
        QFETCH(QStringList, options);
        const QString file = exported(options);
        QVERIFY(!file.isEmpty());
        const ToolRun check = run(QStringLiteral("qpdf"), {QStringLiteral("--check"), file});
        QVERIFY2(check.exitCode == 0, check.out + check.err);
        QVERIFY2(check.out.contains("No syntax or stream encoding errors found"), check.out);
        QTEST(pageCount(file), "pages");
    }

    // The manuscript in Courier New 12 has lines of L = 47 and (2794 - 2 * 127) div 47 + 1 - m
    // lines to a page at a bottom margin of m. Below a ten-line header each clue takes four
    // lines, the fifth (80 characters, split) five; a page breaks after the clue that ends
    // below the last line.
    void manuscriptBreaksAtTheBottomMargin_data() {
        QTest::addColumn<QString>("margin");
        QTest::addColumn<QString>("firstOnPage2");
        QTest::newRow("margin 1: 54 lines, clue 11 ends at 55") << "1"
                                                                << "L.";
        QTest::newRow("margin 9: 46 lines, clue 9 ends at 47") << "9"
                                                               << "J.";
    }
    void manuscriptBreaksAtTheBottomMargin() {
        QFETCH(QString, margin);
        const auto pages = wordsByPage(exported({"--margin", margin}));
        QCOMPARE(pages.size(), 4);
        static const QRegularExpression label(QStringLiteral("^[A-L]\\.$"));
        QString first;
        for (const QString& w : pages[1]) {
            if (label.match(w).hasMatch()) {
                first = w;
                break;
            }
        }
        QTEST(first, "firstOnPage2");
    }

    // The header's title, the information dictionary's author and subject.
    void documentProperties_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("constructor");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("title");
        QTest::addColumn<QByteArray>("author"); // empty: no /Author entry
        QTest::newRow("title from the file name, no constructor")
            << "Emerson Trail.ixv" << QByteArray() << QStringList()
            << QByteArray("(Emerson Trail) Tj") << QByteArray("/Author(an Ixenvar puzzle)\n");
        QTest::newRow("title given, a constructor")
            << "Acrostic 12.ixv" << QByteArray("Ann Example") << QStringList{"--title", "Paths"}
            << QByteArray("(Paths) Tj") << QByteArray("/Author(Ann Example)\n");
        QTest::newRow("constructor \"--\" gives no author")
            << "a.b.ixv" << QByteArray("--") << QStringList() << QByteArray("(a.b) Tj")
            << QByteArray();
    }
    void documentProperties() {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, constructor);
        QFETCH(QStringList, options);
        QFETCH(QByteArray, title);
        QFETCH(QByteArray, author);
        PuzzleRecord record = completedEmersonPuzzle();
        record.ConstructorName.assign(constructor);
        const QString puzzle = path(fileName);
        PuzzleFile::SavePuzzle(puzzle, record);
        const QByteArray pdf = readFile(exported(options, puzzle));
        QVERIFY(pdf.contains(title));
        QVERIFY(pdf.contains("/Subject(" + fileName.toLatin1() + ")\n"));
        if (author.isEmpty())
            QVERIFY(!pdf.contains("/Author"));
        else
            QVERIFY(pdf.contains(author));
    }

    // A failed export names the file, exits 1, and leaves the folder as it was: an existing
    // file untouched and no temporary file behind.
    void failedExportLeavesTheFolderAsItWas_data() {
        QTest::addColumn<QString>("failure");
        QTest::newRow("read-only folder") << "read-only";
        QTest::newRow("full disk") << "full";
        QTest::newRow("missing folder") << "missing";
    }
    void failedExportLeavesTheFolderAsItWas() {
        QFETCH(QString, failure);
        SmallDisk disk(256);
        if (!disk.mounted() && failure == QStringLiteral("full"))
            QSKIP(qPrintable(disk.why()));
        QTemporaryDir plain;
        const QString folder = disk.mounted() ? disk.path() : plain.path();
        QString file = folder + QStringLiteral("/Acrostic.PDF");
        QCOMPARE(cli({"export", m_puzzle, "--pages", "ng", "--pdf", file}).exitCode, 0);
        const QByteArray before = readFile(file);
        // The embedded font makes the whole document larger than the disk's room.
        setting(QStringLiteral("PPFontName"), QStringLiteral("DejaVu Serif"));
        if (failure == QStringLiteral("read-only"))
            QVERIFY(SmallDisk::makeReadOnly(folder));
        else if (failure == QStringLiteral("full"))
            disk.fill();
        else
            file = folder + QStringLiteral("/gone/Acrostic.PDF");
        const QStringList left = entries(folder);

        const ToolRun done = cli({"export", m_puzzle, "--pages", "ms,pp", "--pdf", file});
        if (::geteuid() != 0)
            ::chmod(QFile::encodeName(folder).constData(), 0755);
        QCOMPARE(done.exitCode, 1);
        QVERIFY2(QString::fromUtf8(done.err).contains(file), done.err);
        QCOMPARE(entries(folder), left);
        QCOMPARE(readFile(folder + QStringLiteral("/Acrostic.PDF")), before);
    }
};

QTEST_MAIN(Tst_export)
#include "tst_export.moc"
