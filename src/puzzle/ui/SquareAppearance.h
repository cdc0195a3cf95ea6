#pragma once

#include <QColor>
#include <QCursor>
#include <QFont>

class SettingsAccess;

// How the grid and author-title windows draw their squares: the colours, the letter font and
// the mouse cursor the View settings give.
struct SquareAppearance {
    QColor filled, blank, hilite, initial, letter;
    QFont font;
    QCursor cursor;

    // Reads the settings; the letters take their stored size, scaled to squares of side square.
    void load(const SettingsAccess& settings, int square);
    // Letters of points at the default square size, scaled to squares of side square.
    void scaleFont(const SettingsAccess& settings, int points, int square);
};
