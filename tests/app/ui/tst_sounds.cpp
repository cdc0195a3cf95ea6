#include "TestEnv.h"
#include "app/ui/TSoundFX.h"

#include <QFile>
#include <QtTest>

// The three sound effects are 8-bit mono PCM that any player reads, and playing them without an
// audio device is silent and harmless.
class Tst_Sounds : public QObject {
    Q_OBJECT
private slots:
    void formats() {
        for (const char* resource : TSoundFX::resources()) {
            QFile file(QString::fromLatin1(resource));
            QVERIFY2(file.open(QIODevice::ReadOnly), resource);
            const QByteArray wav = file.readAll();
            auto u16 = [&](int at) { return qFromLittleEndian<quint16>(wav.constData() + at); };
            auto u32 = [&](int at) { return qFromLittleEndian<quint32>(wav.constData() + at); };
            QCOMPARE(wav.left(4), QByteArray("RIFF"));
            QCOMPARE(u32(4), quint32(wav.size() - 8));
            QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
            QCOMPARE(u16(20), quint16(1)); // PCM
            QCOMPARE(u16(22), quint16(1)); // mono
            QVERIFY(u32(24) >= 8000);      // samples a second
            QCOMPARE(u16(34), quint16(8)); // bits per sample
            QCOMPARE(wav.mid(36, 4), QByteArray("data"));
            QCOMPARE(u32(40), quint32(wav.size() - 44));
            QVERIFY(u32(40) > u32(24) / 10); // longer than a tenth of a second
        }
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
