#pragma once

#include <QList>

// The seven tool bars of the main window, one for each tab, with their buttons in order.
struct ToolButtonSpec {
    const char* name;
    const char* caption;
    const char* hint;
    const char* themeIcon; // freedesktop icon name, or nullptr
    const char* ownIcon;   // our own picture under :/icons/
    bool separatorAfter = false;
};

struct ToolBarSpec {
    const char* name;
    const char* tab; // the tab caption, without its padding
    int buttonWidth;
    QList<ToolButtonSpec> buttons;
};

const QList<ToolBarSpec>& mainToolBars();
