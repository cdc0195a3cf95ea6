#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>

// Colours as the settings store keeps them: 32-bit values laid out 0x00BBGGRR (red in the
// low byte); system colours are 0xFF000000 plus a system colour index. As text a colour is its
// name from the colour name table, or "$" and 8 upper-case hex digits.
namespace ColourText {

QString toText(quint32 colour);
// A colour name (case ignored), a decimal integer or a "$" hex integer. Anything else throws
// ColourConversionError.
quint32 fromText(const QString& text);

// The name table, in its own order.
struct Named {
    const char* name;
    quint32 value;
};
const QList<Named>& names();

// The system colours "clGradientActiveCaption" and "clGradientInactiveCaption".
inline constexpr quint32 kGradientActiveCaption = 0xFF000000u + 27;
inline constexpr quint32 kGradientInactiveCaption = 0xFF000000u + 28;

// The colour to paint with: plain colours as they are, system colours from the palette.
QColor toQColor(quint32 colour);
quint32 fromQColor(const QColor& colour);

} // namespace ColourText
