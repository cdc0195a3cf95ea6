#include "puzzle/ui/PencilCursor.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

QCursor pencilCursor() {
    static const QCursor cursor = [] {
        QPixmap pixmap(32, 32);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        // A pencil lying from the upper right down to its tip at the lower left.
        QPainterPath body;
        body.moveTo(1, 31);
        body.lineTo(4, 22);
        body.lineTo(23, 3);
        body.lineTo(29, 9);
        body.lineTo(10, 28);
        body.closeSubpath();
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(QColor(0xF2, 0xC1, 0x4E));
        p.drawPath(body);
        p.setBrush(QColor(0xE9, 0x8B, 0x8B)); // the eraser
        QPainterPath eraser;
        eraser.moveTo(23, 3);
        eraser.lineTo(26, 0);
        eraser.lineTo(32, 6);
        eraser.lineTo(29, 9);
        eraser.closeSubpath();
        p.drawPath(eraser);
        p.setBrush(QColor(0xF5, 0xDE, 0xB3)); // the sharpened wood and lead
        QPainterPath tip;
        tip.moveTo(1, 31);
        tip.lineTo(4, 22);
        tip.lineTo(10, 28);
        tip.closeSubpath();
        p.drawPath(tip);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(2, 30), 1.2, 1.2);
        p.end();
        return QCursor(pixmap, 1, 30);
    }();
    return cursor;
}
