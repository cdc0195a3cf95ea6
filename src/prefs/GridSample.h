#pragma once

#include <QChar>
#include <QList>
#include <QRect>
#include <QtGlobal>
#include <optional>

// The View page's sample grid and colour palette: how the grid colours being chosen look on a
// few rows of squares, and which colour a click on the palette sets.
namespace GridSample {

inline constexpr int kWidth = 226;
inline constexpr int kHeight = 295;

struct Square {
    QRect rect;   // outline included; neighbours share their border line
    quint32 fill; // the square's colour
    QChar letter; // null: no letter
};

// Every square of the sample, row by row, for squares of side squareSize: filled squares in a
// fixed pattern, a highlighted word in row 3, a first letter in row 5. A square shows its letter
// ("A" in the first, "B" beside and below it, ...) when its colour is a letter square's colour.
QList<Square> squares(int squareSize, quint32 filled, quint32 blank, quint32 hilite,
                      quint32 initial);

} // namespace GridSample

namespace Palette {

inline constexpr int kColumns = 8;
inline constexpr int kRows = 2;

// Colour i of the 16 cells, 0x00BBGGRR; cell (row r, column c) has index 8r + c.
quint32 colour(int index);

// The working colour a release over the palette sets.
enum class Target { Blank, Filled, Hilite, Initial };
// Left: letter squares; right or middle: filled squares. With exactly Ctrl (no other key, no
// other button held): left sets first letters, right or middle the highlight. Other buttons set
// nothing.
std::optional<Target> targetOf(Qt::MouseButton released, Qt::KeyboardModifiers modifiers,
                               Qt::MouseButtons stillHeld);

} // namespace Palette
