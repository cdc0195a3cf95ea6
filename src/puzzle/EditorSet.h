#pragma once

#include <QPointer>

class AppContext;
class TIxv7GridForm;
class TIxv7TitleForm;
class TIxv7ToolForm;
class TIxv7MainForm;

// The editing windows of one run, so that each can ask the others to repaint or react.
struct EditorSet {
    AppContext* ctx = nullptr;
    TIxv7MainForm* main = nullptr;
    QPointer<TIxv7GridForm> grid;
    QPointer<TIxv7TitleForm> title;
    QPointer<TIxv7ToolForm> tool;

    void repaintGrid();
    void repaintTitle();
    // Repaints the construction tool window's letter box; only while that window is shown
    // normally unless always is set.
    void repaintLetterBox(bool always = false);
    // While the clue editing window is shown normally the grid and the letter row ignore
    // presses.
    bool clueWindowShown() const;
};
