#include "TestEnv.h"
#include "app/Dialogs.h"
#include "app/SoundEffects.h"
#include "app/TIxvProcs.h"

#include <QtTest>

namespace {

// Records every message box and sound, in order, into one shared log.
class RecordingDialogs : public Dialogs {
public:
    explicit RecordingDialogs(QStringList& log) : m_log(log) {}
    void attention(QWidget*, const QString& text) override { m_log << "attention: " + text; }
    void information(QWidget*, const QString&, const QString&) override { unexpected(); }
    void warning(QWidget*, const QString&, const QString&) override { unexpected(); }
    void error(QWidget*, const QString&, const QString&) override { unexpected(); }
    Answer askYesNo(QWidget*, const QString&, const QString&) override {
        unexpected();
        return Answer::No;
    }
    Answer askYesNoCancel(QWidget*, const QString&, const QString&) override {
        unexpected();
        return Answer::Cancel;
    }
    QString openFile(QWidget*, const FileRequest&) override {
        unexpected();
        return {};
    }
    QString saveFile(QWidget*, const FileRequest&) override {
        unexpected();
        return {};
    }
    bool chooseFont(QWidget*, FontChoice&) override {
        unexpected();
        return false;
    }
    bool printerSetup(QWidget*, QPrinter&) override {
        unexpected();
        return false;
    }

private:
    void unexpected() { m_log << QStringLiteral("unexpected dialog"); }
    QStringList& m_log;
};

class RecordingSounds : public SoundEffects {
public:
    explicit RecordingSounds(QStringList& log) : m_log(log) {}
    void PlayWarningSound() override { m_log << QStringLiteral("warning sound"); }
    void PlayEndSound() override { m_log << QStringLiteral("end sound"); }
    void PlayAttentionSound() override { m_log << QStringLiteral("attention sound"); }

private:
    QStringList& m_log;
};

} // namespace

class Tst_procs : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        TIxvProcs::setWaitScale(1.0);
    }

    void scaleToScreenHeight_data();
    void scaleToScreenHeight();
    void scaleToPixelsPerInch_data();
    void scaleToPixelsPerInch();
    void startupMetrics_data();
    void startupMetrics();
    void specialFolderPath_data();
    void specialFolderPath();
    void waitPumpingKeepsHandlingEvents_data();
    void waitPumpingKeepsHandlingEvents();
    void nestedWaitsEndTogether_data();
    void nestedWaitsEndTogether();
    void attentionSoundComesFirst_data();
    void attentionSoundComesFirst();

private:
    std::unique_ptr<TIxvProcs> makeProcs(const ScreenMetrics& metrics = {}) {
        return std::make_unique<TIxvProcs>(
            std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("store.conf"))),
            metrics);
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void Tst_procs::scaleToScreenHeight_data() {
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("1200 px: unchanged") << 1200 << 22 << 22;
    QTest::newRow("768 px: 34.375") << 768 << 22 << 34;
    QTest::newRow("960 px: 2.5 to even 2") << 960 << 2 << 2;
    QTest::newRow("960 px: 7.5 to even 8") << 960 << 6 << 8;
    QTest::newRow("960 px: -2.5 to even -2") << 960 << -2 << -2;
    QTest::newRow("2400 px: halves") << 2400 << 23 << 12;
}

void Tst_procs::scaleToScreenHeight() {
    QFETCH(int, screenHeight);
    QFETCH(int, value);
    QFETCH(int, expected);
    ScreenMetrics m;
    m.screenHeight = screenHeight;
    QCOMPARE(makeProcs(m)->ScaleToScreenHeight(value), expected);
}

void Tst_procs::scaleToPixelsPerInch_data() {
    QTest::addColumn<int>("ppi");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("96 ppi: unchanged") << 96 << 15 << 15;
    QTest::newRow("120 ppi: 18.75") << 120 << 15 << 19;
    QTest::newRow("144 ppi: 4.5 to even 4") << 144 << 3 << 4;
    QTest::newRow("144 ppi: 7.5 to even 8") << 144 << 5 << 8;
    QTest::newRow("72 ppi: 0.75") << 72 << 1 << 1;
}

void Tst_procs::scaleToPixelsPerInch() {
    QFETCH(int, ppi);
    QFETCH(int, value);
    QFETCH(int, expected);
    ScreenMetrics m;
    m.pixelsPerInch = ppi;
    QCOMPARE(makeProcs(m)->ScaleToPixelsPerInch(value), expected);
}

void Tst_procs::startupMetrics_data() {
    QTest::addColumn<int>("clientHeight");
    QTest::addColumn<int>("frameHeight");
    QTest::addColumn<int>("squareSize");
    QTest::newRow("1024 px") << 1024 << 4 << 37;
    QTest::newRow("1025 px, division truncates") << 1025 << 8 << 37;
    QTest::newRow("1026 px") << 1026 << 3 << 38;
    QTest::newRow("26 px") << 26 << 0 << 0;
}

void Tst_procs::startupMetrics() {
    QFETCH(int, clientHeight);
    QFETCH(int, frameHeight);
    QFETCH(int, squareSize);
    ScreenMetrics m;
    m.fullScreenClientHeight = clientHeight;
    m.frameHeight = frameHeight;
    m.captionHeight = 99; // the frame is not the caption
    const auto procs = makeProcs(m);
    QCOMPARE(procs->DefaultSquareSize(), squareSize);
    QCOMPARE(procs->FrameSize(), frameHeight);
}

