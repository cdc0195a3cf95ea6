// PDF files as real readers see them (qpdf, pdftotext), the fonts the engine chooses, and files
// that cannot be written: an existing file stays as it was. Exported puzzles are read by
// pdffonts and pdftoppm in tst_export.
#include "PdfTestSupport.h"
#include "SmallDisk.h"
#include "TestFiles.h"
#include "pdf/PdfFontFacts.h"

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace PdfTest;

namespace {

using Action = std::function<void(PdfEngine&)>;

const QString kLiberation = QStringLiteral("/usr/share/fonts/truetype/liberation2/");
const QString kDejaVuSerif = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf");

QString writeDocument(const QString& file, const Action& draw) {
    PdfEngine engine;
    setUp(engine, TOutputChannel::chPDF, file);
    engine.BeginDoc();
    draw(engine);
    engine.EndDoc();
    return file;
}

// A single-face TrueType file wrapped as a collection of one font: a "ttcf" header, then the
// font with its table offsets moved by the header's length.
QByteArray collectionOf(const QByteArray& font) {
    constexpr quint32 kHeader = 16;
    QByteArray out("ttcf\0\1\0\0\0\0\0\1", 12);
    QByteArray offset(4, '\0');
    qToBigEndian<quint32>(kHeader, offset.data());
    out += offset;
    QByteArray moved = font;
    const int tables = qFromBigEndian<quint16>(moved.constData() + 4);
    for (int i = 0; i < tables; ++i) {
        char* field = moved.data() + 12 + 16 * i + 8;
        qToBigEndian<quint32>(qFromBigEndian<quint32>(field) + kHeader, field);
    }
    return out + moved;
}

} // namespace

class Tst_pdffiles : public QObject {
    Q_OBJECT

private slots:
    // Every byte as text, in an embedded font and a standard one.
    void qpdfAcceptsEveryByte() {
        const QString file =
            writeDocument(m_folder.filePath(QStringLiteral("bytes.pdf")), [](PdfEngine& e) {
                QByteArray all;
                for (int b = 1; b < 256; ++b)
                    all += char(b);
                e.Font().setName(QStringLiteral("DejaVu Sans"));
                e.TextOut(100, 100, all);
                e.Font().setName(QStringLiteral("Times New Roman"));
                e.TextOut(100, 300, all);
            });
        const ToolRun check = run(QStringLiteral("qpdf"), {QStringLiteral("--check"), file});
        QVERIFY2(check.exitCode == 0, check.out + check.err);
        QVERIFY2(check.out.contains("No syntax or stream encoding errors found"), check.out);
    }

    // Decoded by qpdf, the embedded font stream is the font file byte for byte.
    void embeddedFontIsTheWholeFile() {
        const QString file =
            writeDocument(m_folder.filePath(QStringLiteral("embedded.pdf")), [](PdfEngine& e) {
                e.Font().setName(QStringLiteral("DejaVu Serif"));
                e.TextOut(100, 100, "Acrostic");
            });
        const ToolRun stream =
            run(QStringLiteral("qpdf"), {QStringLiteral("--show-object=5"),
                                         QStringLiteral("--filtered-stream-data"), file});
        QCOMPARE(stream.exitCode, 0);
        QCOMPARE(stream.out, readFile(kDejaVuSerif));
    }

