#pragma once

#include <QBitmap>
#include <QWidget>

class QTimer;

// The start-up picture: a borderless 600 x 400 window centred on the screen, whose magenta
// pixels are see-through. While it is shown the mouse cursor is the hourglass.
class TSplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit TSplashScreen(QWidget* parent = nullptr);

    // Shows and paints the picture at once, then keeps handling events for 1200 ms.
    void showAndWait();
    // The main window took over: restore the cursor and go.
    void finish();

    static QImage picture();
    // The window's shape: every pixel but the magenta ones.
    static QBitmap seeThrough(const QImage& image);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void SplashTimerTimer();

    QPixmap m_picture;
    QTimer* m_splashTimer = nullptr;
    bool m_waiting = false;
    bool m_finished = false;
};
