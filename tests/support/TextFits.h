#pragma once

// The texts of a window that do not fit their controls in the fonts the program draws them in:
// a text wider than the room its control gives it is cut or elided on screen, and a control
// cut off by the edge of its window hides part of its text. Labels (word-wrapped ones by their
// lines' height too), buttons, check boxes, radio buttons, tool buttons with a caption, tabs,
// header sections, the cells in view of tables and trees, and the letter boxes.
#include "puzzle/ui/TIxv7ToolForm.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>

// The misfits of the windows walked, each as "what: text needs N pixels, has M".
class TextFitWalk {
public:
    QStringList misfits;

    void window(QWidget* root) {
        m_root = root;
        check(root);
        for (QWidget* w : root->findChildren<QWidget*>())
            if (w->isVisibleTo(root) && !w->isWindow() && !inInnerWindow(w))
                check(w);
    }

private:
    QWidget* m_root = nullptr;

    // The editing windows inside the main window have rows of their own.
    bool inInnerWindow(const QWidget* w) const {
        for (const QWidget* p = w; p && p != m_root; p = p->parentWidget())
            if (qobject_cast<const QMdiSubWindow*>(p))
                return true;
        return false;
    }
    static QString name(const QWidget* w) {
        const QString object = w->objectName().isEmpty() ? QStringLiteral("-") : w->objectName();
        return QStringLiteral("%1 %2").arg(QLatin1String(w->metaObject()->className()), object);
    }
    void misfit(const QWidget* w, const QString& text, int needs, int has) {
        misfits << QStringLiteral("%1: \"%2\" needs %3 pixels, has %4")
                       .arg(name(w), text)
                       .arg(needs)
                       .arg(has);
    }
    void fit(const QWidget* w, const QString& text, int needs, QRect room) {
        if (needs > room.width())
            misfit(w, text, needs, room.width());
        // Cut off by the edge of a control or window around it.
        QRect seen = room;
        for (const QWidget* p = w; p != m_root && p->parentWidget(); p = p->parentWidget()) {
            seen.translate(p->pos());
            seen &= p->parentWidget()->rect();
        }
        const int shown = seen.width();
        if (needs <= room.width() && shown < qMin(needs, room.width()))
            misfits << QStringLiteral("%1: \"%2\" is cut off by its window, %3 of %4 pixels show")
                           .arg(name(w), text)
                           .arg(shown)
                           .arg(needs);
    }
    static int textWidth(const QFont& font, const QString& text) {
        return QFontMetrics(font).size(Qt::TextShowMnemonic, text).width();
    }

    void check(QWidget* w) {
        if (auto* label = qobject_cast<QLabel*>(w))
            checkLabel(label);
        else if (auto* radio = qobject_cast<QRadioButton*>(w))
            checkButton(radio, QStyle::SE_RadioButtonContents);
        else if (auto* box = qobject_cast<QCheckBox*>(w))
            checkButton(box, QStyle::SE_CheckBoxContents);
        else if (auto* push = qobject_cast<QPushButton*>(w))
            checkButton(push, QStyle::SE_PushButtonContents);
        else if (auto* tool = qobject_cast<QToolButton*>(w))
            checkToolButton(tool);
        else if (auto* tabs = qobject_cast<QTabBar*>(w))
            checkTabs(tabs);
        else if (auto* header = qobject_cast<QHeaderView*>(w))
            checkHeader(header);
        else if (qobject_cast<QTableView*>(w) || qobject_cast<QTreeView*>(w))
            checkCells(static_cast<QAbstractItemView*>(w));
        else if (auto* letters = qobject_cast<LetterBox*>(w))
            checkLetterBox(letters);
    }

