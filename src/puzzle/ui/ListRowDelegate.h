#pragma once

#include <QStyledItemDelegate>
#include <functional>

// The owner-drawn rows of the editing windows' lists: a label at the row's left and, where the
// row has one, a second column of text, on a fill of the list's own.
class ListRowDelegate : public QStyledItemDelegate {
public:
    struct Row {
        QString label;
        QString text; // the second column
    };
    struct Look {
        // A selected row's fill, under black text; without one, the palette's highlight and
        // the palette's text colours.
        QColor selectedFill;
        QPalette::ColorRole fill = QPalette::Base;
        // The second column starts the width of this sample, plus the gap, from the row's left.
        QString columnSample = QStringLiteral("bb ");
        int columnGap = 5;
        bool boldLabel = false; // and one point larger
        // The label and text of a row; by default the row's text is its label.
        std::function<Row(const QModelIndex&)> split;
        // Every row's size, or else a row's size in the row font, given where the second column
        // starts.
        QSize rowSize;
        std::function<QSize(const QFont& font, int column, const Row&)> size;
    };

    ListRowDelegate(Look look, QObject* parent);

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    Row rowOf(const QModelIndex& index) const;
    int column(const QFont& font) const;

    Look m_look;
};
