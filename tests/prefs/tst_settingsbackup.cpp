// The settings backup: registry-editor text of what the store holds, byte for byte.
#include "SmallDisk.h"
#include "TestEnv.h"
#include "TestFiles.h"
#include "prefs/SettingsBackup.h"

#include <QtTest>

namespace {

QByteArray golden(const QString& name) {
    QFile f(QStringLiteral(IXV_TEST_DATA "/prefs/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing golden file");
}

StoredSetting text(const char* name, const QString& value) {
    return {QString::fromLatin1(name), StoredSetting::Kind::Text, value, 0};
}
StoredSetting integer(const char* name, qint32 value) {
    return {QString::fromLatin1(name), StoredSetting::Kind::Integer, {}, value};
}

} // namespace

class Tst_SettingsBackup : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void valueLines_data() {
        QTest::addColumn<StoredSetting>("value");
        QTest::addColumn<QString>("line");
        // What the whole-file rows below do not show.
        QTest::newRow("the lowest integer")
            << integer("GridLanguage", -2147483647 - 1) << "\"GridLanguage\"=dword:80000000";
        QTest::newRow("quoted path with arguments keeps its closing quote")
            << text("DictPath", "\"C:\\dict.exe\" /s")
            << "\"DictPath\"=\"\\\"C:\\\\dict.exe\" /s\"";
        QTest::newRow("text that is one quote") << text("Add1", "\"") << "\"Add1\"=\"\\\"\"";
    }
    void valueLines() {
        QFETCH(StoredSetting, value);
        QTEST(SettingsBackup::valueLine(value), "line");
    }

    // What the store holds, in its own order: a value written again keeps its place.
    void wholeFile_data() {
        QTest::addColumn<QList<StoredSetting>>("writes");
        QTest::addColumn<QString>("goldenFile");
        QTest::newRow("no store") << QList<StoredSetting>{} << "backup-empty.reg";
        QTest::newRow("mixed values")
            << QList<StoredSetting>{text("FontName", "Times"),
                                    integer("FontSize", 11),
                                    integer("SlideOn", -1),
                                    text("Add4", ""),
                                    text("DictPath", "\"C:\\Tools\\Word Finder\\finder.EXE\""),
                                    integer("GridLanguage", -5),
                                    integer("HistoryMaximum", 200),
                                    text("Name", QString::fromUtf8("Zoë \"Z\" Example")),
                                    text("ThesPath", "/opt/thesaurus/bin/thes --gui"),
                                    text("Add1", QString::fromUtf8("12 Rue de l'Église \\ Bât. 3")),
                                    text("FontName", "Arial")}
            << "backup-mixed.reg";
    }
    void wholeFile() {
        QFETCH(QList<StoredSetting>, writes);
        QFETCH(QString, goldenFile);
        SettingsStore store(m_dir->filePath("store.conf"));
        for (const StoredSetting& w : writes)
            store.write(w.name, w.kind == StoredSetting::Kind::Text
                                    ? SettingValue::text(w.text)
                                    : SettingValue::integer(w.integer));
        const QString out = m_dir->filePath("IxenvarPreferences.reg");
        SettingsBackup::ExportSettingsFile(store, out);
        QCOMPARE(readBytes(out), golden(goldenFile));
    }

    // A value that Windows-1252 text lines cannot carry stops the backup before any byte is
    // written, naming the setting.
    void valuesALineCannotHold_data() {
        QTest::addColumn<StoredSetting>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("character outside the code page")
            << text("Name", QString::fromUtf8("Ann Šmíd \u4E00"))
            << QString::fromUtf8("The setting \"Name\" cannot be backed up: it holds the character "
                                 "\u4E00 (U+4E00), which a registry file cannot hold.");
        QTest::newRow("line break")
            << text("Add1", "1 Main St\nFlat 2")
            << "The setting \"Add1\" cannot be backed up: it holds a line break, which a registry "
               "file cannot hold.";
    }
    void valuesALineCannotHold() {
        QFETCH(StoredSetting, value);
        SettingsStore store(m_dir->filePath("store.conf"));
        store.write(value.name, SettingValue::text(value.text));
        const QString out = m_dir->filePath("backup.reg");
        try {
            SettingsBackup::ExportSettingsFile(store, out);
            QFAIL("the backup was written");
        } catch (const SettingsError& e) {
            QTEST(e.message(), "message");
        }
        QVERIFY(!QFile::exists(out));
    }

    void fullDiskKeepsThePreviousFile() {
        SmallDisk disk(64);
        IXV_REQUIRE_MOUNTED(disk);
        SettingsStore store(m_dir->filePath("store.conf"));
        store.write("Name", SettingValue::text(QString(2000, u'x')));
        const QString out = disk.filePath("backup.reg");
        QVERIFY(writeBytes(out, "previous"));
        disk.fill();
        QVERIFY_THROWS_EXCEPTION(IoError, SettingsBackup::ExportSettingsFile(store, out));
        QCOMPARE(readBytes(out), QByteArray("previous"));
    }
};

QTEST_GUILESS_MAIN(Tst_SettingsBackup)
#include "tst_settingsbackup.moc"
