#include "TestFiles.h"
#include "app/TIxvProcs.h"
#include "base/Errors.h"
#include "prefs/ColourText.h"
#include "prefs/SettingsCatalogue.h"

#include <QtTest>
#include <functional>

namespace {

using Reader = std::function<QVariant(const TIxvProcs&)>;
using Writer = std::function<void(TIxvProcs&)>;

Reader of(Settings::TextSetting s) {
    return [s](const TIxvProcs& p) { return QVariant(Settings::readText(p, s)); };
}
Reader of(Settings::IntSetting s) {
    return [s](const TIxvProcs& p) { return QVariant(Settings::readInt(p, s)); };
}
Reader of(Settings::FlagSetting s) {
    return [s](const TIxvProcs& p) { return QVariant(Settings::readFlagValue(p, s)); };
}
Reader of(Settings::ColourSetting s) {
    return [s](const TIxvProcs& p) { return QVariant(Settings::readColour(p, s)); };
}
Reader equalsTrue(Settings::BoolSetting s) {
    return [s](const TIxvProcs& p) { return QVariant(Settings::readBoolEqualsTrue(p, s)); };
}
Reader isOn(Settings::FlagSetting s) {
    return [s](const TIxvProcs& p) { return QVariant(Settings::readFlag(p, s)); };
}

// A colour, the text it is written as, and another text it is read from.
void colourRow(const char* name, quint32 value, const char* written, const char* read) {
    QTest::newRow(name) << value << QString::fromLatin1(written) << QString::fromLatin1(read);
}

// Rows of the reader tables: a stored line (empty: nothing stored), a reader, its result.
void readRow(const char* name, const char* stored, const Reader& reader, const QVariant& result) {
    QTest::newRow(name) << QByteArray(stored) << reader << result;
}
void writeRow(const char* name, const char* line, const Writer& writer) {
    QTest::newRow(name) << QByteArray(line) << writer;
}

} // namespace

