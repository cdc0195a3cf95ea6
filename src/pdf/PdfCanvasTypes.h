#pragma once

#include <QString>
#include <QtGlobal>

// Font style bits, the same bit set the settings store keeps.
namespace PdfFontStyle {
enum Bit : int { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
}

// The canvas font. Its size is in whole points; its height is in pixels of 1/96 inch, the
// PDF target's pixel on every machine. Setting one sets the other:
//   size   = -round(height * 72 / 96)      height = -round(size * 96 / 72)
// with halves rounded away from zero. A positive height (negative size) is the height of the
// whole character cell; a positive size is the height of the characters themselves (the em).
// Text is drawn at the absolute value of the size.
class PdfFont {
public:
    // Character sets: the default one maps through the system code page, Windows-1252 here,
    // to the ANSI set; every font is written with the WinAnsi encoding.
    static constexpr int kAnsiCharset = 0;
    static constexpr int kDefaultCharset = 1;

    const QString& name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    int size() const { return m_size; }
    void setSize(int points);
    int height() const { return m_height; }
    void setHeight(int pixels);
    int style() const { return m_style; } // PdfFontStyle bits
    void setStyle(int style) { m_style = style & 15; }
    bool bold() const { return m_style & PdfFontStyle::Bold; }
    bool italic() const { return m_style & PdfFontStyle::Italic; }
    quint32 colour() const { return m_colour; } // 0x00BBGGRR, or a system colour
    void setColour(quint32 colour) { m_colour = colour; }
    int charset() const { return m_charset; }
    void setCharset(int charset) { m_charset = charset; }

private:
    QString m_name = QStringLiteral("Arial");
    int m_size = 10;
    int m_height = -13;
    int m_style = 0;
    quint32 m_colour = 0;
    int m_charset = kDefaultCharset;
};

enum class PdfBrushStyle { Solid, Clear };

// The fill of rectangles. Setting the colour makes the brush solid.
class PdfBrush {
public:
    quint32 colour() const { return m_colour; }
    void setColour(quint32 colour) {
        m_colour = colour;
        m_style = PdfBrushStyle::Solid;
    }
    PdfBrushStyle style() const { return m_style; }
    void setStyle(PdfBrushStyle style) { m_style = style; }

private:
    quint32 m_colour = 0xFFFFFF;
    PdfBrushStyle m_style = PdfBrushStyle::Solid;
};

enum class PdfPenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };

// The outline of rectangles and lines; the width is in the engine's length unit. A pen draws
// only when its style is not clear and its width is above 0.
class PdfPen {
public:
    quint32 colour() const { return m_colour; }
    void setColour(quint32 colour) { m_colour = colour; }
    PdfPenStyle style() const { return m_style; }
    void setStyle(PdfPenStyle style) { m_style = style; }
    int width() const { return m_width; }
    void setWidth(int width) { m_width = width; }
    bool visible() const { return m_style != PdfPenStyle::Clear && m_width > 0; }

private:
    quint32 m_colour = 0;
    PdfPenStyle m_style = PdfPenStyle::Solid;
    int m_width = 1;
};
