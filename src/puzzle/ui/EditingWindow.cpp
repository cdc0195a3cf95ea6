#include "puzzle/ui/EditingWindow.h"

#include <QEvent>
#include <QWindowStateChangeEvent>

EditingWindow::EditingWindow(QWidget* parent) : QMdiSubWindow(parent) {
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setOption(QMdiSubWindow::RubberBandResize, false);
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

QSize EditingWindow::frameExtra() const {
    return widget() ? size() - widget()->size() : QSize(0, 0);
}

void EditingWindow::setClientSize(int w, int h) {
    const QSize extra = frameExtra();
    resize(w + extra.width(), h + extra.height());
}

QSize EditingWindow::clientSize() const {
    return widget() ? widget()->size() : size();
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
