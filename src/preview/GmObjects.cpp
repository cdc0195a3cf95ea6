#include "preview/GmObjects.h"

#include <QFontMetricsF>
#include <QImage>

QFont LayoutFont(const QString& name, double pointSize, TGmFontStyles style) {
    QFont font(name);
    font.setPointSizeF(pointSize > 0 ? pointSize : 1);
    font.setBold(style.testFlag(TGmFontStyle::Bold));
    font.setItalic(style.testFlag(TGmFontStyle::Italic));
    font.setUnderline(style.testFlag(TGmFontStyle::Underline));
    font.setStrikeOut(style.testFlag(TGmFontStyle::StrikeOut));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

namespace {

// A surface that reports dpi dots per inch, to measure on.
const QImage& measuringSurface(int dpi) {
    static thread_local int surfaceDpi = 0;
    static thread_local QImage surface;
    if (surfaceDpi != dpi) {
        surface = QImage(1, 1, QImage::Format_ARGB32_Premultiplied);
        const int dotsPerMetre = qRound(dpi / 0.0254);
        surface.setDotsPerMeterX(dotsPerMetre);
        surface.setDotsPerMeterY(dotsPerMetre);
        surfaceDpi = dpi;
    }
    return surface;
}

} // namespace

QSizeF MeasureText(const QString& name, double pointSize, TGmFontStyles style, const QString& text,
                   int dpi) {
    if (pointSize <= 0 || dpi <= 0)
        return {0, 0};
    const QImage& surface = measuringSurface(dpi);
    // The surface's own resolution is a whole number near dpi; the size is set so that the
    // font is exactly pointSize points at dpi.
    const double size = pointSize * dpi / surface.logicalDpiY();
    const QFontMetricsF metrics(LayoutFont(name, size, style), &surface);
    return {metrics.horizontalAdvance(text), metrics.height()};
}
