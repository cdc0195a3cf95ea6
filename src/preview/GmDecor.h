#pragma once

#include "preview/GmObjects.h"
#include "preview/GmTypes.h"

#include <QColor>
#include <QString>
#include <functional>

// The settings that dress every page: margins, the shadow under the paper in the view, and
// the header and footer. Each calls its owner's handler when it changes.

// The user margins (20 mm each at first) with the outline pens, and the printer's margins,
// its unprintable border, read from the printer whenever they are asked for.
class TGmMargins {
public:
    TGmMargins();
    TGmMargins(const TGmMargins&) = delete;
    TGmMargins& operator=(const TGmMargins&) = delete;

    TGmValue& Left() { return m_left; }
    TGmValue& Top() { return m_top; }
    TGmValue& Right() { return m_right; }
    TGmValue& Bottom() { return m_bottom; }
    const TGmValue& Left() const { return m_left; }
    const TGmValue& Top() const { return m_top; }
    const TGmValue& Right() const { return m_right; }
    const TGmValue& Bottom() const { return m_bottom; }

    const TGmPenSnapshot& Pen() const { return m_pen; }
    void SetPen(const TGmPenSnapshot& pen);
    const TGmPenSnapshot& PrinterMarginPen() const { return m_printerMarginPen; }
    void SetPrinterMarginPen(const TGmPenSnapshot& pen);
    bool ClipMargins() const { return m_clip; }
    void SetClipMargins(bool clip);
    bool ShowPrinterMargins() const { return m_showPrinter; }
    void SetShowPrinterMargins(bool show);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);

    // Zero on every side when there is no printer.
    TGmValueRect PrinterMargins() const;
    // The user margins become the printer's margins.
    void UsePrinterMargins();

    void SetOnChange(std::function<void()> handler) { m_onChange = std::move(handler); }
    void SetPrinterMarginsReader(std::function<TGmValueRect()> reader) {
        m_printerMargins = std::move(reader);
    }

private:
    void changed();
    TGmValue m_left, m_top, m_right, m_bottom;
    TGmPenSnapshot m_pen;
    TGmPenSnapshot m_printerMarginPen;
    bool m_clip = false;
    bool m_showPrinter = false;
    bool m_visible = false;
    std::function<void()> m_onChange;
    std::function<TGmValueRect()> m_printerMargins;
};

// The shadow the view draws along the right and bottom of the paper, Width pixels wide.
class TGmShadow {
public:
    int Width() const { return m_width; }
    void SetWidth(int width);
    QColor Color() const { return m_color; }
    void SetColor(const QColor& color);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    void SetOnChange(std::function<void()> handler) { m_onChange = std::move(handler); }

private:
    void changed();
    int m_width = 5;
    QColor m_color = Qt::black;
    bool m_visible = true;
    std::function<void()> m_onChange;
};

struct TGmHeaderFooterCaption {
    QString Caption;
    TGmFontSnapshot Font;
    bool operator==(const TGmHeaderFooterCaption&) const = default;
};

// Three captions on one line between the user margins, left-aligned, centred and
// right-aligned, each in its own font, with a rule in Pen under a header and over a footer.
// Captions may hold {DATE}, {TIME}, {PAGE} and {NUMPAGES}.
class TGmHeaderFooter {
public:
    enum Place { Left, Center, Right };

    const TGmHeaderFooterCaption& Caption(Place place) const { return m_captions[place]; }
    void SetCaption(Place place, const TGmHeaderFooterCaption& caption);
    const TGmPenSnapshot& Pen() const { return m_pen; }
    void SetPen(const TGmPenSnapshot& pen);
    bool ShowLine() const { return m_showLine; }
    void SetShowLine(bool show);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    void SetOnChange(std::function<void()> handler) { m_onChange = std::move(handler); }

    // The height of the caption line: the tallest character cell of the captions that hold text.
    TGmValue LineHeight() const;
    // The whole band: the caption line and, with the rule, the gap and the rule below it.
    TGmValue Height() const;
    // The gap between the captions and the rule.
    static constexpr qint32 RuleGap = 50;

private:
    void changed();
    TGmHeaderFooterCaption m_captions[3];
    TGmPenSnapshot m_pen;
    bool m_showLine = true;
    bool m_visible = false;
    std::function<void()> m_onChange;
};

class TGmHeader : public TGmHeaderFooter {};
class TGmFooter : public TGmHeaderFooter {};
