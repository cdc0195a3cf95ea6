// The PDF engine as the composer drives it: the pieces of PDF syntax it writes (text strings,
// ASCII85); the file, line by line, against a file written by hand and against the rules of
// each drawing call; its failures; its fonts and its measuring. The preview window's use of it
// is in tst_pdfpreviewform, the whole exported file in tst_export.
#include "PdfTestSupport.h"
#include "pdf/PdfFontFacts.h"
#include "pdf/PdfSyntax.h"

#include <QtTest>

using namespace PdfTest;

namespace {

using Action = std::function<void(PdfEngine&)>;

// The tiny document of the hand-written file: a filled and outlined rectangle, a dashed line,
// a text with parentheses and a bold text, in Courier New (whose widths are all 600).
void drawTinyDocument(PdfEngine& engine) {
    engine.setAuthor(QStringLiteral("Ann"));
    engine.setSubject(QStringLiteral("tiny.ixv"));
    engine.BeginDoc();
    engine.Brush().setColour(0x000000);
    engine.Pen().setColour(0x000000);
    engine.Pen().setStyle(PdfPenStyle::Solid);
    engine.Pen().setWidth(4);
    engine.Rectangle(254, 254, 508, 381);
    engine.Pen().setWidth(1);
    engine.Pen().setStyle(PdfPenStyle::Dash);
    engine.MoveTo(254, 508);
    engine.LineTo(1016, 508);
    engine.Font().setName(QStringLiteral("Courier New"));
    engine.Font().setSize(12);
    engine.Font().setStyle(0);
    engine.Font().setColour(0x000000);
    engine.TextOut(254, 635, "Hi (there)");
    engine.Font().setStyle(PdfFontStyle::Bold);
    engine.Font().setHeight(16);
    engine.TextOut(254, 762, "Bold");
    engine.EndDoc();
}

// Page 1's content lines after the action, drawn on a fresh engine in its default canvas
// state with pen width 1, black on a white brush.
QList<QByteArray> contentOf(const Action& action) {
    PdfEngine engine;
    setUp(engine, TOutputChannel::chDisplay);
    engine.BeginDoc();
    action(engine);
    engine.EndDoc();
    return lines(pageContents(engine.lastDocument()).value(0));
}

QList<QByteArray> split(const char* text) {
    return lines(QByteArray(text));
}

} // namespace

