#include "base/WindowFonts.h"

#include <QFont>

namespace WindowFonts {

void installSubstitutions() {
    const QString liberation = QStringLiteral("Liberation Sans");
    QFont::insertSubstitution(QStringLiteral("Tahoma"), liberation);
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), liberation);
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
}

} // namespace WindowFonts