    void checkLabel(QLabel* label) {
        const QString text = label->text();
        if (text.isEmpty())
            return;
        QRect room = label->contentsRect().marginsRemoved(
            QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
        int indent = label->indent();
        if (indent < 0)
            indent = label->frameWidth() > 0
                         ? QFontMetrics(label->font()).horizontalAdvance(u'x') / 2
                         : 0;
        if (label->alignment() & Qt::AlignLeft)
            room.setLeft(room.left() + indent);
        if (label->alignment() & Qt::AlignRight)
            room.setRight(room.right() - indent);
        const QFontMetrics fm(label->font());
        if (!label->wordWrap()) {
            fit(label, text, textWidth(label->font(), text), room);
            return;
        }
        const QRect needs = fm.boundingRect(room, int(label->alignment()) | Qt::TextWordWrap, text);
        fit(label, text, needs.width(), room);
        if (needs.height() > room.height())
            misfits << QStringLiteral("%1: \"%2\" needs %3 lines of height, has %4 pixels")
                           .arg(name(label), text)
                           .arg(needs.height())
                           .arg(room.height());
    }

    void checkButton(QAbstractButton* b, QStyle::SubElement contents) {
        if (b->text().isEmpty())
            return;
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        opt.icon = b->icon();
        opt.iconSize = b->iconSize();
        QRect room = b->style()->subElementRect(contents, &opt, b);
        int needs = textWidth(b->font(), b->text());
        if (!b->icon().isNull() && contents == QStyle::SE_PushButtonContents)
            needs += b->iconSize().width() + 4;
        fit(b, b->text(), needs, room);
    }

    void checkToolButton(QToolButton* b) {
        if (b->text().isEmpty() || b->toolButtonStyle() == Qt::ToolButtonIconOnly ||
            (b->toolButtonStyle() == Qt::ToolButtonFollowStyle && !b->icon().isNull()))
            return;
        fit(b, b->text(), textWidth(b->font(), b->text()), b->contentsRect());
    }

    void checkTabs(QTabBar* tabs) {
        for (int i = 0; i < tabs->count(); ++i)
            fit(tabs, tabs->tabText(i), textWidth(tabs->font(), tabs->tabText(i)),
                tabs->tabRect(i));
    }

    void checkHeader(QHeaderView* header) {
        const QAbstractItemModel* model = header->model();
        if (!model)
            return;
        const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int section = 0; section < header->count(); ++section) {
            if (header->isSectionHidden(section))
                continue;
            const QString text = model->headerData(section, header->orientation()).toString();
            int needs = textWidth(header->font(), text) + 2 * margin;
            if (header->isSortIndicatorShown() && header->sortIndicatorSection() == section)
                needs += header->style()->pixelMetric(QStyle::PM_HeaderMarkSize) + margin;
            const int left = header->sectionViewportPosition(section);
            fit(header, text, needs,
                QRect(left, 0, header->sectionSize(section), header->height()) & header->rect());
        }
    }

    // The cells in view; a text of more than one character is elided when it does not fit
    // between the cell's margins, unless the view never elides; a single character is drawn
    // whole. Either must not cross the cell.
    void checkCells(QAbstractItemView* view) {
        const QAbstractItemModel* model = view->model();
        if (!model)
            return;
        const QRect viewport = view->viewport()->rect();
        const int margin =
            view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
        const QModelIndex root = view->rootIndex();
        for (int row = 0; row < model->rowCount(root); ++row) {
            for (int column = 0; column < model->columnCount(root); ++column) {
                const QModelIndex index = model->index(row, column, root);
                const QRect cell = view->visualRect(index);
                if (cell.isEmpty() || cell.top() < viewport.top() ||
                    cell.bottom() > viewport.bottom() || !cell.intersects(viewport))
                    continue;
                const QString text = index.data().toString();
                if (text.isEmpty())
                    continue;
                const QVariant ownFont = index.data(Qt::FontRole);
                const QFont font = ownFont.isValid() ? ownFont.value<QFont>() : view->font();
                QRect room = cell & viewport;
                if (!index.data(Qt::DecorationRole).isNull())
                    room.setLeft(room.left() + view->iconSize().width() + 2 * margin);
                const bool elided = text.size() > 1 && view->textElideMode() != Qt::ElideNone;
                const int needs = textWidth(font, text) + (elided ? 2 * margin : 0);
                if (needs > room.width())
                    misfit(view, text, needs, room.width());
            }
        }
    }

    // Each box's text between its outline's sides.
    void checkLetterBox(LetterBox* letters) {
        const QList<LetterBox::Box> boxes = letters->boxes();
        const QFont font = letters->textFont(boxes);
        for (const LetterBox::Box& box : boxes)
            fit(letters, box.text, textWidth(font, box.text), box.outline.adjusted(1, 0, -1, 0));
    }
};