class Tst_settingscatalogue : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        ScreenMetrics m;
        m.screenWidth = 1600;
        m.screenHeight = 900;
        m.fullScreenClientHeight = 850; // DefaultSquareSize 31
        m_procs = std::make_unique<TIxvProcs>(
            std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("store.conf"))), m);
    }

    // Colours are written by name where they have one, otherwise as "$" and 8 hex digits.
    void colourText_data() {
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("read");
        // Named colours, read by name in any letter case: the first and last of the basic
        // colours, of the extra colours and of the system colours (0xFF000000 + index), and
        // the two special values.
        colourRow("clBlack", 0, "clBlack", "$0");
        colourRow("clAqua", 0x00FFFF00, "clAqua", "CLAQUA");
        colourRow("clMoneyGreen", 0x00C0DCC0, "clMoneyGreen", "clmoneygreen");
        colourRow("clMedGray", 0x00A4A0A0, "clMedGray", "CLMedGray");
        colourRow("clScrollBar", 0xFF000000, "clScrollBar", "clscrollbar");
        colourRow("clMenuBar", 0xFF00001E, "clMenuBar", "CLMENUBAR");
        colourRow("clNone", 0x1FFFFFFF, "clNone", "clnone");
        colourRow("clDefault", 0x20000000, "clDefault", "CLDEFAULT");
        colourRow("unnamed, upper-case hex", 0x00ABCDEF, "$00ABCDEF", "$00abcdef");
        colourRow("small value keeps 8 digits", 0x00000001, "$00000001", "$1");
        colourRow("unlisted system index 25", 0xFF000019, "$FF000019", "$ff000019");
        colourRow("all bits", 0xFFFFFFFF, "$FFFFFFFF", "-1");
        colourRow("high bit", 0x80000000, "$80000000", "-2147483648");
        colourRow("decimal", 0x00FF8000, "$00FF8000", "16744448");
        colourRow("decimal of a named colour", 0x000000FF, "clRed", "255");
    }
    void colourText() {
        QFETCH(quint32, value);
        QFETCH(QString, written);
        QFETCH(QString, read);
        QCOMPARE(ColourText::toText(value), written);
        QCOMPARE(ColourText::fromText(written), value);
        QCOMPARE(ColourText::fromText(read), value);
    }

    void badColourText_data() {
        QTest::addColumn<QString>("text");
        for (const char* junk :
             {"", "$", "$123456789", "12x", "clNotAColour", "cl Red", "$-1", "$+1", "0x1F", "$12G",
              "1.5", "99999999999", "#FF0000", "$0x1F", "$ 1F", "1 2"})
            QTest::addRow("\"%s\"", junk) << QString::fromLatin1(junk);
    }
    void badColourText() {
        QFETCH(QString, text);
        try {
            const quint32 v = ColourText::fromText(text);
            QFAIL(qPrintable(QStringLiteral("read as %1").arg(v, 8, 16, QLatin1Char('0'))));
        } catch (const ColourConversionError& e) {
            QVERIFY2(e.message().contains(QLatin1Char('\'') + text + QLatin1Char('\'')),
                     qPrintable(e.message()));
        }
    }

    // Readers of one name may differ in their default, never in the kind they read.
    void everyNameHasOneKind() {
        QMap<QString, Settings::Kind> kinds;
        for (const Settings::Entry& e : Settings::catalogue()) {
            const auto seen = kinds.constFind(e.name);
            QVERIFY2(seen == kinds.cend() || *seen == e.kind, qPrintable(e.name));
            kinds.insert(e.name, e.kind);
        }
    }

    void readers_data() {
        using namespace Settings;
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<Reader>("reader");
        QTest::addColumn<QVariant>("expected");
        // Nothing stored: readers of one name with their own defaults, and defaults taken from
        // the screen (1600 x 900, client height 850).
        readRow("FontSize absent, rescaling", "", of(FontSizeOnRescale), 16);
        readRow("UserWidth absent", "", of(UserWidth), 1600 - 24);
        readRow("ScreenSquare absent", "", of(ScreenSquare), 850 / 27);
        readRow("Name absent, documents", "", of(NameInDocument), "Your Name");
        readRow("Name absent, new record", "", of(NameInRecord), "");
        // Stored values.
        readRow("SlideOn -1", "SlideOn=integer:-1", equalsTrue(SlideOn), true);
        readRow("SlideOn 1 is not true", "SlideOn=integer:1", equalsTrue(SlideOn), false);
        readRow("flag 2 is on", "PlaySounds=integer:2", isOn(PlaySounds), true);
        readRow("flag 0 is off", "PlaySounds=integer:0", isOn(PlaySounds), false);
        readRow("flag value kept", "AllowHyph=integer:2", of(AllowHyph), 2);
        readRow("stored width wins", "UserWidth=integer:800", of(UserWidth), 800);
        readRow("empty text stays empty", "FontName=text:", of(FontName), "");
    }
    void readers() {
        QFETCH(QByteArray, stored);
        QFETCH(Reader, reader);
        if (!stored.isEmpty())
            store(stored + '\n');
        QTEST(reader(*m_procs), "expected");
    }

    void writersStoreTheirKind_data() {
        using namespace Settings;
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<Writer>("writer");
        writeRow("boolean true", "SlideOn=integer:-1",
                 [](TIxvProcs& p) { writeBool(p, SlideOn, true); });
        writeRow("flag on", "OpenLastEdit=integer:1",
                 [](TIxvProcs& p) { writeFlag(p, OpenLastEdit, true); });
        writeRow("style, low 8 bits only", "PPFontStyle=integer:5",
                 [](TIxvProcs& p) { writeFontStyle(p, PPFontStyle, 0x105); });
        writeRow("named colour", "FontColor=text:clTeal",
                 [](TIxvProcs& p) { writeColour(p, FontColor, 0x808000); });
    }
    void writersStoreTheirKind() {
        QFETCH(QByteArray, line);
        QFETCH(Writer, writer);
        writer(*m_procs);
        QCOMPARE(readBytes(m_procs->store().filePath()),
                 "[Software\\Tamberlin32\\Ixenvar7Demo]\n" + line + '\n');
    }

    void unreadableStoredValues_data() {
        using namespace Settings;
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<Reader>("reader");
        QTest::addColumn<QVariant>("colourError"); // otherwise a kind error naming the setting
        readRow("bad colour text", "FilledSqColor=text:clNotAColour", of(FilledSqColor), true);
        readRow("colour stored as integer", "FontColor=integer:255", of(FontColor), false);
        readRow("integer stored as text", "HistoryMaximum=text:20", of(HistoryMaximum), false);
        readRow("boolean stored as text", "SlideOn=text:-1", equalsTrue(SlideOn), false);
        readRow("text stored as integer", "FontName=integer:1", of(FontName), false);
    }
    void unreadableStoredValues() {
        QFETCH(QByteArray, stored);
        QFETCH(Reader, reader);
        QFETCH(QVariant, colourError);
        store(stored + '\n');
        try {
            reader(*m_procs);
            QFAIL("read without an error");
        } catch (const ColourConversionError&) {
            QVERIFY(colourError.toBool());
        } catch (const SettingsError& e) {
            QVERIFY(!colourError.toBool());
            const QString name = QString::fromLatin1(stored.left(stored.indexOf('=')));
            QVERIFY2(e.message().contains(name), qPrintable(e.message()));
        }
    }

private:
    void store(const QByteArray& lines) {
        QVERIFY(writeBytes(m_procs->store().filePath(),
                           "[Software\\Tamberlin32\\Ixenvar7Demo]\n" + lines));
    }
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TIxvProcs> m_procs;
};

QTEST_MAIN(Tst_settingscatalogue)
#include "tst_settingscatalogue.moc"
