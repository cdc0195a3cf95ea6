// The PDF engine as the composer and the preview window drive it: the pieces of PDF syntax it
// writes (numbers, text strings, names, ASCII85, widths arrays); the file, line by line,
// against a file written by hand and against the rules of each drawing call; its states and
// every failure; its measuring; its end handler and its display.
#include "PdfTestSupport.h"
#include "TestEnv.h"
#include "pdf/PdfDisplay.h"
#include "pdf/PdfFontFacts.h"
#include "pdf/PdfSyntax.h"

#include <QBuffer>
#include <QPdfDocument>
#include <QtTest>

using namespace PdfTest;

namespace {

using Action = std::function<void(PdfEngine&)>;

// A display that reads the bytes it is given with QtPdf, as the preview's page display does.
class QtPdfDisplay : public PdfDisplay {
public:
    void showDocument(const QByteArray& pdf, int pageCount) override {
        m_bytes = pdf;
        m_buffer.close();
        m_buffer.setData(m_bytes);
        m_buffer.open(QIODevice::ReadOnly);
        m_document.load(&m_buffer);
        m_announcedPages = pageCount;
        m_page = 1;
        ++m_documents;
    }
    void showPage(int page) override { m_page = page; }
    int shownPage() const override { return m_page; }

    const QPdfDocument& document() const { return m_document; }
    int announcedPages() const { return m_announcedPages; }
    int documents() const { return m_documents; }
    const QByteArray& bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
    QBuffer m_buffer;
    QPdfDocument m_document;
    int m_announcedPages = 0;
    int m_page = -1;
    int m_documents = 0;
};

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
QList<QByteArray> contentOf(const Action& action, TLengthUnit unit = TLengthUnit::luTenth) {
    PdfEngine engine;
    setUp(engine, TOutputChannel::chDisplay);
    engine.setLengthUnit(unit);
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
    void numbers_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("whole number has no decimals") << 612.0 << QByteArray("612");
        QTest::newRow("pen of 4 tenths") << 4 * 72.0 / 254.0 << QByteArray("1.134");
        QTest::newRow("small fraction keeps leading zeros") << 0.007 << QByteArray("0.007");
        QTest::newRow("rounded to thousandths") << 1.23456 << QByteArray("1.235");
        QTest::newRow("rounding up carries") << 9.9996 << QByteArray("10");
        QTest::newRow("tiny negative is zero") << -0.0001 << QByteArray("0");
    }
    void numbers() {
        QFETCH(double, value);
        QTEST(PdfSyntax::number(value), "text");
    }

