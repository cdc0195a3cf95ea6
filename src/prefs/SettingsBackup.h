#pragma once

#include "prefs/SettingsStore.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The backup of the settings store as a registry-editor file: every stored value in the store's
// own order, 8-bit Windows-1252 text, each line ended by CR LF. It shows what is stored, never a
// dialog's unsaved state.
namespace SettingsBackup {

// The file name the backup proposes.
inline constexpr const char* kProposedName = "IxenvarPreferences.reg";

// One value's line: "Name"="text" or "Name"=dword:xxxxxxxx, backslashes doubled, and the
// quotes around a quoted program path ending in exe escaped.
QString valueLine(const StoredSetting& value);

// The whole file. Raises SettingsError, naming the setting, when a value holds a line break or
// a character the code page cannot hold: such a backup could not give the value back.
QByteArray fileBytes(const QList<StoredSetting>& values);

// Writes the backup of what the store holds into fileName, replacing the file. Raises IoError
// naming the file when it cannot be written (a full disk included), leaving an existing file as
// it was; raises SettingsError when the store cannot be read or a value cannot be written.
void ExportSettingsFile(const SettingsStore& store, const QString& fileName);

} // namespace SettingsBackup
