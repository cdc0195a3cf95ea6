#include "prefs/GridSample.h"

#include <array>

namespace GridSample {

namespace {
enum class Kind { Filled, Blank, Hilite, Initial };

// A later rule overrides an earlier one.
Kind kindOf(int c, int r) {
    Kind kind = (c == 4 && r <= 3) || (c == 5 && r == 1) || (c == 1 && r == 6) ||
                        (c <= 2 && r == 7) || (c == 6 && r == 5) || (c == 4 && r == 8)
                    ? Kind::Filled
                    : Kind::Blank;
    if (c <= 3 && r == 3)
        kind = Kind::Hilite;
    if (c == 3 && r == 5)
        kind = Kind::Initial;
    return kind;
}
} // namespace

QList<Square> squares(int squareSize, quint32 filled, quint32 blank, quint32 hilite,
                      quint32 initial) {
    const int s = qMax(1, squareSize);
    QList<Square> out;
    for (int r = 1; r <= kHeight / s + 1; ++r) {
        for (int c = 1; c <= kWidth / s + 1; ++c) {
            quint32 fill = blank;
            switch (kindOf(c, r)) {
            case Kind::Filled:
                fill = filled;
                break;
            case Kind::Blank:
                break;
            case Kind::Hilite:
                fill = hilite;
                break;
            case Kind::Initial:
                fill = initial;
                break;
            }
            const bool lettered = fill == blank || fill == hilite || fill == initial;
            out.append({QRect((c - 1) * s, (r - 1) * s, s + 1, s + 1), fill,
                        lettered ? QChar(63 + c + r) : QChar()});
        }
    }
    return out;
}

} // namespace GridSample

namespace Palette {

quint32 colour(int index) {
    static constexpr std::array<quint32, kColumns* kRows> colours = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    return colours[size_t(qBound(0, index, kColumns * kRows - 1))];
}

std::optional<Target> targetOf(Qt::MouseButton released, Qt::KeyboardModifiers modifiers,
                               Qt::MouseButtons stillHeld) {
    if (released != Qt::LeftButton && released != Qt::RightButton && released != Qt::MiddleButton)
        return std::nullopt;
    const bool ctrl = modifiers == Qt::ControlModifier && stillHeld == Qt::NoButton;
    if (released == Qt::LeftButton)
        return ctrl ? Target::Initial : Target::Blank;
    return ctrl ? Target::Hilite : Target::Filled;
}

} // namespace Palette
