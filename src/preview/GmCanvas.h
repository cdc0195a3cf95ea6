#pragma once

#include "preview/GmObjects.h"
#include "preview/GmTypes.h"

#include <QColor>
#include <QPoint>
#include <QString>
#include <functional>

class TGmPage;

// The canvas font: a name, a size, a style and a colour. The size can be given in points or as
// a height in dots at 600 dots per inch (h dots are h x 72 / 600 points); setting one changes
// the other. Text is measured at the exact size and recorded at the size in whole points.
class TGmFont {
public:
    QString Name() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }
    int Size() const;
    void SetSize(int points);
    int Height() const;
    // A height of 0 or less is a font of no size: its texts measure 0 and are not drawn.
    void SetHeight(int dots);
    double PointSize() const { return m_points; }
    TGmFontStyles Style() const { return m_style; }
    void SetStyle(TGmFontStyles style) { m_style = style; }
    QColor Color() const { return m_color; }
    void SetColor(const QColor& color) { m_color = color; }

    TGmFontSnapshot Snapshot() const;

private:
    QString m_name = QStringLiteral("Arial");
    double m_points = 12;
    TGmFontStyles m_style;
    QColor m_color = Qt::black;
};

// Setting the colour of a clear brush makes it solid.
class TGmBrush {
public:
    QColor Color() const { return m_color; }
    void SetColor(const QColor& color);
    TGmBrushStyle Style() const { return m_style; }
    void SetStyle(TGmBrushStyle style) { m_style = style; }
    TGmBrushSnapshot Snapshot() const { return {m_color, m_style}; }

private:
    QColor m_color = Qt::white;
    TGmBrushStyle m_style = TGmBrushStyle::Clear;
};

// Width counts quarter points.
class TGmPen {
public:
    QColor Color() const { return m_pen.Color; }
    void SetColor(const QColor& color) { m_pen.Color = color; }
    TGmPenStyle Style() const { return m_pen.Style; }
    void SetStyle(TGmPenStyle style) { m_pen.Style = style; }
    int Width() const { return m_pen.Width; }
    void SetWidth(int width) { m_pen.Width = width; }
    TGmPenMode Mode() const { return m_pen.Mode; }
    void SetMode(TGmPenMode mode) { m_pen.Mode = mode; }
    const TGmPenSnapshot& Snapshot() const { return m_pen; }

private:
    TGmPenSnapshot m_pen;
};

// The recording canvas: every drawing call becomes an object of the target page. Coordinates
// grow to the right and down, in the unit named by the call (the canvas's Unit() when none is
// named), from the origin the document sets; they are kept as whole hundredths of a millimetre
// from the paper's corner.
class TGmCanvas {
public:
    TGmFont& Font() { return m_font; }
    const TGmFont& Font() const { return m_font; }
    TGmBrush& Brush() { return m_brush; }
    const TGmBrush& Brush() const { return m_brush; }
    TGmPen& Pen() { return m_pen; }
    const TGmPen& Pen() const { return m_pen; }
    TGmUnit Unit() const { return m_unit; }
    void SetUnit(TGmUnit unit) { m_unit = unit; }

    // Text with the top-left corner of its character cell at (x, y); the current position
    // moves to its right edge.
    void TextOut(double x, double y, const QString& text) { TextOut(x, y, text, m_unit); }
    void TextOut(double x, double y, const QString& text, TGmUnit unit);
    // The text's advance width and the height of its character cell in the current font,
    // measured at 600 dots per inch.
    TGmValue TextWidth(const QString& text) const;
    TGmValue TextHeight(const QString& text) const;
    void MoveTo(double x, double y) { MoveTo(x, y, m_unit); }
    void MoveTo(double x, double y, TGmUnit unit);
    // A line from the current position to (x, y), which becomes the current position.
    void LineTo(double x, double y) { LineTo(x, y, m_unit); }
    void LineTo(double x, double y, TGmUnit unit);
    void Line(double x1, double y1, double x2, double y2) { Line(x1, y1, x2, y2, m_unit); }
    void Line(double x1, double y1, double x2, double y2, TGmUnit unit);
    void Rectangle(double x1, double y1, double x2, double y2) {
        Rectangle(x1, y1, x2, y2, m_unit);
    }
    void Rectangle(double x1, double y1, double x2, double y2, TGmUnit unit);

    // The current position in hundredths of a millimetre from the origin.
    QPoint PenPos() const { return m_pos; }

    // Set by the document: the page drawing goes to, the origin in hundredths of a millimetre
    // from the paper's corner, and what to call after each recorded object.
    void SetTarget(TGmPage* page) { m_page = page; }
    TGmPage* Target() const { return m_page; }
    void SetOrigin(QPoint hundredthMm) { m_origin = hundredthMm; }
    QPoint Origin() const { return m_origin; }
    void SetOnRecord(std::function<void()> handler) { m_onRecord = std::move(handler); }

private:
    QSizeF measure(const QString& text) const;
    QPoint toPage(QPoint p) const;
    // The object's corners (x1, y1) and (x2, y2), given in unit, on the page.
    void place(TGmBaseObject& object, double x1, double y1, double x2, double y2,
               TGmUnit unit) const;
    void record(std::shared_ptr<TGmBaseObject> object);

    TGmFont m_font;
    TGmBrush m_brush;
    TGmPen m_pen;
    TGmUnit m_unit = TGmUnit::HundredthMm;
    QPoint m_pos;
    QPoint m_origin;
    TGmPage* m_page = nullptr;
    std::function<void()> m_onRecord;
};
