#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

// Lengths, units and paper of the print preview engine. Every length on a page is a whole
// number of hundredths of a millimetre, measured from the paper's top-left corner.

// Pages are rendered and text is measured at this resolution.
constexpr int RenderDpi = 600;

// The unit a drawing call gives its coordinates in; the codes are fixed.
enum class TGmUnit {
    HundredthMm = 0,
    Pixel = 1, // a screen pixel, 96 per inch
    Millimetre = 2,
    Centimetre = 3,
    Inch = 4,
    Twip = 5, // 1440 per inch
};

double ToHundredthMm(double x, TGmUnit from);

// One length: a 32-bit count of hundredths of a millimetre. Rounding is to the nearest whole
// count with halves to even; counts beyond 32 bits are held at the nearest end of the range.
// A value held by an owner calls the owner's handler whenever its count changes; copying a
// value copies the count, never the handler.
class TGmValue {
public:
    TGmValue() = default;
    explicit TGmValue(qint32 hundredthMm) : m_count(hundredthMm) {}
    TGmValue(const TGmValue& other) : m_count(other.m_count) {}
    TGmValue& operator=(const TGmValue& other) {
        SetCount(other.m_count);
        return *this;
    }

    static TGmValue FromInches(double inches);
    static TGmValue FromUnits(double x, TGmUnit unit);
    static TGmValue FromDots(double dots, int dpi);

    qint32 Count() const { return m_count; }
    double AsInches() const;
    qint32 AsTwips() const;
    qint32 AsDots(int dpi) const;

    void SetCount(qint64 hundredthMm);
    void SetInches(double inches);
    void SetUnits(double x, TGmUnit unit);
    void SetDots(double dots, int dpi);

    void SetOnChange(std::function<void()> handler) { m_onChange = std::move(handler); }

    bool operator==(const TGmValue& other) const { return m_count == other.m_count; }

private:
    qint32 m_count = 0;
    std::function<void()> m_onChange;
};

// Held at the nearest end of the 32-bit range.
qint32 SaturatedCount(qint64 count);
qint32 RoundedCount(double hundredthMm);

// A size: height first, then width.
struct TGmValueSize {
    TGmValue Height;
    TGmValue Width;
    bool operator==(const TGmValueSize& o) const { return Height == o.Height && Width == o.Width; }
};

struct TGmValueRect {
    TGmValue Left;
    TGmValue Top;
    TGmValue Right;
    TGmValue Bottom;
};

enum TGmOrientation { gmPortrait, gmLandscape };

// The document's paper, in this order. Custom keeps the current size.
enum class TGmPaperSize { A3, A4, A5, A6, B5, C5, Legal, Letter, Custom };

// Height and width of a portrait sheet in hundredths of a millimetre. C5 is listed wider than
// it is high and is used as listed. Custom has no size of its own (0 x 0).
struct TGmPaperDimensions {
    qint32 height;
    qint32 width;
};
TGmPaperDimensions PaperDimensions(TGmPaperSize size);
// The size for an orientation: landscape exchanges height and width.
TGmValueSize PaperValueSize(TGmPaperSize size, TGmOrientation orientation);

// Where a drawing call's (0, 0) lies on the paper.
enum class TGmCoordsRelativeTo { fromPage, fromPrinterMargins, fromUserMargins, fromHeaderLine };
