#include "ScriptedDialogs.h"
#include "TestEnv.h"
#include "TestFiles.h"
#include "app/TIxvProcs.h"

#include <QtTest>

class Tst_procs : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        TIxvProcs::setWaitScale(1.0);
    }

    // Lengths made for a 1200-pixel-high screen of 96 pixels an inch, scaled to this one, halves
    // to the even neighbour.
    void scaling_data() {
        QTest::addColumn<bool>("byHeight"); // otherwise by pixels per inch
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("768 px: 34.375") << true << 768 << 22 << 34;
        QTest::newRow("960 px: 2.5 to even 2") << true << 960 << 2 << 2;
        QTest::newRow("960 px: 7.5 to even 8") << true << 960 << 6 << 8;
        QTest::newRow("960 px: -2.5 to even -2") << true << 960 << -2 << -2;
        QTest::newRow("120 ppi: 18.75") << false << 120 << 15 << 19;
        QTest::newRow("144 ppi: 4.5 to even 4") << false << 144 << 3 << 4;
    }
    void scaling() {
        QFETCH(bool, byHeight);
        QFETCH(int, screen);
        QFETCH(int, value);
        ScreenMetrics m;
        (byHeight ? m.screenHeight : m.pixelsPerInch) = screen;
        const auto procs = makeProcs(m);
        QTEST(byHeight ? procs->ScaleToScreenHeight(value) : procs->ScaleToPixelsPerInch(value),
              "expected");
    }

    void startupMetrics_data() {
        QTest::addColumn<int>("clientHeight");
        QTest::addColumn<int>("frameHeight");
        QTest::addColumn<int>("squareSize");
        QTest::newRow("1025 px, division truncates") << 1025 << 8 << 37;
        QTest::newRow("1026 px") << 1026 << 3 << 38;
        QTest::newRow("26 px") << 26 << 0 << 0;
    }
    void startupMetrics() {
        QFETCH(int, clientHeight);
        QFETCH(int, frameHeight);
        ScreenMetrics m;
        m.fullScreenClientHeight = clientHeight;
        m.frameHeight = frameHeight;
        m.captionHeight = 99; // the frame is not the caption
        const auto procs = makeProcs(m);
        QTEST(procs->DefaultSquareSize(), "squareSize");
        QCOMPARE(procs->FrameSize(), frameHeight);
    }

    void specialFolderPath_data() {
        QTest::addColumn<int>("folderId");
        QTest::addColumn<QString>("expected");
        QTest::newRow("26 application data")
            << 26 << TestEnv::home() + QStringLiteral("/.local/share");
        QTest::newRow("5 documents") << 5 << TestEnv::home() + QStringLiteral("/Documents");
        QTest::newRow("0 unknown") << 0 << QString();
    }
    void specialFolderPath() {
        QFETCH(int, folderId);
        QTEST(TIxvProcs::SpecialFolderPath(folderId), "expected");
    }

    void waitPumpingKeepsHandlingEvents_data() {
        QTest::addColumn<int>("interval");
        QTest::addColumn<double>("scale"); // the factor tests use to shorten waits
        QTest::addColumn<int>("expected");
        QTest::newRow("250 ms") << 250 << 1.0 << 250;
        QTest::newRow("800 ms shortened to 200") << 800 << 0.25 << 200;
    }
    // The caller resumes only after the interval, and timers and queued calls run meanwhile.
    void waitPumpingKeepsHandlingEvents() {
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

    void nestedWaitsEndTogether_data() {
        QTest::addColumn<int>("outer");
        QTest::addColumn<int>("innerStart"); // ms after the outer wait began
        QTest::addColumn<int>("inner");
        QTest::newRow("inner ends before outer would") << 600 << 30 << 100;
        QTest::newRow("inner outlasts outer") << 100 << 30 << 400;
    }
    // All waits share one timer: a wait started inside another restarts it, and when it fires
    // the inner wait returns and the outer one follows at once.
    void nestedWaitsEndTogether() {
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

    void attentionSoundComesFirst_data() {
        QTest::addColumn<QByteArray>("playSounds"); // the stored PlaySounds line; empty: absent
        QTest::addColumn<int>("soundSwitch");
        QTest::addColumn<bool>("audible");
        QTest::newRow("PlaySounds absent") << QByteArray() << 1 << true;
        QTest::newRow("PlaySounds -1 counts as on")
            << QByteArray("PlaySounds=integer:-1\n") << 1 << true;
        QTest::newRow("PlaySounds 0 silences")
            << QByteArray("PlaySounds=integer:0\n") << 1 << false;
        QTest::newRow("SoundSwitch 0 silences")
            << QByteArray("PlaySounds=integer:1\n") << 0 << false;
    }
    void attentionSoundComesFirst() {
        QFETCH(QByteArray, playSounds);
        QFETCH(int, soundSwitch);
        QFETCH(bool, audible);
        const auto procs = makeProcs();
        QVERIFY(writeBytes(procs->store().filePath(),
                           "[Software\\Tamberlin32\\Ixenvar7Demo]\n" + playSounds));
        ScriptedDialogs dialogs;
        RecordingSounds sounds;
        QStringList soundsBeforeTheBox;
        dialogs.onShown = [&](const ScriptedDialogs::Shown&) {
            soundsBeforeTheBox = sounds.played;
        };
        procs->setDialogs(&dialogs);
        procs->setSounds(&sounds);
        procs->SoundSwitch = soundSwitch;

        procs->ShowAttention(QStringLiteral("The grid width must be 1 to 31."));
        procs->PlayWarningSound();
        procs->PlayEndSound();

        QCOMPARE(dialogs.texts(), QStringList{"The grid width must be 1 to 31."});
        QCOMPARE(soundsBeforeTheBox, audible ? QStringList{"attention"} : QStringList());
        QCOMPARE(sounds.played,
                 audible ? QStringList({"attention", "warning", "end"}) : QStringList());
    }

private:
    std::unique_ptr<TIxvProcs> makeProcs(const ScreenMetrics& metrics = {}) {
        return std::make_unique<TIxvProcs>(
            std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("store.conf"))),
            metrics);
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(Tst_procs)
#include "tst_procs.moc"
