#include "prefs/FontStyle.h"

namespace FontStyle {

qint32 fromFont(const QFont& font) {
    qint32 style = 0;
    if (font.bold())
        style |= Bold;
    if (font.italic())
        style |= Italic;
    if (font.underline())
        style |= Underline;
    if (font.strikeOut())
        style |= StrikeOut;
    return style;
}

void applyTo(QFont& font, qint32 style) {
    font.setBold(style & Bold);
    font.setItalic(style & Italic);
    font.setUnderline(style & Underline);
    font.setStrikeOut(style & StrikeOut);
}

} // namespace FontStyle
