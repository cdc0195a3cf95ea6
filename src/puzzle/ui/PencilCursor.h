#pragma once

#include <QCursor>

// The pencil mouse cursor of the puzzle grids, drawn by the program, its hot spot at the tip.
QCursor pencilCursor();