    void textStrings_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("empty") << QByteArray() << QByteArray("()");
        QTest::newRow("parentheses") << QByteArray("f(x)") << QByteArray("(f\\(x\\))");
        QTest::newRow("backslash") << QByteArray("a\\b") << QByteArray("(a\\\\b)");
        QTest::newRow("backspace tab line feed form feed return")
            << QByteArray("\b\t\n\f\r") << QByteArray("(\\b\\t\\n\\f\\r)");
        QTest::newRow("other control bytes unchanged")
            << QByteArray("\x01\x1b", 2) << QByteArray("(\x01\x1b)", 4);
        QTest::newRow("bytes above 127 unchanged: curly quotes and e acute")
            << QByteArray("\x93\xe9\x94") << QByteArray("(\x93\xe9\x94)");
    }
    void textStrings() {
        QFETCH(QByteArray, bytes);
        QTEST(PdfSyntax::textString(bytes), "written");
    }

    void names_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("spaces as #20")
            << QStringLiteral("Times New Roman") << QByteArray("Times#20New#20Roman");
        QTest::newRow("delimiters and number sign")
            << QStringLiteral("A(b)/c#d") << QByteArray("A#28b#29#2Fc#23d");
        QTest::newRow("non-ASCII as UTF-8 bytes")
            << QStringLiteral("Caf\u00e9") << QByteArray("Caf#C3#A9");
    }
    void names() {
        QFETCH(QString, text);
        QTEST(PdfSyntax::name(text), "written");
    }

    void ascii85_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("empty") << QByteArray() << QByteArray("~>");
        QTest::newRow("one group") << QByteArray("Man ") << QByteArray("9jqo^~>");
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

    void widthsArrays_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("onLastLine");
        QTest::newRow("characters 30 to 255: 15 lines, the last with 2") << 226 << 15 << 2;
        QTest::newRow("characters 32 to 255: 14 full lines") << 224 << 14 << 16;
        QTest::newRow("one more than a line") << 17 << 2 << 1;
        QTest::newRow("a single width") << 1 << 1 << 1;
    }
    void widthsArrays() {
        QFETCH(int, count);
        QFETCH(int, onLastLine);
        QList<int> widths;
        for (int i = 0; i < count; ++i)
            widths.append(100 + i);
        const QList<QByteArray> written = PdfSyntax::widthsLines(widths);
        QCOMPARE(written.first(), QByteArray("["));
        QCOMPARE(written.last(), QByteArray("]"));
        QTEST(int(written.size() - 2), "lines");
        for (qsizetype i = 1; i < written.size() - 1; ++i) {
            QVERIFY2(written[i].endsWith(' '), written[i].constData());
            QCOMPARE(written[i].count(' '), i == written.size() - 2 ? onLastLine : 16);
        }
        QVERIFY(written[1].startsWith(count > 1 ? "100 101 " : "100 "));
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

    void sameBytesUnderACommaDecimalLocale() {
        const auto document = [] {
            PdfEngine engine;
            setUp(engine, TOutputChannel::chDisplay, QStringLiteral("/tmp/acrostic.pdf"));
            drawTinyDocument(engine);
            engine.BeginDoc();
            engine.Font().setName(QStringLiteral("DejaVu Serif"));
            engine.Font().setStyle(PdfFontStyle::Underline | PdfFontStyle::StrikeOut);
            engine.Brush().setColour(0x808080);
            engine.Rectangle(11, 13, 1001, 1003);
            engine.TextOut(17, 19, "Decimals 1.5");
            engine.EndDoc();
            return engine.lastDocument();
        };
        const QByteArray before = document();
        QByteArray after;
        {
            GermanLocale german;
            QVERIFY(GermanLocale::active());
            after = document();
        }
        QVERIFY(before.contains("0.502 0.502 0.502 rg"));
        QCOMPARE(after, before);
    }

    void failures_data() {
        QTest::addColumn<bool>("open");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("subject");

        const QString notOpened = PdfMessage::DocumentNotOpened;
        QTest::newRow("BeginDoc while open") << true << Action([](PdfEngine& e) { e.BeginDoc(); })
                                             << PdfMessage::DocumentAlreadyOpen << QString();
        QTest::newRow("file channel without a file name") << false << Action([](PdfEngine& e) {
            e.setChannel(TOutputChannel::chPDF);
            e.BeginDoc();
        }) << PdfMessage::CantOpenFile << QString();
        QTest::newRow("file name of a folder") << false << Action([](PdfEngine& e) {
            e.setChannel(TOutputChannel::chPDF);
            e.setFileName(QDir::tempPath());
            e.BeginDoc();
        }) << PdfMessage::FileLocked << QDir::tempPath();

        const QList<QPair<const char*, Action>> closedCalls{
            {"NewPage", [](PdfEngine& e) { e.NewPage(); }},
            {"EndDoc", [](PdfEngine& e) { e.EndDoc(); }},
            {"TextOut", [](PdfEngine& e) { e.TextOut(1, 1, "A"); }},
            {"TextWidth", [](PdfEngine& e) { e.TextWidth("A"); }},
        };
        for (const auto& [name, call] : closedCalls)
            QTest::addRow("%s while closed", name) << false << call << notOpened << QString();
        QTest::newRow("file name while open")
            << true << Action([](PdfEngine& e) { e.setFileName(QStringLiteral("x.pdf")); })
            << PdfMessage::CantModifyWhenActive << QString();
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

    // A text the engine refuses stops that call only: the document goes on, and one given up
    // leaves the engine ready for the next.
    void aFailedTextLeavesTheDocumentOpen() {
        PdfEngine engine;
        setUp(engine, TOutputChannel::chDisplay);
        engine.BeginDoc();
        engine.Font().setName(QStringLiteral("Nimbus Roman"));
        QVERIFY(failureOf([&] { engine.TextOut(10, 10, "A"); }).raised);
        QVERIFY(engine.TextWidth("AB") > 0); // measuring needs no TrueType file
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
    // below the baseline, 84/2048 thick; its strike-out 530/2048 above, 102/2048 thick.
    void content_data() {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QList<QByteArray>>("expected");

        QTest::newRow("corners given in any order")
            << Action([](PdfEngine& e) { e.Rectangle(508, 381, 254, 254); })
            << split("1 1 1 rg\n0 0 0 RG\n[]0 d\n0.283 w\n72 684 72 36 re B\n");
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
        QTest::newRow("equal x: a line")
            << Action([](PdfEngine& e) { e.Rectangle(254, 254, 254, 508); })
            << split("0 0 0 RG\n[]0 d\n0.283 w\n72 720 m\n72 648 l S\n");
        QTest::newRow("underlined text: a line under it, as long as the text, rounded")
            << Action([](PdfEngine& e) {
                   e.Font().setName(QStringLiteral("Courier New"));
                   e.Font().setSize(12);
                   e.Font().setStyle(PdfFontStyle::Underline);
                   e.TextOut(254, 635, "Hi");
               })
            << split("BT\n/F0 12 Tf\n0 0 0 rg\n72 602.004 Td\n(Hi) Tj\nET\n"
                     "0 0 0 RG\n[]0 d\n0.492 w\n72 599.455 m 86 599.455 l S\n");
        QTest::newRow("struck-out text: a line through it")
            << Action([](PdfEngine& e) {
                   e.Font().setName(QStringLiteral("Courier New"));
                   e.Font().setSize(12);
                   e.Font().setStyle(PdfFontStyle::StrikeOut);
                   e.Font().setColour(0xFF0000);
                   e.TextOut(254, 635, "Hi");
               })
            << split("BT\n/F0 12 Tf\n0 0 1 rg\n72 602.004 Td\n(Hi) Tj\nET\n"
                     "0 0 1 RG\n[]0 d\n0.598 w\n72 605.109 m 86 605.109 l S\n");
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

        const auto font = [](const char* family, int style, bool embed = true) {
            return Action([=](PdfEngine& e) {
                e.setEmbedFonts(embed);
                e.Font().setName(QString::fromUtf8(family));
                e.Font().setStyle(style);
            });
        };
        using S = PdfFontStyle::Bit;
        QTest::newRow("Times New Roman bold")
            << font("Times New Roman", S::Bold) << QByteArray("Times#20New#20Roman,Bold")
            << QByteArray("Times#20New#20Roman") << 34 << false;
        QTest::newRow("Times New Roman italic")
            << font("Times New Roman", S::Italic) << QByteArray("Times#20New#20Roman,Italic")
            << QByteArray("Times#20New#20Roman") << 98 << false;
        QTest::newRow("DejaVu Serif is embedded")
            << font("DejaVu Serif", 0) << QByteArray("DejaVu#20Serif")
            << QByteArray("DejaVu#20Serif") << 34 << true;
        QTest::newRow("a stand-in asked for by its own name is embedded")
            << font("Liberation Sans", 0) << QByteArray("Liberation#20Sans")
            << QByteArray("Liberation#20Sans") << 32 << true;
        QTest::newRow("family not installed: the font used is named and embedded")
            << font("Ixenvar No Such Family", S::Bold) << QByteArray("DejaVu#20Sans,Bold")
            << QByteArray("DejaVu#20Sans") << 32 << true;
        QTest::newRow("in the symbolic list") << Action([](PdfEngine& e) {
            e.setSymbolicFonts({QStringLiteral("DejaVu Sans")});
            e.Font().setName(QStringLiteral("DejaVu Sans"));
        }) << QByteArray("DejaVu#20Sans") << QByteArray("DejaVu#20Sans")
                                              << 4 << true;
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

    // One resource per family, bold/italic style and character set, in the order of first use;
    // sizes, underlining and colours share it, and the default character set is the ANSI one.
    void resourcesAreSharedBySize() {
        const QList<QByteArray> content = contentOf([](PdfEngine& e) {
            e.Font().setName(QStringLiteral("Times New Roman"));
            e.Font().setSize(9);
            e.TextOut(0, 0, "a");
            e.Font().setSize(12);
            e.Font().setStyle(PdfFontStyle::Underline);
            e.TextOut(0, 100, "b");
            e.Font().setStyle(PdfFontStyle::Bold);
            e.TextOut(0, 200, "c");
            e.Font().setStyle(0);
            e.Font().setName(QStringLiteral("times new roman"));
            e.TextOut(0, 300, "d");
            e.Font().setCharset(PdfFont::kAnsiCharset);
            e.TextOut(0, 400, "e");
        });
        QList<QByteArray> fonts;
        for (const QByteArray& line : content) {
            if (line.endsWith(" Tf"))
                fonts.append(line);
        }
        QCOMPARE(fonts, QList<QByteArray>(
                            {"/F0 9 Tf", "/F0 12 Tf", "/F1 12 Tf", "/F0 12 Tf", "/F0 12 Tf"}));

        PdfEngine engine;
        setUp(engine, TOutputChannel::chDisplay);
        engine.BeginDoc();
        engine.Font().setName(QStringLiteral("Times New Roman"));
        engine.TextOut(0, 0, "a");
        engine.Font().setStyle(PdfFontStyle::Bold);
        engine.TextOut(0, 0, "a");
        engine.NewPage();
        engine.Font().setStyle(0);
        engine.TextOut(0, 0, "a");
        engine.EndDoc();
        const QByteArray pdf = engine.lastDocument();
        QCOMPARE(pdf.count("/Type/Font\n"), 2);
        QCOMPARE(lines(object(pdf, 3)),
                 QList<QByteArray>({"3 0 obj", "<<", "/ProcSet[/PDF/Text/ImageC]", "/Font<<",
                                    "/F0 7 0 R", "/F1 10 0 R", ">>", ">>", "endobj"}));
    }

    void fontHeightGivesSize_data() {
        QTest::addColumn<bool>("byHeight");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("height");
        QTest::newRow("height 13 px: 9.75 rounds to 10") << true << 13 << -10 << 13;
        QTest::newRow("height 6 px: 4.5 rounds away from zero") << true << 6 << -5 << 6;
        QTest::newRow("size 10 pt: 13.33 px") << false << 10 << 10 << -13;
        QTest::newRow("size 11 pt: 14.67 px") << false << 11 << 11 << -15;
    }
    void fontHeightGivesSize() {
        QFETCH(bool, byHeight);
        QFETCH(int, value);
        PdfFont font;
        if (byHeight)
            font.setHeight(value);
        else
            font.setSize(value);
        QTEST(font.size(), "size");
        QTEST(font.height(), "height");
    }

    // Widths by hand from the fonts' own advance widths in thousandths (Arial: I 278, W 944,
    // i 222, space 278; Courier New: 600 each); heights from the cell of 100 times the size at
    // 96 pixels an inch: Courier New's cell is 2320/2048 of the size, Arial's 2288/2048.
    void measuring_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("size");
        QTest::addColumn<TLengthUnit>("unit");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        // 1200 * 12 / 1000 = 14.4 pt = 50.8 tenths; cell 1600 * 2320 / 2048 = 1812.5 -> 1812 px,
        // 1812 / 100 px = 47.9 tenths.
        QTest::newRow("Courier New 12, tenths")
            << QStringLiteral("Courier New") << 12 << TLengthUnit::luTenth << QByteArray("Hi") << 51
            << 48;
        // Size -12 (16 px): the cell is 1600 px at 100 times, 42.3 tenths.
        QTest::newRow("Courier New by height 16 px")
            << QStringLiteral("Courier New") << -12 << TLengthUnit::luTenth << QByteArray("Hi")
            << 51 << 42;
        // (278 + 944 + 222 + 278) * 10 / 1000 = 17.22 pt = 60.75 tenths; cell 1333 * 2288 / 2048
        // = 1489 px, 39.4 tenths.
        QTest::newRow("Arial 10") << QStringLiteral("Arial") << 10 << TLengthUnit::luTenth
                                  << QByteArray("IWi ") << 61 << 39;
        QTest::newRow("empty text has no width")
            << QStringLiteral("Arial") << 10 << TLengthUnit::luTenth << QByteArray() << 0 << 39;
        QTest::newRow("control bytes have no width")
            << QStringLiteral("Courier New") << 12 << TLengthUnit::luTenth
            << QByteArray("H\x01\x1fi") << 51 << 48;
    }
    void measuring() {
        QFETCH(QString, family);
        QFETCH(int, size);
        QFETCH(TLengthUnit, unit);
        QFETCH(QByteArray, text);
        PdfEngine engine;
        setUp(engine, TOutputChannel::chDisplay);
        engine.setLengthUnit(unit);
        engine.BeginDoc();
        engine.Font().setName(family);
        if (size < 0)
            engine.Font().setHeight(-size * 4 / 3);
        else
            engine.Font().setSize(size);
        QTEST(engine.TextWidth(text), "width");
        QTEST(engine.TextHeight(text), "height");
    }

    // The preview's export: the end of the file's document switches back to the display and
    // composes again from inside the end handler.
    void endHandlerExportsAndShowsAgain() {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("Acrostic.PDF"));
        QtPdfDisplay display;
        PdfEngine engine;
        setUp(engine, TOutputChannel::chDisplay);
        engine.setDisplay(&display);
        const auto compose = [](PdfEngine& e) {
            e.BeginDoc();
            e.Font().setName(QStringLiteral("Arial"));
            e.TextOut(100, 100, "Page 1");
            e.NewPage();
            e.TextOut(100, 100, "Page 2");
            e.EndDoc();
        };
        int ends = 0;
        engine.OnEnd = [&](PdfEngine& e) {
            ++ends;
            if (e.Channel() != TOutputChannel::chPDF)
                return;
            e.setChannel(TOutputChannel::chDisplay);
            compose(e);
        };
        compose(engine);
        engine.ShowPage(2);
        QCOMPARE(engine.ShownPage(), 2);

        engine.setChannel(TOutputChannel::chPDF);
        engine.setFileName(file);
        compose(engine);
        QCOMPARE(ends, 3);
        QCOMPARE(engine.Channel(), TOutputChannel::chDisplay);
        QVERIFY(!engine.isOpen());
        QCOMPARE(display.documents(), 2);
        QCOMPARE(engine.ShownPage(), 1);
        QCOMPARE(withoutDateAndId(readFile(file)), withoutDateAndId(display.bytes()));
    }

    // The display is handed the document's bytes, which QtPdf reads, and shows its pages only.
    void showPageStaysInTheDocument() {
        QtPdfDisplay display;
        PdfEngine engine;
        setUp(engine, TOutputChannel::chDisplay);
        engine.setDisplay(&display);
        engine.ShowPage(2);
        QCOMPARE(engine.ShownPage(), -1);
        engine.BeginDoc();
        engine.NewPage();
        engine.NewPage();
        engine.EndDoc();
        QCOMPARE(engine.ShownPage(), 1);
        engine.ShowPage(2);
        QCOMPARE(engine.ShownPage(), 2);
        engine.ShowPage(7);
        QCOMPARE(engine.ShownPage(), 3);
        engine.ShowPage(0);
        QCOMPARE(engine.ShownPage(), 1);
        IXV_TRY_COMPARE(display.document().status(), QPdfDocument::Status::Ready);
        QCOMPARE(display.document().pageCount(), 3);
        QCOMPARE(display.announcedPages(), 3);
        QCOMPARE(display.bytes(), engine.lastDocument());
        engine.BeginDoc();
        engine.EndDoc();
        QCOMPARE(engine.ShownPage(), 1);
    }
};

QTEST_MAIN(Tst_pdfengine)
#include "tst_pdfengine.moc"
