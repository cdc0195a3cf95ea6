#include "app/TIxvProcs.h"

#include "app/Dialogs.h"
#include "base/Errors.h"
#include "base/Rounding.h"
#include "app/SoundEffects.h"
#include "prefs/SettingsCatalogue.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace {
double g_waitScale = 1.0;
}

TIxvProcs::TIxvProcs(std::unique_ptr<SettingsStore> store, const ScreenMetrics& metrics,
                     QObject* parent)
    : QObject(parent), m_store(std::move(store)), m_metrics(metrics),
      m_defaultSquareSize(metrics.fullScreenClientHeight / 27), m_frameSize(metrics.frameHeight) {
    m_ixvTimer.setSingleShot(true);
    connect(&m_ixvTimer, &QTimer::timeout, this, &TIxvProcs::IxvTimerTimer);
}

TIxvProcs::~TIxvProcs() = default;

SettingValue TIxvProcs::ReadSetting(const QString& name, const SettingValue& defaultValue) const {
    return m_store->read(name, defaultValue);
}

void TIxvProcs::WriteSetting(const QString& name, const SettingValue& value) {
    m_store->write(name, value);
}

QList<StoredSetting> TIxvProcs::ListSettings() const {
    return m_store->list();
}

QString TIxvProcs::SpecialFolderPath(int folderId) {
    QStandardPaths::StandardLocation location;
    switch (folderId) {
    case 26:
        location = QStandardPaths::GenericDataLocation;
        break;
    case 5:
        location = QStandardPaths::DocumentsLocation;
        break;
    default:
        return {};
    }
    QString path = QStandardPaths::writableLocation(location);
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

int TIxvProcs::ScaleToScreenHeight(int v) const {
    return static_cast<int>(roundDivHalfEven(qint64(v) * 1200, m_metrics.screenHeight));
}

int TIxvProcs::ScaleToPixelsPerInch(int v) const {
    return static_cast<int>(roundDivHalfEven(qint64(v) * m_metrics.pixelsPerInch, 96));
}

void TIxvProcs::setWaitScale(double factor) {
    g_waitScale = factor;
}

double TIxvProcs::waitScale() {
    return g_waitScale;
}

void TIxvProcs::WaitPumping(int milliseconds) {
    const quint64 startedAt = m_timerFirings;
    m_ixvTimer.start(static_cast<int>(milliseconds * g_waitScale));
    while (m_timerFirings == startedAt)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void TIxvProcs::IxvTimerTimer() {
    m_ixvTimer.stop();
    ++m_timerFirings;
}

bool TIxvProcs::soundsOn() const {
    if (SoundSwitch == 0)
        return false;
    try {
        return Settings::readFlag(*this, Settings::PlaySounds);
    } catch (const SettingsError&) {
        return true; // a damaged switch must not keep the message itself from showing
    }
}

void TIxvProcs::PlayWarningSound() {
    if (m_sounds && soundsOn())
        m_sounds->PlayWarningSound();
}

void TIxvProcs::PlayEndSound() {
    if (m_sounds && soundsOn())
        m_sounds->PlayEndSound();
}

void TIxvProcs::ShowAttention(const QString& text, QWidget* parent) {
    if (m_sounds && soundsOn())
        m_sounds->PlayAttentionSound();
    if (m_dialogs)
        m_dialogs->attention(parent, text);
}
