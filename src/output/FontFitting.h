#pragma once

#include <functional>

class PageCanvas;

// The font-fitting loops: the font's height (or size) changes by one unit, at least once, and
// the condition is tested after each step; the result is the first value at which it holds.
// Since text measures grow with the font, that value is found by halving, with the result of
// stepping. A target whose measures do not follow the font could keep a loop going for ever,
// so lowering stops at 1 and raising at the given limit.
namespace FontFitting {

using Condition = std::function<bool()>;

int lowerHeightUntil(PageCanvas& canvas, int height, const Condition& done);
int raiseHeightUntil(PageCanvas& canvas, int height, int limit, const Condition& done);
int lowerSizeUntil(PageCanvas& canvas, int size, const Condition& done);
int raiseSizeUntil(PageCanvas& canvas, int size, int limit, const Condition& done);

} // namespace FontFitting
