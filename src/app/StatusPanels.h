#pragma once

#include <array>

// Widths of the four status bar panels for a bar w pixels wide: 4/10, 5/10 and 1/10 of the
// width, rounded half to even, and 50 pixels for the last.
std::array<int, 4> statusPanelWidths(int w);