void Tst_procs::specialFolderPath_data() {
    QTest::addColumn<int>("folderId");
    QTest::addColumn<QString>("expected");
    QTest::newRow("26 application data") << 26 << TestEnv::home() + QStringLiteral("/.local/share");
    QTest::newRow("5 documents") << 5 << TestEnv::home() + QStringLiteral("/Documents");
    QTest::newRow("0 unknown") << 0 << QString();
    QTest::newRow("35 unknown") << 35 << QString();
}

void Tst_procs::specialFolderPath() {
    QFETCH(int, folderId);
    QFETCH(QString, expected);
    QCOMPARE(TIxvProcs::SpecialFolderPath(folderId), expected);
}

void Tst_procs::waitPumpingKeepsHandlingEvents_data() {
    QTest::addColumn<int>("interval");
    QTest::addColumn<double>("scale"); // the factor tests use to shorten waits
    QTest::addColumn<int>("expected");
    QTest::newRow("60 ms") << 60 << 1.0 << 60;
    QTest::newRow("250 ms") << 250 << 1.0 << 250;
    QTest::newRow("800 ms shortened to 200") << 800 << 0.25 << 200;
}

// The caller resumes only after the interval, and timers and queued calls run meanwhile.
void Tst_procs::waitPumpingKeepsHandlingEvents() {
    QFETCH(int, interval);
    QFETCH(double, scale);
    QFETCH(int, expected);
    TIxvProcs::setWaitScale(scale);
    const auto procs = makeProcs();
    bool timerRan = false, queuedRan = false;
    QTimer::singleShot(expected / 3, [&] { timerRan = true; });
    QMetaObject::invokeMethod(
        this, [&] { queuedRan = true; }, Qt::QueuedConnection);

    QElapsedTimer clock;
    clock.start();
    procs->WaitPumping(interval);
    const qint64 waited = clock.elapsed();
    TIxvProcs::setWaitScale(1.0);
    QVERIFY(timerRan);
    QVERIFY(queuedRan);
    // A coarse timer may fire a few per cent early.
    QVERIFY2(waited >= expected * 9 / 10 && waited < expected + 300,
             qPrintable(QStringLiteral("waited %1 ms").arg(waited)));
}

void Tst_procs::nestedWaitsEndTogether_data() {
    QTest::addColumn<int>("outer");
    QTest::addColumn<int>("innerStart"); // ms after the outer wait began
    QTest::addColumn<int>("inner");
    QTest::newRow("inner ends before outer would") << 600 << 30 << 100;
    QTest::newRow("inner outlasts outer") << 100 << 30 << 400;
}

// All waits share one timer: a wait started inside another restarts it, and when it fires
// the inner wait returns and the outer one follows at once.
void Tst_procs::nestedWaitsEndTogether() {
    QFETCH(int, outer);
    QFETCH(int, innerStart);
    QFETCH(int, inner);
    const auto procs = makeProcs();
    QElapsedTimer clock;
    QStringList order;
    qint64 innerEnded = -1;
    QTimer::singleShot(innerStart, [&] {
        procs->WaitPumping(inner);
        innerEnded = clock.elapsed();
        order << QStringLiteral("inner");
    });

    clock.start();
    procs->WaitPumping(outer);
    const qint64 outerEnded = clock.elapsed();
    order << QStringLiteral("outer");

    QCOMPARE(order, QStringList({"inner", "outer"}));
    const int expectedEnd = innerStart + inner;
    const QString times =
        QStringLiteral("inner ended at %1 ms, outer at %2 ms, expected about %3 ms")
            .arg(innerEnded)
            .arg(outerEnded)
            .arg(expectedEnd);
    QVERIFY2(innerEnded >= expectedEnd * 85 / 100, qPrintable(times));
    QVERIFY2(outerEnded - innerEnded < 100, qPrintable(times));
    QVERIFY2(outerEnded < expectedEnd + 300, qPrintable(times));
}

void Tst_procs::attentionSoundComesFirst_data() {
    QTest::addColumn<QByteArray>("playSounds"); // the stored PlaySounds line; empty: absent
    QTest::addColumn<int>("soundSwitch");
    QTest::addColumn<bool>("audible");
    QTest::newRow("PlaySounds absent") << QByteArray() << 1 << true;
    QTest::newRow("PlaySounds 1") << QByteArray("PlaySounds=integer:1\n") << 1 << true;
    QTest::newRow("PlaySounds -1 counts as on")
        << QByteArray("PlaySounds=integer:-1\n") << 1 << true;
    QTest::newRow("PlaySounds 0 silences") << QByteArray("PlaySounds=integer:0\n") << 1 << false;
    QTest::newRow("SoundSwitch 0 silences") << QByteArray("PlaySounds=integer:1\n") << 0 << false;
}

void Tst_procs::attentionSoundComesFirst() {
    QFETCH(QByteArray, playSounds);
    QFETCH(int, soundSwitch);
    QFETCH(bool, audible);
    const auto procs = makeProcs();
    QFile store(procs->store().filePath());
    QVERIFY(store.open(QIODevice::WriteOnly));
    store.write("[Software\\Tamberlin32\\Ixenvar7Demo]\n" + playSounds);
    store.close();
    QStringList log;
    RecordingDialogs dialogs(log);
    RecordingSounds sounds(log);
    procs->setDialogs(&dialogs);
    procs->setSounds(&sounds);
    procs->SoundSwitch = soundSwitch;

    procs->ShowAttention(QStringLiteral("The grid width must be 1 to 31."));
    procs->PlayWarningSound();
    procs->PlayEndSound();

    const QString message = QStringLiteral("attention: The grid width must be 1 to 31.");
    const QStringList expected =
        audible ? QStringList{"attention sound", message, "warning sound", "end sound"}
                : QStringList{message};
    QCOMPARE(log, expected);
}

QTEST_GUILESS_MAIN(Tst_procs)
#include "tst_procs.moc"
