#pragma once

#include "app/SoundEffects.h"

#include <QObject>
#include <QSoundEffect>
#include <array>

// The three sound effects, played from the program's resources. Without an audio device the
// program stays silent.
class TSoundFX : public QObject, public SoundEffects {
    Q_OBJECT
public:
    explicit TSoundFX(QObject* parent = nullptr);

    void PlayWarningSound() override { play(0); }
    void PlayEndSound() override { play(1); }
    void PlayAttentionSound() override { play(2); }

    // The resource of each sound, in the order above.
    static const std::array<const char*, 3>& resources();

private:
    void play(int which);

    std::array<QSoundEffect*, 3> m_effects{};
    bool m_haveDevice = false;
};
