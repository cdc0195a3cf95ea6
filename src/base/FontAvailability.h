#pragma once

#include <QString>
#include <QStringList>

// Whether a font family is really installed. Fontconfig always answers a match, falling back
// on another family, so a family counts as present only when the match carries its name.
namespace FontAvailability {

// The font file fontconfig chooses for a family and style.
struct FontMatch {
    QString file;
    int index = 0;        // face (and named instance) inside the file
    QString format;       // "TrueType", "CFF", "Type 1", ...
    QStringList families; // the names the chosen font gives itself, the first preferred

    // Whether the chosen font is of the family (case ignored), rather than a fallback.
    bool carries(const QString& family) const;
    // The chosen font's own spelling of the family, or empty when it is not of it.
    QString spellingOf(const QString& family) const;
};

FontMatch match(const QString& family, bool bold, bool italic);

bool hasFamily(const QString& family);
// The first installed family of the list, or the last one when none is installed.
QString firstInstalled(const QStringList& families);

} // namespace FontAvailability
