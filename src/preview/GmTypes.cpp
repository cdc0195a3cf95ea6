#include "preview/GmTypes.h"

#include "base/Rounding.h"

#include <algorithm>
#include <limits>

namespace {

constexpr qint64 kPerInch = 2540; // hundredths of a millimetre

// Hundredths of a millimetre per unit, as a fraction.
struct Factor {
    double num;
    double den;
};

Factor factorOf(TGmUnit unit) {
    switch (unit) {
    case TGmUnit::HundredthMm:
        return {1, 1};
    case TGmUnit::Pixel:
        return {kPerInch, 96};
    case TGmUnit::Millimetre:
        return {100, 1};
    case TGmUnit::Centimetre:
        return {1000, 1};
    case TGmUnit::Inch:
        return {kPerInch, 1};
    case TGmUnit::Twip:
        return {kPerInch, 1440};
    }
    return {1, 1};
}

} // namespace

double ToHundredthMm(double x, TGmUnit from) {
    const Factor f = factorOf(from);
    return x * f.num / f.den;
}

qint32 SaturatedCount(qint64 count) {
    constexpr qint64 lo = std::numeric_limits<qint32>::min();
    constexpr qint64 hi = std::numeric_limits<qint32>::max();
    return static_cast<qint32>(std::clamp(count, lo, hi));
}

qint32 RoundedCount(double hundredthMm) {
    constexpr double lo = std::numeric_limits<qint32>::min();
    constexpr double hi = std::numeric_limits<qint32>::max();
    if (!(hundredthMm == hundredthMm)) // not a number
        return 0;
    return SaturatedCount(roundHalfEven(std::clamp(hundredthMm, lo, hi)));
}

TGmValue TGmValue::FromInches(double inches) {
    TGmValue v;
    v.SetInches(inches);
    return v;
}

TGmValue TGmValue::FromUnits(double x, TGmUnit unit) {
    TGmValue v;
    v.SetUnits(x, unit);
    return v;
}

TGmValue TGmValue::FromDots(double dots, int dpi) {
    TGmValue v;
    v.SetDots(dots, dpi);
    return v;
}

double TGmValue::AsInches() const {
    return double(m_count) / kPerInch;
}

qint32 TGmValue::AsTwips() const {
    return SaturatedCount(roundDivHalfEven(qint64(m_count) * 1440, kPerInch));
}

qint32 TGmValue::AsDots(int dpi) const {
    return SaturatedCount(roundDivHalfEven(qint64(m_count) * dpi, kPerInch));
}

void TGmValue::SetCount(qint64 hundredthMm) {
    const qint32 count = SaturatedCount(hundredthMm);
    if (count == m_count)
        return;
    m_count = count;
    if (m_onChange)
        m_onChange();
}

void TGmValue::SetInches(double inches) {
    SetCount(RoundedCount(inches * kPerInch));
}

void TGmValue::SetUnits(double x, TGmUnit unit) {
    SetCount(RoundedCount(ToHundredthMm(x, unit)));
}

void TGmValue::SetDots(double dots, int dpi) {
    if (dpi <= 0)
        return;
    SetCount(RoundedCount(dots * kPerInch / dpi));
}

TGmPaperDimensions PaperDimensions(TGmPaperSize size) {
    switch (size) {
    case TGmPaperSize::A3:
        return {42000, 29700};
    case TGmPaperSize::A4:
        return {29700, 21000};
    case TGmPaperSize::A5:
        return {21000, 14850};
    case TGmPaperSize::A6:
        return {14850, 10500};
    case TGmPaperSize::B5:
        return {25000, 17600};
    case TGmPaperSize::C5:
        return {16300, 22900};
    case TGmPaperSize::Legal:
        return {35560, 21590};
    case TGmPaperSize::Letter:
        return {27940, 21590};
    case TGmPaperSize::Custom:
        break;
    }
    return {0, 0};
}

TGmValueSize PaperValueSize(TGmPaperSize size, TGmOrientation orientation) {
    const TGmPaperDimensions d = PaperDimensions(size);
    TGmValueSize s;
    s.Height.SetCount(orientation == gmPortrait ? d.height : d.width);
    s.Width.SetCount(orientation == gmPortrait ? d.width : d.height);
    return s;
}
