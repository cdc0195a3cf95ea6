#include "TestEnv.h"
#include "app/ui/TSoundFX.h"

#include <QtTest>

// Playing the sound effects without an audio device is silent and harmless.
class Tst_Sounds : public QObject {
    Q_OBJECT
private slots:
    void playingWithoutADeviceIsSilent() {
        TSoundFX sounds;
        sounds.PlayWarningSound();
        sounds.PlayEndSound();
        sounds.PlayAttentionSound();
    }
};

QTEST_MAIN(Tst_Sounds)
#include "tst_sounds.moc"
