#pragma once

#include "base/ScreenMetrics.h"
#include "prefs/SettingsStore.h"

// What the settings catalogue's readers and writers need: the store's values, and the screen
// facts that some defaults depend on. The application data module provides it; tests may
// provide their own.
class SettingsAccess {
public:
    virtual ~SettingsAccess() = default;
    virtual SettingValue ReadSetting(const QString& name, const SettingValue& defaultValue) const = 0;
    virtual void WriteSetting(const QString& name, const SettingValue& value) = 0;
    virtual const ScreenMetrics& metrics() const = 0;
    // The default side of an on-screen square in pixels.
    virtual int DefaultSquareSize() const = 0;
};
