#pragma once

// The screen facts the program reads once at start-up. Tests set their own.
struct ScreenMetrics {
    int fullScreenClientHeight = 1024; // height left for a maximized window's client area
    int frameHeight = 4;               // height of a sizable window frame
    int captionHeight = 23;            // height of a window caption
    int screenWidth = 1280;
    int screenHeight = 1024;
    int pixelsPerInch = 96;
};
