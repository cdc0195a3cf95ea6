#include "puzzle/ui/EditingWindow.h"

#include <QApplication>
#include <QEvent>
#include <QProxyStyle>
#include <QStyleOptionTitleBar>
#include <QWindowStateChangeEvent>

namespace {
// Draws the window's caption as active whether or not the window has the focus, so that the
// constructor sees every editing window as part of one workplace.
class ActiveCaptionStyle : public QProxyStyle {
public:
    ActiveCaptionStyle() : QProxyStyle(QApplication::style()->name()) {}

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        if (control == CC_TitleBar) {
            if (const auto* bar = qstyleoption_cast<const QStyleOptionTitleBar*>(option)) {
                QStyleOptionTitleBar active(*bar);
                active.state |= State_Active;
                active.titleBarState |= State_Active;
                active.palette.setCurrentColorGroup(QPalette::Active);
                QProxyStyle::drawComplexControl(control, &active, painter, widget);
                return;
            }
        }
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }
};
} // namespace

EditingWindow::EditingWindow(QWidget* parent) : QMdiSubWindow(parent) {
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setOption(QMdiSubWindow::RubberBandResize, false);
    auto* style = new ActiveCaptionStyle;
    style->setParent(this);
    setStyle(style);
}

bool EditingWindow::isShownNormally() const {
    return isVisible() && !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
}

void EditingWindow::minimizeToHidden() {
    setWindowState(windowState() | Qt::WindowMinimized);
}

void EditingWindow::restoreNormal() {
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    show();
}

// The caption and frame, as the window lays them out, whether or not it has been shown yet.
QSize EditingWindow::frameExtra() const {
    const QMargins frame = contentsMargins();
    return {frame.left() + frame.right(), frame.top() + frame.bottom()};
}

void EditingWindow::setClientSize(int w, int h) {
    const QSize extra = frameExtra();
    resize(w + extra.width(), h + extra.height());
}

void EditingWindow::changeEvent(QEvent* event) {
    QMdiSubWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized)) {
        // Qt undoes a hide inside its own state change; hide once it is done, unless the window
        // was shown normally again meanwhile.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!(windowState() & Qt::WindowMinimized))
                    return;
                setWindowState(windowState() & ~Qt::WindowMinimized);
                hide();
            },
            Qt::QueuedConnection);
    }
}
