#include "preview/GmCanvas.h"

#include "base/Rounding.h"
#include "preview/GmPage.h"

namespace {

qint32 toCount(double x, TGmUnit unit) {
    return RoundedCount(ToHundredthMm(x, unit));
}

QPoint pointOf(double x, double y, TGmUnit unit) {
    return {toCount(x, unit), toCount(y, unit)};
}

qint32 plus(qint32 a, qint32 b) {
    return SaturatedCount(qint64(a) + b);
}

} // namespace

int TGmFont::Size() const {
    return int(roundHalfEven(m_points));
}

void TGmFont::SetSize(int points) {
    m_points = std::max(points, 0);
}

int TGmFont::Height() const {
    return int(roundHalfEven(m_points * RenderDpi / 72));
}

void TGmFont::SetHeight(int dots) {
    m_points = dots > 0 ? dots * 72.0 / RenderDpi : 0;
}

TGmFontSnapshot TGmFont::Snapshot() const {
    TGmFontSnapshot s;
    s.Angle = 0;
    s.Color = m_color;
    s.Name = m_name;
    s.Size = Size();
    s.Style = m_style;
    return s;
}

void TGmBrush::SetColor(const QColor& color) {
    m_color = color;
    m_style = TGmBrushStyle::Solid;
}

QSizeF TGmCanvas::measure(const QString& text) const {
    return MeasureText(m_font.Name(), m_font.PointSize(), m_font.Style(), text, RenderDpi);
}

TGmValue TGmCanvas::TextWidth(const QString& text) const {
    return TGmValue::FromDots(measure(text).width(), RenderDpi);
}

TGmValue TGmCanvas::TextHeight(const QString& text) const {
    return TGmValue::FromDots(measure(text).height(), RenderDpi);
}

QPoint TGmCanvas::toPage(QPoint p) const {
    return {plus(p.x(), m_origin.x()), plus(p.y(), m_origin.y())};
}

void TGmCanvas::TextOut(double x, double y, const QString& text, TGmUnit unit) {
    const QPoint at = pointOf(x, y, unit);
    const QSizeF extent = measure(text);
    const qint32 width = TGmValue::FromDots(extent.width(), RenderDpi).Count();
    const qint32 height = TGmValue::FromDots(extent.height(), RenderDpi).Count();
    auto object = std::make_shared<TGmTextObject>();
    object->Text = text;
    object->Font = m_font.Snapshot();
    object->Brush = m_brush.Snapshot();
    const QPoint topLeft = toPage(at);
    object->Left = topLeft.x();
    object->Top = topLeft.y();
    object->Right = plus(topLeft.x(), width);
    object->Bottom = plus(topLeft.y(), height);
    m_pos = {plus(at.x(), width), at.y()};
    record(std::move(object));
}

void TGmCanvas::MoveTo(double x, double y, TGmUnit unit) {
    m_pos = pointOf(x, y, unit);
}

void TGmCanvas::LineTo(double x, double y, TGmUnit unit) {
    const QPoint from = m_pos;
    const QPoint to = pointOf(x, y, unit);
    Line(from.x(), from.y(), to.x(), to.y(), TGmUnit::HundredthMm);
    m_pos = to;
}

void TGmCanvas::place(TGmBaseObject& object, double x1, double y1, double x2, double y2,
                      TGmUnit unit) const {
    const QPoint a = toPage(pointOf(x1, y1, unit));
    const QPoint b = toPage(pointOf(x2, y2, unit));
    object.Left = a.x();
    object.Top = a.y();
    object.Right = b.x();
    object.Bottom = b.y();
}

void TGmCanvas::Line(double x1, double y1, double x2, double y2, TGmUnit unit) {
    auto object = std::make_shared<TGmLineObject>();
    place(*object, x1, y1, x2, y2, unit);
    object->Pen = m_pen.Snapshot();
    record(std::move(object));
}

void TGmCanvas::Rectangle(double x1, double y1, double x2, double y2, TGmUnit unit) {
    auto object = std::make_shared<TGmRectangleShape>();
    place(*object, x1, y1, x2, y2, unit);
    object->Pen = m_pen.Snapshot();
    object->Brush = m_brush.Snapshot();
    record(std::move(object));
}

void TGmCanvas::record(std::shared_ptr<TGmBaseObject> object) {
    if (!m_page)
        return;
    m_page->AddObject(std::move(object));
    if (m_onRecord)
        m_onRecord();
}
