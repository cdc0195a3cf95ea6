#pragma once

#include <QImage>
#include <QWidget>

// Dark pixels in a picture of the widget, every other pixel of every other row: a page display
// has drawn its page once there are many.
inline int darkPixels(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    int dark = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            dark += qGray(image.pixel(x, y)) < 64;
    return dark;
}
