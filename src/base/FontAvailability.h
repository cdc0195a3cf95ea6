#pragma once

#include <QString>
#include <QStringList>

// Whether a font family is really installed. Fontconfig always answers a match, falling back
// on another family, so a family counts as present only when the match carries its name.
namespace FontAvailability {
bool hasFamily(const QString& family);
// The first installed family of the list, or the last one when none is installed.
QString firstInstalled(const QStringList& families);
} // namespace FontAvailability
