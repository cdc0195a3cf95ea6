#pragma once

#include "base/ScreenMetrics.h"
#include "prefs/SettingsAccess.h"
#include "prefs/SettingsStore.h"

#include <QObject>
#include <QTimer>
#include <memory>

class Dialogs;
class SoundEffects;
class QWidget;

// The application data module: the settings store, special folders, screen scaling, the
// message-pumping wait and the Attention message. One instance lives for the whole run.
class TIxvProcs : public QObject, public SettingsAccess {
    Q_OBJECT
public:
    TIxvProcs(std::unique_ptr<SettingsStore> store, const ScreenMetrics& metrics,
              QObject* parent = nullptr);
    ~TIxvProcs() override;

    SettingsStore& store() { return *m_store; }

    SettingValue ReadSetting(const QString& name,
                             const SettingValue& defaultValue) const override;
    void WriteSetting(const QString& name, const SettingValue& value) override;
    QList<StoredSetting> ListSettings() const;

    // 26: the application-data folder, 5: the documents folder; empty for any other id or
    // when the platform cannot tell. Never with a trailing separator.
    static QString SpecialFolderPath(int folderId);

    int ScaleToScreenHeight(int v) const;
    int ScaleToPixelsPerInch(int v) const;
    int DefaultSquareSize() const override { return m_defaultSquareSize; }
    int FrameSize() const { return m_frameSize; }
    const ScreenMetrics& metrics() const override { return m_metrics; }

    // Keeps handling window events until the wait timer has fired once. A wait started during
    // another restarts the one timer with its own interval; both end when it fires.
    void WaitPumping(int milliseconds);
    // Durations of every wait are multiplied by this factor; tests shorten them.
    static void setWaitScale(double factor);
    static double waitScale();

    // Sounds are played while SoundSwitch is not 0 and the user has not turned them off in
    // the preferences.
    int SoundSwitch = 1;
    bool soundsOn() const;

    void setDialogs(Dialogs* dialogs) { m_dialogs = dialogs; }
    Dialogs* dialogs() const { return m_dialogs; }
    void setSounds(SoundEffects* sounds) { m_sounds = sounds; }
    SoundEffects* sounds() const { return m_sounds; }

    void PlayWarningSound();
    void PlayEndSound();
    void ShowAttention(const QString& text, QWidget* parent = nullptr);

private:
    void IxvTimerTimer();

    std::unique_ptr<SettingsStore> m_store;
    ScreenMetrics m_metrics;
    int m_defaultSquareSize;
    int m_frameSize;
    QTimer m_ixvTimer;
    quint64 m_timerFirings = 0;
    Dialogs* m_dialogs = nullptr;
    SoundEffects* m_sounds = nullptr;
};
