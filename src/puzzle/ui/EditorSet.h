#pragma once

#include <QPointer>

class AppContext;
class EditingWindow;
class TIxv7AutoForm;
class TIxv7GridForm;
class TIxv7SpecsForm;
class TIxv7SuggestForm;
class TIxv7TitleForm;
class TIxv7ToolForm;

// The editing windows of one run, so that each can ask the others to repaint or react.
struct EditorSet {
    AppContext* ctx = nullptr;
    bool slideOn = true; // the windows slide into place (the setting SlideOn)
    QPointer<TIxv7GridForm> grid;
    QPointer<TIxv7TitleForm> title;
    QPointer<TIxv7ToolForm> tool;
    QPointer<TIxv7AutoForm> clues;
    QPointer<TIxv7SpecsForm> specs; // only while the specifications window exists
    // The word suggestions, once they have been opened.
    QPointer<TIxv7SuggestForm> suggest;

    // Every change of the words, the letters or the selected word repaints one of these
    // windows; each repaint also lets the word suggestions follow the change.
    void repaintGrid();
    void repaintTitle();
    // Repaints the construction tool window's letter box; only while that window is shown
    // normally unless always is set.
    void repaintLetterBox(bool always = false);
    void followChanges();
    // While the clue editing window is shown normally the grid and the letter row ignore
    // presses.
    bool clueWindowShown() const;
    // Selects the row of the specifications window, when it exists.
    void selectSpecsRow(int row);
};

// Places the construction tool or clue window at the bottom of the editing area, below the
// author-title window, sliding it up from out of sight when sliding is on. The window keeps
// the height its controls need; where that is more than the room below the author-title
// window, it overlaps that window rather than run under the status bar.
void placeAtBottom(AppContext& ctx, EditorSet& editors, EditingWindow* window);

// The largest grid square with which a grid of rows rows whose window starts at top, and whose
// window is extra pixels higher than its squares, leaves room below it for the author-title
// window and for the bottom windows at the height their controls need; never below 10.
int fittingGridSquare(const EditorSet& editors, int top, int rows, int extra);
