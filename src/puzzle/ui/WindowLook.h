#pragma once

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>
#include <QWidget>

// The fixed fonts and text colours of the windows' controls.

inline QFont pixelFont(const QString& family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

// The font at the largest pixel size, up to its own, whose lines are at most height pixels high
// and in which each of the texts is at most width pixels wide.
inline QFont fittedFont(QFont font, const QStringList& texts, int width, int height) {
    int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    const auto fits = [&] {
        const QFontMetrics fm(font);
        if (fm.height() > height)
            return false;
        for (const QString& text : texts)
            if (fm.horizontalAdvance(text) > width)
                return false;
        return true;
    };
    font.setPixelSize(pixels);
    while (pixels > 1 && !fits())
        font.setPixelSize(--pixels);
    return font;
}

inline void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colour);
    widget->setPalette(pal);
}