class Tst_pdfengine : public QObject {
    Q_OBJECT

private slots:
    void textStrings_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("parentheses") << QByteArray("f(x)") << QByteArray("(f\\(x\\))");
        QTest::newRow("backslash") << QByteArray("a\\b") << QByteArray("(a\\\\b)");
        QTest::newRow("backspace tab line feed form feed return")
            << QByteArray("\b\t\n\f\r") << QByteArray("(\\b\\t\\n\\f\\r)");
        QTest::newRow("bytes above 127 unchanged: curly quotes and e acute")
            << QByteArray("\x93\xe9\x94") << QByteArray("(\x93\xe9\x94)");
    }
    void textStrings() {
        QFETCH(QByteArray, bytes);
        QTEST(PdfSyntax::textString(bytes), "written");
    }

    void ascii85_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("four zero bytes as z") << QByteArray(4, '\0') << QByteArray("z~>");
        QTest::newRow("zeros in a last short group are not z")
            << QByteArray(3, '\0') << QByteArray("!!!!~>");
        QTest::newRow("last group of one byte") << QByteArray(".") << QByteArray("/c~>");
        QTest::newRow("group and remainder of two")
            << QByteArray("Man is") << QByteArray("9jqo^Bla~>");
        QTest::newRow("all ones") << QByteArray(4, '\xff') << QByteArray("s8W-!~>");
    }
    void ascii85() {
        QFETCH(QByteArray, data);
        QTEST(PdfSyntax::ascii85(data), "encoded");
    }

    void tinyDocumentAsWrittenByHand() {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("tiny.pdf"));
        PdfEngine engine;
        setUp(engine, TOutputChannel::chPDF, file);
        drawTinyDocument(engine);
        const QByteArray written = readFile(file);
        const QByteArray golden = readFile(QStringLiteral(IXV_TEST_DATA "/pdf/tiny.pdf"));
        QVERIFY(!golden.isEmpty());
        QCOMPARE(withoutDateAndId(written), withoutDateAndId(golden));
        QVERIFY(written.contains("/CreationDate(D:20240305143015)\n"));
    }

    void failures_data() {
        QTest::addColumn<bool>("open");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("subject");

        QTest::newRow("file name of a folder") << false << Action([](PdfEngine& e) {
            e.setChannel(TOutputChannel::chPDF);
            e.setFileName(QDir::tempPath());
            e.BeginDoc();
        }) << PdfMessage::FileLocked << QDir::tempPath();

        QTest::newRow("text in a CFF OpenType font") << true << Action([](PdfEngine& e) {
            e.Font().setName(QStringLiteral("Nimbus Roman"));
            e.TextOut(10, 10, "A");
        }) << PdfMessage::NotTrueType << QStringLiteral("Nimbus Roman");
    }
    void failures() {
        QFETCH(bool, open);
        QFETCH(Action, action);
        PdfEngine engine;
        setUp(engine, TOutputChannel::chDisplay);
        if (open)
            engine.BeginDoc();
        const Failure failure = failureOf([&] { action(engine); });
        QVERIFY2(failure.raised, "no failure was raised");
        QTEST(failure.reason, "reason");
        QTEST(failure.subject, "subject");
        QCOMPARE(engine.isOpen(), open);
    }

    // A document given up after a text the engine refused leaves the engine ready for the next,
    // without the fonts of the one given up.
    void aFailedTextLeavesTheDocumentOpen() {
        PdfEngine engine;
        setUp(engine, TOutputChannel::chDisplay);
        engine.BeginDoc();
        engine.Font().setName(QStringLiteral("Nimbus Roman"));
        QVERIFY(failureOf([&] { engine.TextOut(10, 10, "A"); }).raised);
        engine.Font().setName(QStringLiteral("Arial"));
        engine.TextOut(10, 10, "A");
        engine.AbortDoc();
        QVERIFY(!engine.isOpen());
        QCOMPARE(engine.PageNumber(), 0);
        engine.BeginDoc();
        engine.EndDoc();
        QVERIFY(!engine.lastDocument().contains("/Type/Font\n"));
    }

    // Each drawing call's lines, with the numbers worked out by hand: x_pt = x * 72 / 254 and
    // y_pt = (2794 - y) * 72 / 254 on a Letter page in tenths of a millimetre. Courier New's
    // widths are all 600 and its ascent 833 thousandths; its underline sits 435/2048 of the size
    // below the baseline, 84/2048 thick.
    void content_data() {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QList<QByteArray>>("expected");

        QTest::newRow("clear brush: outline only, S") << Action([](PdfEngine& e) {
            e.Brush().setStyle(PdfBrushStyle::Clear);
            e.Rectangle(254, 254, 508, 381);
        }) << split("0 0 0 RG\n[]0 d\n0.283 w\n72 684 72 36 re S\n");
        QTest::newRow("setting the brush colour makes it solid again") << Action([](PdfEngine& e) {
            e.Brush().setStyle(PdfBrushStyle::Clear);
            e.Brush().setColour(0x000000);
            e.Pen().setStyle(PdfPenStyle::Clear);
            e.Rectangle(254, 254, 508, 381);
        }) << split("0 0 0 rg\n72 684 72 36 re f\n");
        QTest::newRow("underlined text: a line under it, as long as the text, rounded")
            << Action([](PdfEngine& e) {
                   e.Font().setName(QStringLiteral("Courier New"));
                   e.Font().setSize(12);
                   e.Font().setStyle(PdfFontStyle::Underline);
                   e.TextOut(254, 635, "Hi");
               })
            << split("BT\n/F0 12 Tf\n0 0 0 rg\n72 602.004 Td\n(Hi) Tj\nET\n"
                     "0 0 0 RG\n[]0 d\n0.492 w\n72 599.455 m 86 599.455 l S\n");
        QTest::newRow("system colours are turned into their colour") << Action([](PdfEngine& e) {
            e.setSystemColours([](quint32 c) { return c == 0xFF00000F ? 0xC0C0C0u : 0u; });
            e.Brush().setColour(0xFF00000F); // button face
            e.Pen().setStyle(PdfPenStyle::Clear);
            e.Rectangle(0, 0, 254, 254);
        }) << split("0.753 0.753 0.753 rg\n0 720 72 72 re f\n");
    }
    void content() {
        QFETCH(Action, action);
        QTEST(contentOf(action), "expected");
    }

    void fontObjects_data() {
        QTest::addColumn<Action>("setUpFont");
        QTest::addColumn<QByteArray>("baseFont");
        QTest::addColumn<QByteArray>("fontName");
        QTest::addColumn<int>("flags");
        QTest::addColumn<bool>("embedded");

        const auto font = [](const char* family, int style) {
            return Action([=](PdfEngine& e) {
                e.Font().setName(QString::fromUtf8(family));
                e.Font().setStyle(style);
            });
        };
        using S = PdfFontStyle::Bit;
        QTest::newRow("Times New Roman italic")
            << font("Times New Roman", S::Italic) << QByteArray("Times#20New#20Roman,Italic")
            << QByteArray("Times#20New#20Roman") << 98 << false;
        QTest::newRow("a stand-in asked for by its own name is embedded")
            << font("Liberation Sans", 0) << QByteArray("Liberation#20Sans")
            << QByteArray("Liberation#20Sans") << 32 << true;
        QTest::newRow("family not installed: the font used is named and embedded")
            << font("Ixenvar No Such Family", S::Bold) << QByteArray("DejaVu#20Sans,Bold")
            << QByteArray("DejaVu#20Sans") << 32 << true;
    }
    void fontObjects() {
        QFETCH(Action, setUpFont);
        QFETCH(QByteArray, baseFont);
        QFETCH(QByteArray, fontName);
        QFETCH(int, flags);
        QFETCH(bool, embedded);
        PdfEngine engine;
        setUp(engine, TOutputChannel::chDisplay);
        setUpFont(engine);
        engine.BeginDoc();
        engine.TextOut(100, 100, "Acrostic");
        engine.EndDoc();
        const QByteArray pdf = engine.lastDocument();

        QVERIFY2(pdf.contains("\n/BaseFont/" + baseFont + "\n"), pdf.constData());
        QVERIFY(pdf.contains("\n/FontName/" + fontName + "\n"));
        QVERIFY(pdf.contains("\n/Flags " + QByteArray::number(flags) + "\n"));
        QVERIFY(pdf.contains("\n/Encoding/WinAnsiEncoding\n"));
        QCOMPARE(pdf.contains("\n/FontFile2 5 0 R\n"), embedded);
        QCOMPARE(pdf.contains("\n/Filter[/ASCII85Decode/FlateDecode]\n"), embedded);
    }

    // Widths by hand from the fonts' own advance widths in thousandths (Arial: I 278, W 944,
    // i 222, space 278; Courier New: 600 each); heights from the cell of 100 times the size at
    // 96 pixels an inch: Courier New's cell is 2320/2048 of the size, Arial's 2288/2048. A
    // negative size is a height in pixels.
    void measuring_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("size");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        // 1200 * 12 / 1000 = 14.4 pt = 50.8 tenths; cell 1600 * 2320 / 2048 = 1812.5 -> 1812 px,
        // 1812 / 100 px = 47.9 tenths.
        QTest::newRow("Courier New 12")
            << QStringLiteral("Courier New") << 12 << QByteArray("Hi") << 51 << 48;
        // 13 px is 9.75 points, rounded to 10: 12 pt = 42.3 tenths; the cell is 1333 px at 100
        // times, 35.3 tenths.
        QTest::newRow("Courier New by height 13 px: size 10")
            << QStringLiteral("Courier New") << -13 << QByteArray("Hi") << 42 << 35;
        // (278 + 944 + 222 + 278) * 10 / 1000 = 17.22 pt = 60.75 tenths; cell 1333 * 2288 / 2048
        // = 1489 px, 39.4 tenths.
        QTest::newRow("Arial 10") << QStringLiteral("Arial") << 10 << QByteArray("IWi ") << 61
                                  << 39;
        QTest::newRow("control bytes have no width")
            << QStringLiteral("Courier New") << 12 << QByteArray("H\x01\x1fi") << 51 << 48;
    }
    void measuring() {
        QFETCH(QString, family);
        QFETCH(int, size);
        QFETCH(QByteArray, text);
        PdfEngine engine;
        setUp(engine, TOutputChannel::chDisplay);
        engine.BeginDoc();
        engine.Font().setName(family);
        if (size < 0)
            engine.Font().setHeight(-size);
        else
            engine.Font().setSize(size);
        QTEST(engine.TextWidth(text), "width");
        QTEST(engine.TextHeight(text), "height");
    }
};

QTEST_MAIN(Tst_pdfengine)
#include "tst_pdfengine.moc"
