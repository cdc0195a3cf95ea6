#include "output/FontFitting.h"

#include "output/PageCanvas.h"

namespace FontFitting {

namespace {

// Stepping one unit at a time from value towards limit, the first value after value at which
// done() holds, or limit; the font is left at the result. Text measures grow with the font, so
// along the way done() turns true once and stays true: the first such value is found by
// halving the range, with a handful of measures where stepping takes hundreds.
int stepUntil(int value, int step, int limit, const std::function<void(int)>& apply,
              const Condition& done) {
    if (step < 0 ? value <= limit : value >= limit)
        return value;
    // The answer is a number of steps in (low, high]: done() is false after low steps (or
    // none were taken) and true after high steps, or high reaches the limit.
    const int steps = (limit - value) / step;
    int low = 0;
    int high = steps;
    while (high - low > 1) {
        const int middle = low + (high - low) / 2;
        apply(value + middle * step);
        if (done())
            high = middle;
        else
            low = middle;
    }
    apply(value + high * step);
    return value + high * step;
}

} // namespace

int lowerHeightUntil(PageCanvas& canvas, int height, const Condition& done) {
    return stepUntil(
        height, -1, 1, [&](int h) { canvas.SetFontHeight(h); }, done);
}

int raiseHeightUntil(PageCanvas& canvas, int height, int limit, const Condition& done) {
    return stepUntil(
        height, 1, limit, [&](int h) { canvas.SetFontHeight(h); }, done);
}

int lowerSizeUntil(PageCanvas& canvas, int size, const Condition& done) {
    return stepUntil(
        size, -1, 1, [&](int s) { canvas.SetFontSize(s); }, done);
}

int raiseSizeUntil(PageCanvas& canvas, int size, int limit, const Condition& done) {
    return stepUntil(
        size, 1, limit, [&](int s) { canvas.SetFontSize(s); }, done);
}

} // namespace FontFitting
