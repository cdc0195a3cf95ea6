#include "app/ui/TSplashScreen.h"

#include "app/TIxvProcs.h"
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
} // namespace

QImage TSplashScreen::picture() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    QSvgRenderer(QStringLiteral(":/pictures/splash.svg")).render(&painter);
    return image;
}

// Magenta pixels are see-through, including the magenta blended into the card's rounded edges.
QBitmap TSplashScreen::seeThrough(const QImage& image) {
    QImage mask(image.size(), QImage::Format_Mono);
    mask.setColor(0, qRgb(255, 255, 255)); // color0: hidden
    mask.setColor(1, qRgb(0, 0, 0));       // color1: shown
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const bool magenta = qRed(p) - qGreen(p) > 100 && qBlue(p) - qGreen(p) > 100;
            mask.setPixel(x, y, magenta ? 0 : 1);
        }
    }
    return QBitmap::fromImage(mask);
}

TSplashScreen::TSplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ColourText::toQColor(ColourText::kGradientActiveCaption));
    setPalette(pal);
    const QImage image = picture();
    m_picture = QPixmap::fromImage(image);
    setMask(seeThrough(image));
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
    if (m_finished)
        return;
    m_finished = true;
    QGuiApplication::restoreOverrideCursor();
    close();
}

void TSplashScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}
