#include "preview/GmReplay.h"

#include "base/Rounding.h"
#include "preview/GmPage.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygon>

namespace {

constexpr qint64 kPerInch = 2540;

// Page coordinates to device dots.
class Mapper {
public:
    explicit Mapper(const TGmReplayTarget& t) : m_t(t) {}
    int x(qint32 p) const {
        return int(roundDivHalfEven(qint64(p) * m_t.DpiX, kPerInch) - m_t.OffsetDots.x());
    }
    int y(qint32 p) const {
        return int(roundDivHalfEven(qint64(p) * m_t.DpiY, kPerInch) - m_t.OffsetDots.y());
    }
    QPoint point(qint32 px, qint32 py) const { return {x(px), y(py)}; }
    QRect rect(qint32 left, qint32 top, qint32 right, qint32 bottom) const {
        return QRect(point(left, top), point(right, bottom) - QPoint(1, 1));
    }

private:
    const TGmReplayTarget& m_t;
};

Qt::PenStyle qtStyle(TGmPenStyle style) {
    switch (style) {
    case TGmPenStyle::Solid:
        return Qt::SolidLine;
    case TGmPenStyle::Dash:
        return Qt::DashLine;
    case TGmPenStyle::Dot:
        return Qt::DotLine;
    case TGmPenStyle::DashDot:
        return Qt::DashDotLine;
    case TGmPenStyle::DashDotDot:
        return Qt::DashDotDotLine;
    case TGmPenStyle::Clear:
        return Qt::NoPen;
    }
    return Qt::SolidLine;
}

QBrush qtBrush(const TGmBrushSnapshot& brush) {
    return brush.Style == TGmBrushStyle::Solid ? QBrush(brush.Color) : QBrush(Qt::NoBrush);
}

enum class Align { Left = 0, Right = 1, Centre = 2 };

// Text whose character cell has its top at `at`, placed by it as the alignment says. Text is
// laid out at 600 dots per inch, as the canvas measured it, and scaled to the device, so that
// every device draws it exactly as wide as it was measured.
void drawText(QPainter& painter, const QString& text, const TGmFontSnapshot& fontSnapshot,
              const TGmBrushSnapshot& brush, int alignment, QPointF at,
              const TGmReplayTarget& target) {
    if (fontSnapshot.Size <= 0 || text.isEmpty())
        return;
    const int deviceDpi = painter.device()->logicalDpiY();
    const QFont font =
        LayoutFont(fontSnapshot.Name,
                   double(fontSnapshot.Size) * RenderDpi / (deviceDpi > 0 ? deviceDpi : RenderDpi),
                   fontSnapshot.Style);
    const QFontMetricsF metrics(font, painter.device());
    const double width = metrics.horizontalAdvance(text);
    double x = 0;
    if (alignment == int(Align::Right))
        x = -width;
    else if (alignment == int(Align::Centre))
        x = -width / 2;
    painter.save();
    painter.translate(at);
    painter.scale(double(target.DpiX) / RenderDpi, double(target.DpiY) / RenderDpi);
    if (fontSnapshot.Angle != 0)
        painter.rotate(-fontSnapshot.Angle);
    if (brush.Style == TGmBrushStyle::Solid)
        painter.fillRect(QRectF(x, 0, width, metrics.height()), brush.Color);
    painter.setFont(font);
    painter.setPen(fontSnapshot.Color);
    painter.drawText(QPointF(x, metrics.ascent()), text);
    painter.restore();
}

void drawBand(QPainter& painter, const TGmBandDecor& band, qint32 captionTop, qint32 ruleY,
              const TGmPage& page, const TGmPageDecor& decor, const TGmReplayTarget& target,
              const Mapper& map) {
    const qint32 left = decor.MarginLeft;
    const qint32 right = page.Size().Width.Count() - decor.MarginRight;
    const qint32 xs[3] = {left, left + (right - left) / 2, right};
    const int alignments[3] = {int(Align::Left), int(Align::Centre), int(Align::Right)};
    TGmBrushSnapshot clear;
    clear.Style = TGmBrushStyle::Clear;
    for (int i = 0; i < 3; ++i) {
        const QString text =
            ReplaceTokens(band.Captions[i].Caption, page.Number(), decor.NumPages, target.Now);
        drawText(painter, text, band.Captions[i].Font, clear, alignments[i],
                 map.point(xs[i], captionTop), target);
    }
    if (band.ShowLine) {
        painter.setPen(ReplayPen(band.Pen, target.DpiY));
        painter.drawLine(map.point(left, ruleY), map.point(right, ruleY));
    }
}

void drawObject(QPainter& painter, const TGmBaseObject& object, const TGmPage& page,
                const TGmPageDecor& decor, const TGmReplayTarget& target, const Mapper& map) {
    switch (object.Kind()) {
    case TGmObjectKind::Text: {
        const auto& t = static_cast<const TGmTextObject&>(object);
        const QString text = target.ReplaceTokens
                                 ? ReplaceTokens(t.Text, page.Number(), decor.NumPages, target.Now)
                                 : t.Text;
        drawText(painter, text, t.Font, t.Brush, t.Alignment, map.point(t.Left, t.Top), target);
        break;
    }
    case TGmObjectKind::Line: {
        const auto& l = static_cast<const TGmLineObject&>(object);
        painter.setPen(ReplayPen(l.Pen, target.DpiY));
        painter.drawLine(map.point(l.Left, l.Top), map.point(l.Right, l.Bottom));
        break;
    }
    case TGmObjectKind::Rectangle: {
        const auto& r = static_cast<const TGmRectangleShape&>(object);
        const QPolygon corners({map.point(r.Left, r.Top), map.point(r.Right, r.Top),
                                map.point(r.Right, r.Bottom), map.point(r.Left, r.Bottom)});
        painter.setPen(ReplayPen(r.Pen, target.DpiY));
        painter.setBrush(qtBrush(r.Brush));
        painter.drawPolygon(corners);
        break;
    }
    }
}

} // namespace

