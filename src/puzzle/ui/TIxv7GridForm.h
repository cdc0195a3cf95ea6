#pragma once

#include "puzzle/ui/EditingWindow.h"
#include "puzzle/ui/SquareAppearance.h"

#include <optional>

class AppContext;
struct EditorSet;
class GridView;

// The quotation grid: the quotation letter by letter with black squares between words. In word
// building a press picks a free letter square into the selected word; in quote editing it
// selects a square whose letter can be retyped.
class TIxv7GridForm : public EditingWindow {
    Q_OBJECT
public:
    TIxv7GridForm(AppContext& ctx, EditorSet& editors, QWidget* parent = nullptr);

    void FormShow();
    void LoadAppearance();
    void LoadKeySet();
    void PlaceGridWindow();
    // Draws square (c, r) at once: kind 0 plain, 1 initial letter, other values highlighted.
    void DrawSquare(int c, int r, int kind);
    void clearSelectedSquare();
    std::optional<QPoint> selectedSquare() const { return m_selected; }

    int GridSquare = 0;
    bool resizeEnabled = false;
    GridView* canvas() const { return m_canvas; }

    SquareAppearance look;

    void FormMouseDown(const QPoint& pos);
    void FormKeyPress(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormResize();
    void fitToGrid();

    AppContext& m_ctx;
    EditorSet& m_editors;
    GridView* m_canvas = nullptr;
    std::optional<QPoint> m_selected;
    bool m_fitting = false;
    friend class GridView;
};
