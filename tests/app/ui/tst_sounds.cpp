#include "TestEnv.h"
#include "app/ui/TSoundFX.h"

#include <QFile>
#include <QtTest>

// The three sound effects are 8-bit mono PCM of the rates and lengths the program promises, and
// playing them without an audio device is silent and harmless.
class Tst_Sounds : public QObject {
    Q_OBJECT
private slots:
    void formats_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("rate");
        QTest::addColumn<double>("seconds");
        QTest::newRow("warning") << 0 << 11025 << 0.71;
        QTest::newRow("end") << 1 << 22050 << 0.52;
        QTest::newRow("attention") << 2 << 11025 << 0.17;
    }
    void formats() {
        QFETCH(int, index);
        QFETCH(int, rate);
        QFETCH(double, seconds);
        QFile file(QString::fromLatin1(TSoundFX::resources()[index]));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray wav = file.readAll();
        auto u16 = [&](int at) { return qFromLittleEndian<quint16>(wav.constData() + at); };
        auto u32 = [&](int at) { return qFromLittleEndian<quint32>(wav.constData() + at); };
        QCOMPARE(wav.left(4), QByteArray("RIFF"));
        QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(u16(20), quint16(1)); // PCM
        QCOMPARE(u16(22), quint16(1)); // mono
        QCOMPARE(u32(24), quint32(rate));
        QCOMPARE(u16(34), quint16(8)); // bits per sample
        QCOMPARE(wav.mid(36, 4), QByteArray("data"));
        QCOMPARE(u32(40), quint32(qRound(rate * seconds)));
        QCOMPARE(wav.size(), 44 + qRound(rate * seconds));
    }

    void playingWithoutADeviceIsSilent() {
        TSoundFX sounds;
        sounds.PlayWarningSound();
        sounds.PlayEndSound();
        sounds.PlayAttentionSound();
    }
};

QTEST_MAIN(Tst_Sounds)
#include "tst_sounds.moc"
