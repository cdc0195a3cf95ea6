#pragma once

#include <QFont>
#include <QtGlobal>

// Font styles as stored: a bit set of 1 bold, 2 italic, 4 underline, 8 strike-out.
namespace FontStyle {
enum Bit : qint32 { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };

qint32 fromFont(const QFont& font);
void applyTo(QFont& font, qint32 style);
} // namespace FontStyle
