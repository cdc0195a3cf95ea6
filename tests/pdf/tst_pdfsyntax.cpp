// The pieces of PDF syntax: numbers, text strings, names, ASCII85 and the layout of widths
// arrays.
#include "pdf/PdfSyntax.h"

#include <QtTest>

class Tst_pdfsyntax : public QObject {
    Q_OBJECT

private slots:
    void numbers_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("whole number has no decimals") << 612.0 << QByteArray("612");
        QTest::newRow("zero") << 0.0 << QByteArray("0");
        QTest::newRow("pen of 4 tenths") << 4 * 72.0 / 254.0 << QByteArray("1.134");
        QTest::newRow("trailing zeros dropped") << 0.5 << QByteArray("0.5");
        QTest::newRow("small fraction keeps leading zeros") << 0.007 << QByteArray("0.007");
        QTest::newRow("rounded to thousandths") << 1.23456 << QByteArray("1.235");
        QTest::newRow("rounding up carries") << 9.9996 << QByteArray("10");
        QTest::newRow("negative") << -2.5 << QByteArray("-2.5");
        QTest::newRow("tiny negative is zero") << -0.0001 << QByteArray("0");
        QTest::newRow("large") << 123456.789 << QByteArray("123456.789");
    }
    void numbers() {
        QFETCH(double, value);
        QTEST(PdfSyntax::number(value), "text");
    }

    void textStrings_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("plain") << QByteArray("Page 1") << QByteArray("(Page 1)");
        QTest::newRow("empty") << QByteArray() << QByteArray("()");
        QTest::newRow("parentheses") << QByteArray("f(x)") << QByteArray("(f\\(x\\))");
        QTest::newRow("backslash") << QByteArray("a\\b") << QByteArray("(a\\\\b)");
        QTest::newRow("backspace tab line feed form feed return")
            << QByteArray("\b\t\n\f\r") << QByteArray("(\\b\\t\\n\\f\\r)");
        QTest::newRow("other control bytes unchanged")
            << QByteArray("\x01\x1b", 2) << QByteArray("(\x01\x1b)", 4);
        QTest::newRow("zero byte unchanged") << QByteArray("a\0b", 3) << QByteArray("(a\0b)", 5);
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
        QTest::newRow("no space") << QStringLiteral("Arial") << QByteArray("Arial");
        QTest::newRow("spaces as #20")
            << QStringLiteral("Times New Roman") << QByteArray("Times#20New#20Roman");
        QTest::newRow("style suffix kept")
            << QStringLiteral("Courier New,BoldItalic") << QByteArray("Courier#20New,BoldItalic");
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
        QTest::newRow("exactly one line") << 16 << 1 << 16;
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
};

QTEST_GUILESS_MAIN(Tst_pdfsyntax)
#include "tst_pdfsyntax.moc"
