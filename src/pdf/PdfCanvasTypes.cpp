#include "pdf/PdfCanvasTypes.h"

#include "base/Rounding.h"

namespace {
constexpr int kPixelsPerInch = 96;
constexpr int kPointsPerInch = 72;
} // namespace

void PdfFont::setSize(int points) {
    m_size = points;
    m_height = int(-roundDivHalfAway(qint64(points) * kPixelsPerInch, kPointsPerInch));
}

void PdfFont::setHeight(int pixels) {
    m_height = pixels;
    m_size = int(-roundDivHalfAway(qint64(pixels) * kPointsPerInch, kPixelsPerInch));
}
