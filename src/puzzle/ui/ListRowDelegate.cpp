#include "puzzle/ui/ListRowDelegate.h"

#include <QPainter>

ListRowDelegate::ListRowDelegate(Look look, QObject* parent)
    : QStyledItemDelegate(parent), m_look(std::move(look)) {}

int ListRowDelegate::column(const QFont& font) const {
    return QFontMetrics(font).horizontalAdvance(m_look.columnSample) + m_look.columnGap;
}

ListRowDelegate::Row ListRowDelegate::rowOf(const QModelIndex& index) const {
    return m_look.split ? m_look.split(index) : Row{index.data().toString(), {}};
}

void ListRowDelegate::paint(QPainter* p, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    const bool ownFill = m_look.selectedFill.isValid();
    const QPalette& pal = option.palette;
    if (selected)
        p->fillRect(option.rect, ownFill ? m_look.selectedFill : pal.color(QPalette::Highlight));
    else
        p->fillRect(option.rect, pal.color(m_look.fill));
    p->setPen(ownFill ? QColor(Qt::black)
                      : pal.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const Row row = rowOf(index);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    QFont labelFont = option.font;
    if (m_look.boldLabel) {
        labelFont.setBold(true);
        labelFont.setPointSize(option.font.pointSize() + 1);
    }
    p->setFont(labelFont);
    p->drawText(option.rect.adjusted(2, 0, 0, 0), flags, row.label);
    if (row.text.isEmpty())
        return;
    p->setFont(option.font);
    p->drawText(option.rect.adjusted(column(option.font), 0, 0, 0), flags, row.text);
}

QSize ListRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    if (m_look.rowSize.isValid())
        return m_look.rowSize;
    return m_look.size ? m_look.size(option.font, column(option.font), rowOf(index))
                       : QStyledItemDelegate::sizeHint(option, index);
}