QString ReplaceTokens(const QString& text, int page, int numPages, const QDateTime& now) {
    if (!text.contains(QLatin1Char('{')))
        return text;
    QString result = text;
    const QLocale locale;
    result.replace(QStringLiteral("{DATE}"),
                   locale.toString(now.date(), QStringLiteral("dd-MMM-yyyy")));
    result.replace(QStringLiteral("{TIME}"), now.time().toString(QStringLiteral("hh:mm")));
    result.replace(QStringLiteral("{PAGE}"), QString::number(page));
    result.replace(QStringLiteral("{NUMPAGES}"), QString::number(numPages));
    return result;
}

QPen ReplayPen(const TGmPenSnapshot& pen, int dpi) {
    const Qt::PenStyle style = qtStyle(pen.Style);
    if (style == Qt::NoPen)
        return QPen(Qt::NoPen);
    QPen result(pen.Color);
    result.setStyle(style);
    result.setCapStyle(Qt::SquareCap);
    result.setJoinStyle(Qt::MiterJoin);
    if (pen.Width < 2) {
        result.setWidth(0); // one dot of whatever device is drawn on, however it is scaled
        return result;
    }
    int width = int(roundDivHalfEven(qint64(pen.Width) * dpi, 72 * 4));
    if (style != Qt::SolidLine)
        width = std::max(width, int(roundHalfEven(dpi / 72.0 + 0.5)));
    result.setWidth(width);
    return result;
}

void ReplayPage(QPainter& painter, const TGmPage& page, const TGmPageDecor& decor,
                const TGmReplayTarget& target) {
    const Mapper map(target);
    painter.save();
    if (decor.ClipMargins)
        painter.setClipRect(map.rect(decor.MarginLeft, decor.MarginTop,
                                     page.Size().Width.Count() - decor.MarginRight,
                                     page.Size().Height.Count() - decor.MarginBottom),
                            Qt::IntersectClip);
    if (decor.Header.Visible) {
        const qint32 top = decor.MarginTop;
        drawBand(painter, decor.Header, top,
                 top + decor.Header.LineHeight + TGmHeaderFooter::RuleGap, page, decor, target,
                 map);
    }
    if (decor.Footer.Visible) {
        const qint32 top =
            page.Size().Height.Count() - decor.MarginBottom - decor.Footer.LineHeight;
        drawBand(painter, decor.Footer, top, top - TGmHeaderFooter::RuleGap, page, decor, target,
                 map);
    }
    for (const auto& object : page.Objects()) {
        if (!object->Visible)
            continue;
        painter.save();
        if (object->ClipRect) {
            const QRect c = *object->ClipRect;
            painter.setClipRect(
                map.rect(c.left(), c.top(), c.left() + c.width(), c.top() + c.height()),
                Qt::IntersectClip);
        }
        drawObject(painter, *object, page, decor, target, map);
        painter.restore();
    }
    painter.restore();
}
