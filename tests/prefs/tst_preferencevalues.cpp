// The preferences' values without a window: loading, Defaults page by page, and the order and
// values of Save.
#include "TestEnv.h"
#include "prefs/GridSample.h"
#include "prefs/PreferenceValues.h"
#include "prefs/SettingsAccess.h"

#include <QtTest>

namespace {

// The settings store, with every write logged as "Name=value" (text values in quotes).
class LoggingAccess : public SettingsAccess {
public:
    explicit LoggingAccess(const QString& path) : store(path) {}
    SettingsStore store;
    QStringList writes;
    ScreenMetrics screen;

    SettingValue ReadSetting(const QString& name, const SettingValue& d) const override {
        return store.read(name, d);
    }
    void WriteSetting(const QString& name, const SettingValue& value) override {
        writes << name + u'=' +
                      (value.isText() ? u'"' + value.toText() + u'"'
                                      : QString::number(value.toInt()));
        store.write(name, value);
    }
    const ScreenMetrics& metrics() const override { return screen; }
    int DefaultSquareSize() const override { return 37; }
};

FontValue font(const char* name, int size, int style, quint32 colour) {
    return {QString::fromLatin1(name), size, style, colour};
}

// Every value differing from what an empty store loads.
PreferenceValues changedValues() {
    PreferenceValues v;
    v.playSounds = false;
    v.useCursors = true;
    v.allowHyph = false;
    v.openLastEdit = true;
    v.historyMaximum = 150;
    v.clipOption = 1;
    v.slideOn = false;
    v.filledColor = 0x000080;
    v.blankColor = 0xC0DCC0;
    v.hiliteColor = 0x808000;
    v.initialColor = 0x123456;
    v.gridFont = font("Liberation Serif", 14, 5, 0x0000FF);
    v.keepDesktop = true;
    v.name = "Ann Setter";
    v.address = {"1 Main St", "Springfield", "555 0100", "ann@example.org"};
    v.paper = 1;
    v.dictPath = "/usr/bin/dict";
    v.thesPath = "";
    v.quotPath = "/opt/saywell/run";
    v.scraPath = "jotwell --new";
    v.mailPath = "";
    v.toolsOnTop = true;
    v.defsFont = font("DejaVu Sans", 9, 2, 0x800080);
    v.defsItemHeight = 15; // 9 x 1.7 = 15.3
    v.autoFont = font("Liberation Mono", 13, 8, 0xFF000008);
    v.language = 8;
    return v;
}

} // namespace

class Tst_PreferenceValues : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<LoggingAccess> m_access;

