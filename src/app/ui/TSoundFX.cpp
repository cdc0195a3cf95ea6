#include "app/ui/TSoundFX.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QUrl>

const std::array<const char*, 3>& TSoundFX::resources() {
    static const std::array<const char*, 3> names = {
        ":/sounds/WAVE_1.wav", // warning
        ":/sounds/WAVE_4.wav", // end of the clue list
        ":/sounds/WAVE_7.wav", // attention
    };
    return names;
}

TSoundFX::TSoundFX(QObject* parent) : QObject(parent) {
    m_haveDevice = !QMediaDevices::audioOutputs().isEmpty();
    if (!m_haveDevice)
        return;
    for (std::size_t i = 0; i < m_effects.size(); ++i) {
        m_effects[i] = new QSoundEffect(this);
        m_effects[i]->setSource(QUrl(QStringLiteral("qrc") + QString::fromLatin1(resources()[i])));
    }
}

void TSoundFX::play(int which) {
    if (!m_haveDevice)
        return;
    for (QSoundEffect* effect : m_effects)
        effect->stop(); // a new sound cuts the one playing
    m_effects[which]->play();
}