    // Readers place a word in a standard family, which they draw with metrics of their own,
    // where the engine measured it: its left edge at x and its right edge at x plus the width.
    void pdftotextPlacesTheText_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("style");
        QTest::newRow("Arial") << QStringLiteral("Arial") << 0;
        QTest::newRow("Times New Roman bold")
            << QStringLiteral("Times New Roman") << int(PdfFontStyle::Bold);
    }
    void pdftotextPlacesTheText() {
        QFETCH(QString, family);
        QFETCH(int, style);
        constexpr int x = 437, y = 1211;
        const QByteArray word = "Wavering";
        int width = 0;
        const QString file =
            writeDocument(m_folder.filePath(QStringLiteral("text.pdf")), [&](PdfEngine& e) {
                e.Font().setName(family);
                e.Font().setStyle(style);
                e.Font().setHeight(23);
                e.TextOut(x, y, word);
                width = e.TextWidth(word);
            });
        const ToolRun text =
            run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
        QCOMPARE(text.exitCode, 0);
        static const QRegularExpression box(
            QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"[\\d.]+\" xMax=\"([\\d.]+)\" "
                           "yMax=\"[\\d.]+\">Wavering</word>"));
        const auto match = box.match(QString::fromUtf8(text.out));
        QVERIFY2(match.hasMatch(), text.out);
        const auto points = [](int tenths) { return tenths * 72.0 / 254.0; };
        QVERIFY2(qAbs(match.captured(1).toDouble() - points(x)) <= 0.5,
                 qPrintable(match.captured(0)));
        QVERIFY2(qAbs(match.captured(2).toDouble() - points(x + width)) <= 0.5,
                 qPrintable(match.captured(0)));
    }

    void fontChoice_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<PdfFontFacts::Choice>("choice");
        QTest::addColumn<QString>("pdfName");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("trueType");
        using C = PdfFontFacts::Choice;
        QTest::newRow("Times New Roman bold as Liberation Serif Bold")
            << QStringLiteral("Times New Roman") << true << false << C::Substitute
            << QStringLiteral("Times New Roman")
            << kLiberation + QStringLiteral("LiberationSerif-Bold.ttf") << true;
        QTest::newRow("an installed family, in its own spelling")
            << QStringLiteral("dejavu serif") << false << false << C::Installed
            << QStringLiteral("DejaVu Serif") << kDejaVuSerif << true;
        QTest::newRow("CFF OpenType is not TrueType")
            << QStringLiteral("Nimbus Roman") << false << false << C::Installed
            << QStringLiteral("Nimbus Roman")
            << QStringLiteral("/usr/share/fonts/opentype/urw-base35/NimbusRoman-Regular.otf")
            << false;
    }
    void fontChoice() {
        QFETCH(QString, family);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        const auto facts = PdfFonts::facts(family, bold, italic);
        QTEST(facts->choice, "choice");
        QTEST(facts->pdfName, "pdfName");
        QTEST(facts->fileName, "file");
        QTEST(facts->trueType, "trueType");
    }

    void fileKinds_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<PdfFonts::FileKind>("kind");
        using K = PdfFonts::FileKind;
        const QString urw = QStringLiteral("/usr/share/fonts/");
        QTest::newRow("OpenType with CFF outlines")
            << urw + QStringLiteral("opentype/urw-base35/NimbusSans-Regular.otf") << K::OpenTypeCff;
        QTest::newRow("collection")
            << m_folder.filePath(QStringLiteral("one.ttc")) << K::Collection;
        QTest::newRow("no file") << QStringLiteral("/nonexistent.ttf") << K::Other;
    }
    void fileKinds() {
        QFETCH(QString, file);
        if (file.endsWith(QStringLiteral(".ttc")))
            QVERIFY(writeBytes(file, collectionOf(readFile(kDejaVuSerif))));
        QTEST(PdfFonts::fileKind(file), "kind");
    }

    void unwritableFolderKeepsTheOldFile_data() {
        QTest::addColumn<bool>("existing");
        QTest::addColumn<QString>("reason");
        QTest::newRow("existing file") << true << PdfMessage::FileLocked;
        QTest::newRow("new file") << false << PdfMessage::CantOpenFile;
    }
    void unwritableFolderKeepsTheOldFile() {
        QFETCH(bool, existing);
        SmallDisk disk(256);
        QTemporaryDir plain;
        const QString folder = disk.mounted() ? disk.path() : plain.path();
        const QString file = folder + QStringLiteral("/Acrostic.PDF");
        QByteArray before;
        if (existing) {
            writeDocument(file, [](PdfEngine& e) { e.TextOut(100, 100, "first"); });
            before = readFile(file);
            QVERIFY(!before.isEmpty());
        }
        QVERIFY(SmallDisk::makeReadOnly(folder));

        PdfEngine engine;
        setUp(engine, TOutputChannel::chPDF, file);
        const Failure failure = failureOf([&] { engine.BeginDoc(); });
        if (::geteuid() != 0)
            ::chmod(QFile::encodeName(folder).constData(), 0755);
        QVERIFY(failure.raised);
        QTEST(failure.reason, "reason");
        QCOMPARE(failure.subject, file);
        QVERIFY(!engine.isOpen());
        QCOMPARE(readFile(file), before);
        QCOMPARE(QFileInfo::exists(file), existing);
        QCOMPARE(temporaryFilesIn(folder), QStringList());
    }

    void fullDiskKeepsTheOldFile() {
        SmallDisk disk(128);
        if (!disk.mounted()) {
            if (::geteuid() != 0)
                QSKIP(qPrintable(disk.why()));
            QFAIL(qPrintable(disk.why()));
        }
        const QString file = disk.filePath(QStringLiteral("Acrostic.PDF"));
        writeDocument(file, [](PdfEngine& e) { e.TextOut(100, 100, "first"); });
        const QByteArray before = readFile(file);
        QVERIFY(!before.isEmpty());
        disk.fill();

        PdfEngine engine;
        setUp(engine, TOutputChannel::chPDF, file);
        int ends = 0;
        engine.OnEnd = [&](PdfEngine&) { ++ends; };
        engine.BeginDoc();
        engine.Font().setName(QStringLiteral("DejaVu Serif"));
        engine.TextOut(100, 100, "second, with a font program larger than the disk");
        const Failure failure = failureOf([&] { engine.EndDoc(); });
        QVERIFY2(failure.raised, "a write on a full disk reported success");
        QCOMPARE(failure.reason, PdfMessage::FileWriteError);
        QCOMPARE(failure.subject, file);
        QCOMPARE(ends, 0);
        QVERIFY(!engine.isOpen());
        QCOMPARE(readFile(file), before);
        QCOMPARE(temporaryFilesIn(disk.path()), QStringList());
    }

    void folderGoneBeforeTheEnd() {
        QTemporaryDir parent;
        const QString folder = parent.filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkdir(folder));
        const QString file = folder + QStringLiteral("/Acrostic.PDF");
        PdfEngine engine;
        setUp(engine, TOutputChannel::chPDF, file);
        engine.BeginDoc();
        QVERIFY(QDir(folder).removeRecursively());
        const Failure failure = failureOf([&] { engine.EndDoc(); });
        QCOMPARE(failure.reason, PdfMessage::FileWriteError);
        QCOMPARE(failure.subject, file);
        QVERIFY(!engine.isOpen());
        engine.setFileName(parent.filePath(QStringLiteral("Acrostic.PDF")));
        engine.BeginDoc();
        engine.EndDoc();
        QVERIFY(QFileInfo::exists(engine.FileName()));
    }

    // The file is replaced only by a complete document: one given up half-way leaves the old
    // file as it was and nothing beside it.
    void abandonedDocumentWritesNothing() {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("Acrostic.PDF"));
        writeDocument(file, [](PdfEngine& e) { e.TextOut(100, 100, "first"); });
        const QByteArray before = readFile(file);
        PdfEngine engine;
        setUp(engine, TOutputChannel::chPDF, file);
        engine.BeginDoc();
        engine.TextOut(100, 100, "second");
        engine.NewPage();
        QCOMPARE(readFile(file), before);
        engine.AbortDoc();
        QCOMPARE(readFile(file), before);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Acrostic.PDF")});
    }

private:
    QTemporaryDir m_folder;
};

QTEST_GUILESS_MAIN(Tst_pdffiles)
#include "tst_pdffiles.moc"
