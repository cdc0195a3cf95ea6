#pragma once

#include <QtGlobal>

// Round(num / den) with halves going to the even neighbour, computed exactly on integers.
// den must be non-zero.
constexpr qint64 roundDivHalfEven(qint64 num, qint64 den) {
    if (den < 0) {
        num = -num;
        den = -den;
    }
    qint64 q = num / den;
    qint64 r = num % den;
    if (r < 0) { // make the remainder non-negative so that q is the floor
        r += den;
        q -= 1;
    }
    const qint64 twice = 2 * r;
    if (twice > den || (twice == den && (q % 2 != 0)))
        q += 1;
    return q;
}

// Round(x) with halves going to the even neighbour.
qint64 roundHalfEven(double x);

// Round(num / den) with halves going away from zero, as a multiply-divide of font sizes and
// heights rounds. den must be non-zero.
constexpr qint64 roundDivHalfAway(qint64 num, qint64 den) {
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const qint64 magnitude = ((num < 0 ? -num : num) * 2 + den) / (2 * den);
    return num < 0 ? -magnitude : magnitude;
}