private slots:
    // Which colour a palette click sets: Ctrl counts only alone and with no other button held.
    void paletteClickTargets_data() {
        using T = Palette::Target;
        QTest::addColumn<Qt::MouseButton>("released");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<Qt::MouseButtons>("held");
        QTest::addColumn<int>("target"); // -1: nothing
        const Qt::KeyboardModifiers none, ctrl(Qt::ControlModifier),
            ctrlShift(Qt::ControlModifier | Qt::ShiftModifier);
        QTest::newRow("left") << Qt::LeftButton << none << Qt::MouseButtons() << int(T::Blank);
        QTest::newRow("right") << Qt::RightButton << none << Qt::MouseButtons() << int(T::Filled);
        QTest::newRow("middle") << Qt::MiddleButton << none << Qt::MouseButtons()
                                << int(T::Filled);
        QTest::newRow("Ctrl left") << Qt::LeftButton << ctrl << Qt::MouseButtons()
                                   << int(T::Initial);
        QTest::newRow("Ctrl right") << Qt::RightButton << ctrl << Qt::MouseButtons()
                                    << int(T::Hilite);
        QTest::newRow("Ctrl and Shift left: plain left")
            << Qt::LeftButton << ctrlShift << Qt::MouseButtons() << int(T::Blank);
        QTest::newRow("Ctrl left, right still held: plain left")
            << Qt::LeftButton << ctrl << Qt::MouseButtons(Qt::RightButton) << int(T::Blank);
        QTest::newRow("back button") << Qt::BackButton << none << Qt::MouseButtons() << -1;
    }
    void paletteClickTargets() {
        QFETCH(Qt::MouseButton, released);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(Qt::MouseButtons, held);
        const auto target = Palette::targetOf(released, modifiers, held);
        QTEST(target ? int(*target) : -1, "target");
    }

    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_access = std::make_unique<LoggingAccess>(m_dir->filePath("store.conf"));
    }

    void storedValuesLoad() {
        const QList<std::pair<QString, SettingValue>> stored = {
            {"PlaySounds", SettingValue::integer(0)},
            {"UseCursors", SettingValue::integer(7)},
            {"SlideOn", SettingValue::integer(1)},
            {"FontColor", SettingValue::text("$00123456")},
            {"FontStyle", SettingValue::integer(5)},
            {"UserDesktop", SettingValue::integer(-1)},
            {"PaperSize", SettingValue::integer(9)},
            {"Name", SettingValue::text("")},
            {"DefsFontSize", SettingValue::integer(15)},
            {"MailPath", SettingValue::text("/usr/bin/postrill")},
        };
        for (const auto& [name, value] : stored)
            m_access->store.write(name, value);
        const PreferenceValues v = Preferences::load(*m_access);
        QCOMPARE(v.playSounds, false);
        QCOMPARE(v.useCursors, true);
        QCOMPARE(v.slideOn, true);
        QCOMPARE(v.gridFont, font("Arial", 11, 5, 0x00123456));
        QCOMPARE(v.desktopStored, true);
        QCOMPARE(v.paper, 1); // any value but 0 is A4
        QCOMPARE(v.name, QString());
        QCOMPARE(v.defsItemHeight, 26); // 25.5 rounds to the even 26
        QCOMPARE(v.mailPath, QString("/usr/bin/postrill"));
    }

    // Defaults changes the page showing and no other; the Print and Tools pages read the
    // store again. (The dialog's test shows every page's button at work.)
    void defaultsOnePage_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<std::function<void(PreferenceValues&)>>("expect");
        using Expect = std::function<void(PreferenceValues&)>;
        QTest::newRow("Print") << int(PrefsPage::Print) << Expect([](PreferenceValues& v) {
            v.name = "Stored Name";
            v.address = {"Stored 1", "Puzzleton, PA 19000", "Tel. (555) 010-0199", ""};
            v.paper = 0;
        });
        QTest::newRow("Tools") << int(PrefsPage::Tools) << Expect([](PreferenceValues& v) {
            v.dictPath = "/stored/dict";
            v.thesPath = "";
            v.quotPath = "/stored/saywell";
            v.scraPath = "";
            v.mailPath = "";
            v.toolsOnTop = false;
        });
        QTest::newRow("Fonts") << int(PrefsPage::Fonts) << Expect([](PreferenceValues& v) {
            v.defsFont = font("Times New Roman", 10, 0, 0);
            v.autoFont = font("Times New Roman", 11, 0, 0); // item height left as it was
        });
    }
    void defaultsOnePage() {
        QFETCH(int, page);
        QFETCH(std::function<void(PreferenceValues&)>, expect);
        m_access->store.write("Name", SettingValue::text("Stored Name"));
        m_access->store.write("Add1", SettingValue::text("Stored 1"));
        m_access->store.write("DictPath", SettingValue::text("/stored/dict"));
        m_access->store.write("QuotPath", SettingValue::text("/stored/saywell"));
        PreferenceValues v = changedValues();
        PreferenceValues expected = v;
        expect(expected);
        Preferences::defaults(PrefsPage(page), v, *m_access);
        QCOMPARE(v, expected);
        QVERIFY(m_access->writes.isEmpty());
    }

    // Every value in the dialog's order; name, address and paper last, then the three
    // sibling tools.
    void saveOrderAndValues() {
        Preferences::save(*m_access, changedValues());
        const QStringList expected = {
            "HistoryMaximum=150",
            "DefClipOption=1",
            "PlaySounds=0",
            "UseCursors=1",
            "AllowHyph=0",
            "OpenLastEdit=1",
            "SlideOn=0",
            "FilledSqColor=\"clMaroon\"",
            "BlankSqColor=\"clMoneyGreen\"",
            "HiliteSqColor=\"clTeal\"",
            "InitialSqColor=\"$00123456\"",
            "FontColor=\"clRed\"",
            "FontName=\"Liberation Serif\"",
            "FontSize=14",
            "FontStyle=5",
            "UserDesktop=-1",
            "DictPath=\"/usr/bin/dict\"",
            "ThesPath=\"\"",
            "ToolsOnTop=1",
            "DefsFontName=\"DejaVu Sans\"",
            "DefsFontColor=\"clPurple\"",
            "DefsFontSize=9",
            "DefsFontStyle=2",
            "AutoFontName=\"Liberation Mono\"",
            "AutoFontColor=\"clWindowText\"",
            "AutoFontSize=13",
            "AutoFontStyle=8",
            "GridLanguage=8",
            "Name=\"Ann Setter\"",
            "Add1=\"1 Main St\"",
            "Add2=\"Springfield\"",
            "Add3=\"555 0100\"",
            "Add4=\"ann@example.org\"",
            "PaperSize=1",
            "QuotPath=\"/opt/saywell/run\"",
            "ScraPath=\"jotwell --new\"",
            "MailPath=\"\"",
        };
        QCOMPARE(m_access->writes, expected);
    }

    // Name, address and paper as loading shows them are not written: the fixed texts shown
    // for absent values never become stored values. Changed ones are.
    void savePrintPageOnlyWhereChanged() {
        PreferenceValues v = Preferences::load(*m_access);
        Preferences::save(*m_access, v);
        for (const char* untouched : {"Name", "Add1", "Add2", "Add3", "Add4", "PaperSize"})
            QVERIFY2(!m_access->store.find(untouched), untouched);
        v.address[1] = "Elsewhere";
        Preferences::save(*m_access, v);
        QCOMPARE(m_access->store.find("Add2")->text, QStringLiteral("Elsewhere"));
        QVERIFY(!m_access->store.find("Name"));
    }
};

QTEST_GUILESS_MAIN(Tst_PreferenceValues)
#include "tst_preferencevalues.moc"
