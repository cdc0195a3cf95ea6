#include "output/FontFitting.h"

#include "output/PageCanvas.h"

namespace FontFitting {

namespace {

int stepUntil(int value, int step, int limit, const std::function<void(int)>& apply,
              const Condition& done) {
    do {
        if (step < 0 ? value <= limit : value >= limit)
            break;
        value += step;
        apply(value);
    } while (!done());
    return value;
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
