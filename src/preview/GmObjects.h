#pragma once

#include "preview/GmTypes.h"

#include <QColor>
#include <QFlags>
#include <QFont>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <optional>

// The drawing objects a page records, with snapshots of the font, brush and pen they were
// recorded with. Coordinates are hundredths of a millimetre from the paper's top-left corner.

enum class TGmFontStyle { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
Q_DECLARE_FLAGS(TGmFontStyles, TGmFontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGmFontStyles)

enum class TGmBrushStyle { Solid, Clear };
enum class TGmPenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };
// The only way a pen combines with what is under it: it paints over it.
enum class TGmPenMode { Copy };

struct TGmFontSnapshot {
    int Angle = 0; // escapement, degrees counter-clockwise
    QColor Color = Qt::black;
    QString Name = QStringLiteral("Arial");
    int Size = 12; // whole points
    TGmFontStyles Style;
    bool operator==(const TGmFontSnapshot&) const = default;
};

struct TGmBrushSnapshot {
    QColor Color = Qt::white;
    TGmBrushStyle Style = TGmBrushStyle::Solid;
    bool operator==(const TGmBrushSnapshot&) const = default;
};

// Width counts quarter points.
struct TGmPenSnapshot {
    QColor Color = Qt::black;
    TGmPenStyle Style = TGmPenStyle::Solid;
    int Width = 1;
    TGmPenMode Mode = TGmPenMode::Copy;
    bool operator==(const TGmPenSnapshot&) const = default;
};

// The font text is laid out and drawn with: no hinting, no kerning and no glyphs borrowed from
// other families, so that widths scale exactly with the size and agree between the 600-dpi
// measurement, the view and the printer. The size is in points at the device's resolution.
QFont LayoutFont(const QString& name, double pointSize, TGmFontStyles style);

// A text's extent in dots at dpi dots per inch: its advance width and the height of one line's
// character cell.
QSizeF MeasureText(const QString& name, double pointSize, TGmFontStyles style, const QString& text,
                   int dpi);

enum class TGmObjectKind { Text = 1, Line = 2, Rectangle = 4 };

// What every drawing object has. Invisible objects are neither shown nor printed. An object
// does not change once recorded; a page replaces it with a changed copy.
class TGmBaseObject {
public:
    virtual ~TGmBaseObject() = default;
    TGmObjectKind Kind() const { return m_kind; }

    qint32 Left = 0;
    qint32 Top = 0;
    qint32 Right = 0;
    qint32 Bottom = 0;
    bool Visible = true;
    std::optional<QRect> ClipRect; // hundredths of a millimetre; the area drawing keeps to

protected:
    explicit TGmBaseObject(TGmObjectKind kind) : m_kind(kind) {}
    TGmBaseObject(const TGmBaseObject&) = default;
    TGmBaseObject& operator=(const TGmBaseObject&) = default;

private:
    TGmObjectKind m_kind;
};

// Text whose top edge is at Top. Alignment 0: left edge at Left; 1: right edge at Left;
// 2: centred on Left.
class TGmTextObject : public TGmBaseObject {
public:
    TGmTextObject() : TGmBaseObject(TGmObjectKind::Text) {}
    QString Text;
    TGmFontSnapshot Font;
    TGmBrushSnapshot Brush;
    int Alignment = 0;
};

// A line from (Left, Top) to (Right, Bottom).
class TGmLineObject : public TGmBaseObject {
public:
    TGmLineObject() : TGmBaseObject(TGmObjectKind::Line) {}
    TGmPenSnapshot Pen;
};

// A polygon through the corners (Left, Top) and (Right, Bottom), filled with the brush and
// outlined with the pen.
class TGmRectangleShape : public TGmBaseObject {
public:
    TGmRectangleShape() : TGmBaseObject(TGmObjectKind::Rectangle) {}
    TGmPenSnapshot Pen;
    TGmBrushSnapshot Brush;
    int FillKind = 0;
};
