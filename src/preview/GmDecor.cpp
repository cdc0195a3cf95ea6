#include "preview/GmDecor.h"

#include <algorithm>

namespace {

constexpr qint32 kDefaultMargin = 2000; // 20 mm

TGmPenSnapshot dottedPen(QColor colour) {
    TGmPenSnapshot pen;
    pen.Color = colour;
    pen.Style = TGmPenStyle::Dot;
    return pen;
}

} // namespace

TGmMargins::TGmMargins()
    : m_left(kDefaultMargin), m_top(kDefaultMargin), m_right(kDefaultMargin),
      m_bottom(kDefaultMargin), m_pen(dottedPen(QColor(0xC0, 0xC0, 0xC0))),
      m_printerMarginPen(m_pen) {
    for (TGmValue* v : {&m_left, &m_top, &m_right, &m_bottom})
        v->SetOnChange([this] { changed(); });
}

void TGmMargins::SetPen(const TGmPenSnapshot& pen) {
    if (pen == m_pen)
        return;
    m_pen = pen;
    changed();
}

void TGmMargins::SetPrinterMarginPen(const TGmPenSnapshot& pen) {
    if (pen == m_printerMarginPen)
        return;
    m_printerMarginPen = pen;
    changed();
}

void TGmMargins::SetClipMargins(bool clip) {
    if (clip == m_clip)
        return;
    m_clip = clip;
    changed();
}

void TGmMargins::SetShowPrinterMargins(bool show) {
    if (show == m_showPrinter)
        return;
    m_showPrinter = show;
    changed();
}

void TGmMargins::SetVisible(bool visible) {
    if (visible == m_visible)
        return;
    m_visible = visible;
    changed();
}

TGmValueRect TGmMargins::PrinterMargins() const {
    return m_printerMargins ? m_printerMargins() : TGmValueRect{};
}

void TGmMargins::UsePrinterMargins() {
    const TGmValueRect printer = PrinterMargins();
    m_left = printer.Left;
    m_top = printer.Top;
    m_right = printer.Right;
    m_bottom = printer.Bottom;
}

void TGmMargins::changed() {
    if (m_onChange)
        m_onChange();
}

void TGmShadow::SetWidth(int width) {
    if (width == m_width)
        return;
    m_width = width;
    changed();
}

void TGmShadow::SetColor(const QColor& color) {
    if (color == m_color)
        return;
    m_color = color;
    changed();
}

void TGmShadow::SetVisible(bool visible) {
    if (visible == m_visible)
        return;
    m_visible = visible;
    changed();
}

void TGmShadow::changed() {
    if (m_onChange)
        m_onChange();
}

void TGmHeaderFooter::SetCaption(Place place, const TGmHeaderFooterCaption& caption) {
    if (caption == m_captions[place])
        return;
    m_captions[place] = caption;
    changed();
}

void TGmHeaderFooter::SetPen(const TGmPenSnapshot& pen) {
    if (pen == m_pen)
        return;
    m_pen = pen;
    changed();
}

void TGmHeaderFooter::SetShowLine(bool show) {
    if (show == m_showLine)
        return;
    m_showLine = show;
    changed();
}

void TGmHeaderFooter::SetVisible(bool visible) {
    if (visible == m_visible)
        return;
    m_visible = visible;
    changed();
}

TGmValue TGmHeaderFooter::LineHeight() const {
    double dots = 0;
    for (const auto& c : m_captions)
        if (!c.Caption.isEmpty())
            dots = std::max(
                dots,
                MeasureText(c.Font.Name, c.Font.Size, c.Font.Style, c.Caption, RenderDpi).height());
    return TGmValue::FromDots(dots, RenderDpi);
}

TGmValue TGmHeaderFooter::Height() const {
    TGmValue h = LineHeight();
    if (m_showLine)
        h.SetCount(qint64(h.Count()) + RuleGap);
    return h;
}

void TGmHeaderFooter::changed() {
    if (m_onChange)
        m_onChange();
}
