#pragma once

#include <QWidget>

class AppContext;
class TIxv7GridForm;

// The client area of the quotation grid window: paints the squares and passes presses and keys
// to the window's handlers.
class GridView : public QWidget {
    Q_OBJECT
public:
    GridView(TIxv7GridForm& form, AppContext& ctx);
    void drawSquareNow(int c, int r, int kind);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormPaint(QPainter& painter);
    void paintSquare(QPainter& painter, int c, int r, const QColor& fill, const QColor& ink,
                     bool showLetter);
    int textOffset(const QFontMetrics& fm) const;

    TIxv7GridForm& m_form;
    AppContext& m_ctx;
    // A square drawn at once between full paints: (c, r, kind).
    struct Pending {
        int c, r, kind;
    };
    QList<Pending> m_pending;
};
