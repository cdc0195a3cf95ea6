#include "prefs/FontSettings.h"

#include "prefs/FontStyle.h"

namespace Settings {

QFont StoredFont::at(int points) const {
    QFont font(family);
    font.setPointSize(qMax(1, points));
    FontStyle::applyTo(font, style);
    return font;
}

StoredFont readFont(const SettingsAccess& procs, const FontSettings& s) {
    return {readText(procs, s.name), readInt(procs, s.size), readFontStyle(procs, s.style),
            readColour(procs, s.colour)};
}

} // namespace Settings
