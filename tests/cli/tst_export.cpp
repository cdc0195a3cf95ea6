// "ixenvar-cli export --pdf" run as a real process, its files read by real readers: qpdf,
// pdfinfo, pdffonts, pdftotext and pdftoppm. Its wrong arguments are in tst_cli.
#include "PdfTestSupport.h"
#include "SmallDisk.h"
#include "TestEnv.h"
#include "TestPuzzles.h"
#include "puzzle/PuzzleFile.h"

#include <QImage>
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

struct Word {
    QString text;
    QRectF box; // points from the page's top-left corner
};

// The words pdftotext finds on each page.
QList<QList<Word>> wordsByPage(const QString& pdf) {
    const ToolRun text = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, "-"});
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<QList<Word>> pages;
    for (const QString& page : QString::fromUtf8(text.out).split(QStringLiteral("<page ")).mid(1)) {
        QList<Word> words;
        for (auto it = word.globalMatch(page); it.hasNext();) {
            const auto m = it.next();
            const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
            const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
            words << Word{m.captured(5), QRectF(topLeft, bottomRight)};
        }
        pages << words;
    }
    return pages;
}

double points(int tenths) {
    return tenths * 72.0 / 254.0;
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
        QTest::newRow("puzzle page and its solution") << QStringList{"--pages", "pp"} << 2;
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
        for (const Word& w : pages[1]) {
            if (label.match(w.text).hasMatch()) {
                first = w.text;
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
        QTest::newRow("Windows-1252 title")
            << "Quiz.ixv" << QByteArray()
            << QStringList{"--title", QString::fromUtf8("Caf\xC3\xA9")}
            << QByteArray("(Caf\xE9) Tj") << QByteArray("/Author(an Ixenvar puzzle)\n");
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

    // Standard families are named, not embedded; any other TrueType font is embedded whole.
    void pdffontsShowsWhatIsEmbedded() {
        setting(QStringLiteral("PPFontName"), QStringLiteral("DejaVu Serif"));
        const QString file = exported({"--pages", "ms,msg,ng,sg,pp"});
        const QMap<QString, QString> embedded = embeddedFonts(file);
        const QMap<QString, QString> expected{
            {QStringLiteral("Courier New"), QStringLiteral("no")},
            {QStringLiteral("Courier New,Bold"), QStringLiteral("no")},
            {QStringLiteral("Arial"), QStringLiteral("no")},
            {QStringLiteral("Arial,Bold"), QStringLiteral("no")},
            {QStringLiteral("DejaVu Serif"), QStringLiteral("yes")},
        };
        QCOMPARE(embedded, expected);
    }

    // Places worked out by hand from the layout rules for the 16 x 8 puzzle, the numbered grid
    // on page 1 and the puzzle page on page 2, in tenths of a millimetre on a 2159 x 2794 page.
    // Widths are the fonts' advances in thousandths of the size (Liberation Mono 600 for every
    // character; Liberation Sans space 278; DejaVu Serif b 640, '.' and space 318); a line's
    // height at size s is round(round(s * 400 / 3) * (winAscent + winDescent) / 2048), pixels
    // at 100 times the size, times 254 / 9600.
    //  - Header: side and top margin 2159 div 17 = 127 and 2794 div 22 = 127; TW("Page 00") in
    //    Courier New 12 = 7 * 600 * 12 * 254 / 72000 = 177.8 -> 178; "Page" at
    //    x = 2159 - 127 - 178 = 1854, y = 127.
    //  - Numbered grid: q = (2159 - 127) div (16 + 3) = 106; left = (2159 - 16 * 106) div 2 =
    //    231; top = (2794 - 8 * 106) div 2 + 2 * 106 = 1185. Numbers in Arial at height
    //    round(106 / 8) = 13 pixels, size -10: TW(" ") = 278 * 10 * 254 / 72000 = 9.8 -> 10, so
    //    the first square's "1" stands at x = 231 + round(2 * 10 / 3) = 238, y = 1186.
    //  - Puzzle page: q = 2159 div 33 = 65; the title line L1 = TH("I") in Arial 11 bold =
    //    round(1467 * 2288 / 2048) = 1639 -> 43.4 -> 43; the clues start at
    //    y = 3 * 43 + (8 + 1) * 65 + 1 = 715, the label "A." at x = q = 65 and the first clue at
    //    x = 65 + TW("bb. ") = 65 + 1916 * 9 * 254 / 72000 = 65 + 60.8 -> 126.
    // Readers take an embedded font's ascent from the file, so its words' tops are compared
    // too; for the standard families they use metrics of their own.
    void pdftotextFindsTheTextWhereItWasPut_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("embedded");
        QTest::newRow("the header's page number") << 1 << "Page" << 1854 << 127 << false;
        QTest::newRow("the first square's number") << 1 << "1" << 238 << 1186 << false;
        QTest::newRow("the first clue's label") << 2 << "A." << 65 << 715 << true;
        QTest::newRow("the first clue") << 2 << "Not" << 126 << 715 << true;
    }
    void pdftotextFindsTheTextWhereItWasPut() {
        QFETCH(int, page);
        QFETCH(QString, word);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, embedded);
        setting(QStringLiteral("PPFontName"), QStringLiteral("DejaVu Serif"));
        const auto pages = wordsByPage(exported({"--pages", "ng,pp", "--no-sol"}));
        QCOMPARE(pages.size(), 2);
        QList<Word> found;
        for (const Word& w : pages[page - 1])
            if (w.text == word && qAbs(w.box.left() - points(x)) <= 0.5)
                found << w;
        QVERIFY2(found.size() == 1, qPrintable(word));
        if (embedded)
            QVERIFY2(qAbs(found[0].box.top() - points(y)) <= 0.5, qPrintable(word));
        else
            QVERIFY2(qAbs(found[0].box.top() - points(y)) <= 3, qPrintable(word));
    }

    // At 254 dots an inch a pixel is a tenth of a millimetre. Row 1 of the numbered grid reads
    // "THE#ONLY...": the fourth square is black, the first white in its middle.
    void pdftoppmShowsBlackSquaresBlack() {
        const QString file = exported({"--pages", "ng"});
        const QString image = path(QStringLiteral("grid"));
        const ToolRun render =
            run(QStringLiteral("pdftoppm"), {"-r", "254", "-gray", "-singlefile", file, image});
        QCOMPARE(render.exitCode, 0);
        const QImage page(image + QStringLiteral(".pgm"));
        QCOMPARE(page.size(), QSize(2159, 2794));
        constexpr int left = 231, top = 1185, q = 106;
        QCOMPARE(qGray(page.pixel(left + 3 * q + q / 2, top + q / 2)), 0);
        QCOMPARE(qGray(page.pixel(left + 3 * q + 5, top + 5)), 0);
        QCOMPARE(qGray(page.pixel(left + q / 2, top + q / 2)), 255);
        QCOMPARE(qGray(page.pixel(left - 20, top + q / 2)), 255);
    }

    void fontNamesFromTheSettings_data() {
        QTest::addColumn<QString>("fontName");
        QTest::addColumn<int>("fontStyle");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("Times New Roman bold")
            << "Times New Roman" << 1 << QByteArray("/BaseFont/Times#20New#20Roman,Bold\n");
        QTest::newRow("an embedded family's name")
            << "DejaVu Serif" << 2 << QByteArray("/BaseFont/DejaVu#20Serif,Italic\n");
    }
    void fontNamesFromTheSettings() {
        QFETCH(QString, fontName);
        QFETCH(int, fontStyle);
        setting(QStringLiteral("PPFontName"), fontName);
        QCOMPARE(cli({"config", "set-int", "PPFontStyle", QString::number(fontStyle)}).exitCode, 0);
        const QByteArray pdf = readFile(exported({"--pages", "pp"}));
        QFETCH(QByteArray, expected);
        QVERIFY2(pdf.contains(expected), expected.constData());
    }

    // Numbers are written without the locale: a German one, which writes 1.5 as "1,5", gives
    // the same bytes.
    void sameFileInACommaDecimalLocale() {
        const GermanLocale german;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
        const ToolRun decimal = run(QStringLiteral("printf"), {"%.1f", "1.5"}, env);
        if (decimal.out != "1,5")
            QSKIP("no German locale can be made here");
        setting(QStringLiteral("PPFontName"), QStringLiteral("DejaVu Serif"));
        const QStringList args{"export", m_puzzle, "--pages", "ms,msg,ng,sg,pp", "--pdf"};
        const QString plain = path(QStringLiteral("plain.pdf"));
        const QString comma = path(QStringLiteral("comma.pdf"));
        QProcessEnvironment c = QProcessEnvironment::systemEnvironment();
        c.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        QCOMPARE(cli(args + QStringList{plain}, c).exitCode, 0);
        QCOMPARE(cli(args + QStringList{comma}, env).exitCode, 0);
        const QByteArray bytes = readFile(plain);
        QVERIFY(bytes.contains(" re B\n")); // drawn with fractional points
        QCOMPARE(withoutDateAndId(readFile(comma)), withoutDateAndId(bytes));
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

    // With IXV_SCREENSHOTS set to a folder, the puzzle and its whole document are left there.
    void documentToLookAt() {
        const QString folder = qEnvironmentVariable("IXV_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("IXV_SCREENSHOTS names no folder");
        QFile::remove(folder + QStringLiteral("/Acrostic.ixv"));
        QVERIFY(QFile::copy(m_puzzle, folder + QStringLiteral("/Acrostic.ixv")));
        const QString file = folder + QStringLiteral("/Acrostic.pdf");
        QCOMPARE(cli({"export", m_puzzle, "--pages", "ms,msg,ng,sg,pp", "--pdf", file}).exitCode,
                 0);
    }
};

QTEST_MAIN(Tst_export)
#include "tst_export.moc"
