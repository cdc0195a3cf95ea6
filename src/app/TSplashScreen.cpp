#include "TSplashScreen.h"

#include "TIxvProcs.h"
#include "prefs/ColourText.h"

#include <QBitmap>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>

namespace {
constexpr int kWidth = 600;
constexpr int kHeight = 400;
constexpr int kWaitMs = 1200;
constexpr quint32 kGradientActiveCaption = 0xFF000000u + 27;
} // namespace

QImage TSplashScreen::picture() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    QSvgRenderer(QStringLiteral(":/pictures/splash.svg")).render(&painter);
    return image;
}

TSplashScreen::TSplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ColourText::toQColor(kGradientActiveCaption));
    setPalette(pal);
    m_picture = QPixmap::fromImage(picture());
    setMask(m_picture.createMaskFromColor(Qt::magenta, Qt::MaskInColor));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    m_splashTimer = new QTimer(this);
    m_splashTimer->setSingleShot(true);
    connect(m_splashTimer, &QTimer::timeout, this, &TSplashScreen::SplashTimerTimer);
}

void TSplashScreen::showAndWait() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    show();
    repaint();
    QCoreApplication::processEvents();
    m_waiting = true;
    m_splashTimer->start(static_cast<int>(kWaitMs * TIxvProcs::waitScale()));
    while (m_waiting)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void TSplashScreen::SplashTimerTimer() {
    m_splashTimer->stop();
    m_waiting = false;
}

void TSplashScreen::finish() {
    QGuiApplication::restoreOverrideCursor();
    close();
}

void TSplashScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}
