#include "base/Rounding.h"

#include <cmath>

qint64 roundHalfEven(double x) {
    return static_cast<qint64>(std::nearbyint(x)); // the default rounding mode is to even
}
