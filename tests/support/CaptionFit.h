#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabBar>
#include <QWidget>

// The captions of a window's visible controls that do not fit them in the fonts the window
// shows them in: buttons, check boxes and radio buttons, labels, group titles, tab captions,
// and the numbers of spin boxes. Empty when everything fits.
inline QStringList captionsThatDoNotFit(const QWidget* window) {
    QStringList misfits;
    const auto check = [&](bool fits, const QString& what) {
        if (!fits)
            misfits << what;
    };
    for (const QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (!b->isVisible() || b->text().isEmpty())
            continue;
        const QFontMetrics fm = b->fontMetrics();
        if (qobject_cast<const QCheckBox*>(b) || qobject_cast<const QRadioButton*>(b)) {
            check(b->sizeHint().width() <= b->width() && fm.height() <= b->height(), b->text());
        } else if (qobject_cast<const QPushButton*>(b)) {
            const int margin = b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b);
            check(fm.horizontalAdvance(b->text()) + 2 * margin <= b->width() &&
                      fm.height() + 4 <= b->height(),
                  b->text());
        }
    }
    for (const QLabel* l : window->findChildren<QLabel*>()) {
        if (l->isVisible() && !l->text().isEmpty())
            check(l->sizeHint().width() <= l->width() && l->fontMetrics().height() <= l->height(),
                  l->text());
    }
    for (const QGroupBox* g : window->findChildren<QGroupBox*>()) {
        if (g->isVisible() && !g->title().isEmpty())
            check(g->fontMetrics().horizontalAdvance(g->title()) + 16 <= g->width(), g->title());
    }
    for (const QTabBar* t : window->findChildren<QTabBar*>()) {
        if (!t->isVisible())
            continue;
        for (int i = 0; i < t->count(); ++i)
            check(t->fontMetrics().horizontalAdvance(t->tabText(i)) + 8 <= t->tabRect(i).width(),
                  t->tabText(i));
    }
    for (const QAbstractSpinBox* s : window->findChildren<QAbstractSpinBox*>()) {
        if (s->isVisible())
            check(s->minimumSizeHint().width() <= s->width() &&
                      s->minimumSizeHint().height() <= s->height(),
                  s->objectName());
    }
    return misfits;
}
