#include "app/ui/ScreenMetricsReader.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

ScreenMetrics readScreenMetrics() {
    ScreenMetrics m;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QStyle* style = QApplication::style();
    m.captionHeight = style->pixelMetric(QStyle::PM_TitleBarHeight);
    m.frameHeight = qMax(1, style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth));
    if (screen) {
        m.screenWidth = screen->geometry().width();
        m.screenHeight = screen->geometry().height();
        m.fullScreenClientHeight = screen->availableGeometry().height() - m.captionHeight;
        m.pixelsPerInch = qRound(screen->logicalDotsPerInchY());
    }
    return m;
}
