#include "preview/ui/TGmPaperImage.h"

#include "base/Rounding.h"
#include "preview/ui/TGmPreview.h"

#include <QPainter>

namespace {

// A rectangle's outline on exactly the pixels of r.
void outline(QPainter& painter, const QRect& r) {
    if (r.width() > 0 && r.height() > 0)
        painter.drawRect(QRect(r.topLeft(), r.size() - QSize(1, 1)));
}

QPen marginPen(const TGmPenSnapshot& pen) {
    QPen result = ReplayPen(pen, 96);
    result.setWidth(0); // one screen pixel
    return result;
}

// A margin in screen pixels at 96 per inch, then at the zoom: round(z x round(m)).
int inset(qint32 margin, int zoom) {
    const qint64 pixels = roundDivHalfEven(qint64(margin) * 96, 2540);
    return int(roundDivHalfEven(pixels * zoom, 100));
}

} // namespace

TGmPaperImage::TGmPaperImage(TGmPreview& preview, QWidget* parent)
    : QWidget(parent), m_preview(preview) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

QRect TGmPaperImage::PaperRect() const {
    const int g = m_preview.Gutter();
    return QRect(g, g, width() - 2 * g, height() - 2 * g);
}

QRect TGmPaperImage::MarginRect(qint32 left, qint32 top, qint32 right, qint32 bottom) const {
    const int zoom = m_preview.Document().Zoom();
    const QRect paper = PaperRect();
    // The left and top sides lie one pixel further out than the inset.
    const int l = paper.left() + inset(left, zoom) - 1;
    const int t = paper.top() + inset(top, zoom) - 1;
    const int r = paper.left() + paper.width() - inset(right, zoom);
    const int b = paper.top() + paper.height() - inset(bottom, zoom);
    return QRect(QPoint(l, t), QPoint(r - 1, b - 1));
}

void TGmPaperImage::paintEvent(QPaintEvent*) {
    const TGmDocument& doc = m_preview.Document();
    const QRect paper = PaperRect();
    if (paper.isEmpty())
        return;
    QPainter painter(this);
    painter.fillRect(paper, Qt::white);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    outline(painter, paper);

    if (!doc.InBatch())
        painter.drawImage(paper.topLeft(), m_preview.PagePicture());

    const TGmShadow& shadow = doc.Shadow();
    if (shadow.Visible() && shadow.Width() > 0) {
        const int w = shadow.Width();
        const int right = paper.left() + paper.width();
        const int bottom = paper.top() + paper.height();
        painter.fillRect(QRect(right, paper.top() + w, w, paper.height()), shadow.Color());
        painter.fillRect(QRect(paper.left() + w, bottom, paper.width(), w), shadow.Color());
    }

    const TGmMargins& margins = doc.Margins();
    if (margins.Visible()) {
        painter.setPen(marginPen(margins.Pen()));
        outline(painter, MarginRect(margins.Left().Count(), margins.Top().Count(),
                                    margins.Right().Count(), margins.Bottom().Count()));
    }
    if (margins.ShowPrinterMargins()) {
        const TGmValueRect printer = margins.PrinterMargins();
        painter.setPen(marginPen(margins.PrinterMarginPen()));
        outline(painter, MarginRect(printer.Left.Count(), printer.Top.Count(),
                                    printer.Right.Count(), printer.Bottom.Count()));
    }
}
