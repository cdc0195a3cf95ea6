#include "TestEnv.h"
#include "TestFiles.h"
#include "prefs/SettingsStore.h"

#include <QtTest>
#include <climits>

namespace {

const QByteArray kHeader = "[Software\\Tamberlin32\\Ixenvar7Demo]\n";

} // namespace

char* toString(const SettingValue& v) {
    if (v.isText())
        return QTest::toString(QStringLiteral("text \"%1\"").arg(v.toText()));
    const char* kind = v.kind() == SettingValue::Kind::Boolean ? "boolean" : "integer";
    return QTest::toString(QStringLiteral("%1 %2").arg(QLatin1String(kind)).arg(v.toInt()));
}

class Tst_settingsstore : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void valuesKeepTheirKind_data() {
        QTest::addColumn<SettingValue>("written");
        QTest::addColumn<SettingValue>("defaultValue");
        QTest::addColumn<SettingValue>("expected");

        const auto row = [](const char* name, const SettingValue& written,
                            const SettingValue& byDefault, const SettingValue& expected) {
            QTest::newRow(name) << written << byDefault << expected;
        };
        const auto text = [&](const char* name, const QString& t) {
            row(name, SettingValue::text(t), SettingValue::text("default"), SettingValue::text(t));
        };
        const auto integer = [](qint32 i) { return SettingValue::integer(i); };
        text("text", "Times New Roman");
        text("empty text", "");
        text("newline tab CR", "a\nb\tc\r\nd");
        text("escape look-alikes", R"(\n \t \\ \0 \)");
        text("NUL inside", QString("a") + QChar(0) + "b");
        text("non-ASCII", QString::fromUtf8("Zoë Ærø – ☃ 𝄞"));
        text("leading byte order mark", QStringLiteral(u"\uFEFFx"));
        row("INT32_MIN", integer(INT32_MIN), integer(0), integer(INT32_MIN));
        row("INT32_MAX", integer(INT32_MAX), integer(0), integer(INT32_MAX));
    }
    // Values go through the file: a second store object on the same path reads them, and every
    // value stays on one line of the file however many line breaks its text holds.
    void valuesKeepTheirKind() {
        QFETCH(SettingValue, written);
        QFETCH(SettingValue, defaultValue);

        SettingsStore(storePath()).write(QStringLiteral("Value"), written);
        SettingsStore(storePath()).write(QStringLiteral("After"), SettingValue::integer(7));

        const SettingsStore reader(storePath());
        QTEST(reader.read(QStringLiteral("Value"), defaultValue), "expected");
        QCOMPARE(reader.read(QStringLiteral("After"), SettingValue::integer(0)),
                 SettingValue::integer(7));
        const auto stored = reader.find(QStringLiteral("Value"));
        QVERIFY(stored);
        QCOMPARE(stored->kind,
                 written.isText() ? StoredSetting::Kind::Text : StoredSetting::Kind::Integer);
        QCOMPARE(readBytes(storePath()).count('\n'), 3);
    }

    // A store written by hand in no sorted order stays in that order; rewriting a value, also with
    // the other kind, keeps its place, and new names go to the end.
    void rewriteKeepsTheStoreOrder() {
        QDir().mkpath(QFileInfo(storePath()).path());
        QVERIFY(writeBytes(storePath(), kHeader + "Zeta=integer:1\nAlpha=text:a\nMid=integer:2\n"));
        SettingsStore store(storePath());
        store.write(QStringLiteral("Alpha"), SettingValue::integer(3));
        store.write(QStringLiteral("Beta"), SettingValue::text("b"));
        store.write(QStringLiteral("Zeta"), SettingValue::text("z"));

        QStringList names;
        for (const StoredSetting& s : store.list())
            names << s.name;
        QCOMPARE(names, QStringList({"Zeta", "Alpha", "Mid", "Beta"}));
        QCOMPARE(readBytes(storePath()),
                 kHeader + "Zeta=text:z\nAlpha=integer:3\nMid=integer:2\nBeta=text:b\n");
    }

    void unusableNamesAreRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("usable");
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("equals sign") << QStringLiteral("a=b") << false;
        QTest::newRow("newline") << QStringLiteral("a\nb") << false;
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << false;
        QTest::newRow("256 characters") << QString(256, u'n') << false;
        QTest::newRow("255 characters") << QString(255, u'n') << true;
        QTest::newRow("spaces and non-ASCII") << QString::fromUtf8(" Grid größe [1] ") << true;
        QTest::newRow("leading byte order mark") << QStringLiteral(u"\uFEFFName") << true;
    }
    void unusableNamesAreRefused() {
        QFETCH(QString, name);
        QFETCH(bool, usable);
        SettingsStore store(storePath());
        store.write(QStringLiteral("Before"), SettingValue::integer(1));
        const QByteArray before = readBytes(storePath());

        const QString error =
            errorOf<SettingsError>([&] { store.write(name, SettingValue::integer(2)); });
        QCOMPARE(error.isNull(), usable);
        if (usable) {
            QCOMPARE(store.read(name, SettingValue::integer(0)), SettingValue::integer(2));
            QVERIFY(!SettingsFile::parse(readBytes(storePath())).damaged);
        } else {
            QCOMPARE(readBytes(storePath()), before);
        }
    }

    void damagedFileIsReadAndKeptAside_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("damaged");
        const QByteArray good = "Keep=text:ok\nCount=integer:7\n";
        QTest::newRow("unknown escape") << kHeader + good + "Broken=text:a\\qb\n" << true;
        QTest::newRow("backslash at end") << kHeader + "Broken=text:abc\\\n" + good << true;
        QTest::newRow("integer overflow") << kHeader + good + "Broken=integer:2147483648\n" << true;
        QTest::newRow("no equals sign") << kHeader + "nonsense\n" + good << true;
        QTest::newRow("invalid UTF-8 text") << kHeader + good + "Broken=text:\xC3\x28\n" << true;
        QTest::newRow("name twice, later wins") << kHeader + "Keep=text:old\n" + good << true;
        QTest::newRow("binary junk") << QByteArray("\x00\x01\xFF=\x00\n", 6) + good << true;
        QTest::newRow("no header") << good << false;
        QTest::newRow("CRLF, no final newline")
            << kHeader + "Keep=text:ok\r\nCount=integer:7" << false;
    }
    // Reading never fails on a damaged file. The first write keeps a copy of the damaged bytes
    // beside it and tells the user once; later damage gets a copy of its own but no new message.
    void damagedFileIsReadAndKeptAside() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, damaged);
        QDir().mkpath(QFileInfo(storePath()).path());
        QVERIFY(writeBytes(storePath(), bytes));
        SettingsStore store(storePath());
        QStringList told;
        store.setDamageNotifier([&](const QString& text) { told << text; });

        QCOMPARE(store.read(QStringLiteral("Keep"), SettingValue::text("")),
                 SettingValue::text("ok"));
        QCOMPARE(store.read(QStringLiteral("Count"), SettingValue::integer(0)),
                 SettingValue::integer(7));
        QCOMPARE(store.read(QStringLiteral("Broken"), SettingValue::text("d")),
                 SettingValue::text("d"));

        store.write(QStringLiteral("New"), SettingValue::integer(1));
        store.write(QStringLiteral("Newer"), SettingValue::integer(2));
        const QString copy = storePath() + QStringLiteral(".damaged");
        QCOMPARE(QFileInfo::exists(copy), damaged);
        QCOMPARE(told.size(), damaged ? 1 : 0);
        if (!damaged)
            return;
        QCOMPARE(readBytes(copy), bytes);
        QVERIFY(told[0].contains(copy));

        const SettingsFile::Parsed now = SettingsFile::parse(readBytes(storePath()));
        QVERIFY(!now.damaged);
        QCOMPARE(store.read(QStringLiteral("Keep"), SettingValue::text("")),
                 SettingValue::text("ok"));
        QCOMPARE(store.read(QStringLiteral("Newer"), SettingValue::integer(0)),
                 SettingValue::integer(2));

        QVERIFY(writeBytes(storePath(), readBytes(storePath()) + "again damaged\n"));
        store.write(QStringLiteral("Last"), SettingValue::integer(3));
        QCOMPARE(readBytes(copy), bytes);
        QVERIFY(QFileInfo::exists(storePath() + QStringLiteral(".damaged-2")));
        QCOMPARE(told.size(), 1);
    }

    // A folder that cannot be made (its parent is a regular file): the error names the folder
    // and nobody is said to hold the store.
    void unwritableStoreFailsAndKeepsTheFile() {
        QVERIFY(writeBytes(m_dir->filePath(QStringLiteral("plain")), "not a folder"));
        const QString path = m_dir->filePath(QStringLiteral("plain/sub/store.conf"));
        SettingsStore store(path);
        const QString error = errorOf<SettingsError>(
            [&] { store.write(QStringLiteral("New"), SettingValue::integer(1)); });
        QVERIFY(!error.isNull());
        QVERIFY2(error.contains(QFileInfo(path).path()), qPrintable(error));
        QVERIFY2(!error.contains(QStringLiteral("locked by")), qPrintable(error));
        QCOMPARE(readBytes(m_dir->filePath(QStringLiteral("plain"))), QByteArray("not a folder"));
        QCOMPARE(store.read(QStringLiteral("New"), SettingValue::integer(0)),
                 SettingValue::integer(0));
    }

    // Several command-line processes and this process write their own names into the user's
    // store at the same time, each through its own lock and atomic replacement.
    void concurrentWritersNeverLoseAValue() {
        const QString path = SettingsStore::defaultPath();
        QCOMPARE(path, TestEnv::settingsPath());
        QFile::remove(path);
        constexpr int kWriters = 3;
        constexpr int kNames = 30;

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), TestEnv::home());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), TestEnv::home() + QStringLiteral("/.config"));
        const QString loop = QStringLiteral("i=1; while [ $i -le %1 ]; do \"$0\" config set-int "
                                            "\"$1_$i\" $((i * $2)) || exit 1; "
                                            "i=$((i + 1)); done")
                                 .arg(kNames);
        std::vector<std::unique_ptr<QProcess>> writers;
        for (int w = 1; w <= kWriters; ++w) {
            auto p = std::make_unique<QProcess>();
            p->setProcessEnvironment(env);
            p->start(QStringLiteral("/bin/sh"),
                     {QStringLiteral("-c"), loop, QStringLiteral(IXV_CLI_PATH),
                      QStringLiteral("W%1").arg(w), QString::number(w)});
            QVERIFY2(p->waitForStarted(), qPrintable(p->errorString()));
            writers.push_back(std::move(p));
        }
        // This process writes its names in turn with the others: each after one more of theirs, or
        // once they have all ended.
        const auto othersRun = [&] {
            return std::any_of(writers.begin(), writers.end(),
                               [](const auto& p) { return p->state() != QProcess::NotRunning; });
        };
        const auto values = [&] { return SettingsFile::parse(readBytes(path)).values.size(); };
        SettingsStore own(path);
        for (int i = 1; i <= kNames; ++i) {
            const qsizetype before = values();
            own.write(QStringLiteral("Own_%1").arg(i), SettingValue::text(QString::number(i)));
            IXV_TRY_VERIFY(values() > before + 1 || !othersRun());
        }
        for (auto& p : writers) {
            QVERIFY(p->waitForFinished(-1) || p->state() == QProcess::NotRunning);
            QCOMPARE(p->exitStatus(), QProcess::NormalExit);
            QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
        }

        const SettingsFile::Parsed parsed = SettingsFile::parse(readBytes(path));
        QVERIFY(!parsed.damaged);
        QCOMPARE(parsed.values.size(), (kWriters + 1) * kNames);
        for (int i = 1; i <= kNames; ++i) {
            for (int w = 1; w <= kWriters; ++w)
                QCOMPARE(own.read(QStringLiteral("W%1_%2").arg(w).arg(i), SettingValue::integer(0)),
                         SettingValue::integer(i * w));
            QCOMPARE(own.read(QStringLiteral("Own_%1").arg(i), SettingValue::text("")),
                     SettingValue::text(QString::number(i)));
        }
        // Nothing but the store and the writers' lock file is left beside it.
        QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 (QStringList{QFileInfo(path).fileName(), QFileInfo(path).fileName() + ".lock"}));
    }

private:
    QString storePath() const { return m_dir->filePath(QStringLiteral("cfg/sub/store.conf")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(Tst_settingsstore)
#include "tst_settingsstore.moc"
