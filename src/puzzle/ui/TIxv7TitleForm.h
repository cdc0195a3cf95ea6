#pragma once

#include "puzzle/ui/EditingWindow.h"
#include "puzzle/ui/SquareAppearance.h"

class AppContext;
struct EditorSet;
class TitleView;

// The author-title strip: a word row with one square per acrostic word, spelling the
// author-title line, and a letter row of 30 squares with the selected word's letters.
class TIxv7TitleForm : public EditingWindow {
    Q_OBJECT
public:
    static constexpr int kBevelHeight = 2;

    TIxv7TitleForm(AppContext& ctx, EditorSet& editors, QWidget* parent = nullptr);

    void FormShow();
    void LoadTitleAppearance();
    void PlaceTitleWindow();
    // The outer height PlaceTitleWindow gives the window.
    int placedHeight() const;
    // A release at client point pos (any button); also used to select a word from elsewhere,
    // which leaves the focus where it is.
    void FormMouseUp(const QPoint& pos);
    // A release of the mouse over this window: while clues are edited, a word chosen here
    // takes the keyboard to its clue.
    void clicked(const QPoint& pos);

    int TitleSquare = 0;
    int wordCount = 0;
    SquareAppearance look;
    TitleView* canvas() const { return m_canvas; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    bool onWordRow(const QPoint& pos) const;
    void FormResize();
    void fitToSquares();
    int placedSquare() const;

    AppContext& m_ctx;
    EditorSet& m_editors;
    TitleView* m_canvas = nullptr;
    bool m_fitting = false;
};

class TitleView : public QWidget {
    Q_OBJECT
public:
    TitleView(TIxv7TitleForm& form, AppContext& ctx);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void drawSquare(QPainter& p, const QRect& r, const QColor& fill, quint8 ch, int textTop);

    TIxv7TitleForm& m_form;
    AppContext& m_ctx;
};
