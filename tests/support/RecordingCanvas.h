#pragma once

#include "output/PageCanvas.h"
#include "output/TargetDescription.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// A drawing target that records every call with its arguments and the drawing state at that
// moment, standing for either the print target or the PDF target. Its metrics are simple
// enough to compute by hand. A point is 2 font units on the PDF target and 8 on the print
// target (a height sets the size to height / units, rounded down). A character is u x height
// wide and a line 2 x u x height high, u being 1 target unit per font unit on the PDF target
// and 2 on the print target.
class RecordingCanvas : public PageCanvas, public PrintTargetOperations {
public:
    enum class Target { Print, Pdf };

    struct Font {
        QString name = QStringLiteral("Arial");
        int height = 24;
        int style = 0;
        quint32 colour = 0;
    };
    struct Call {
        QString op;
        QList<int> args;
        QByteArray text; // TextOut's text
        QString name;    // SetFontName's name, SetDocumentTitle's title
        int page = 1;
        Font font;
        quint32 brush = 0;
        bool brushClear = true;
        int penWidth = 1;
    };

    // Letter paper: 12240 x 15840 twips with a right printer margin of 360, or 2159 x 2794
    // tenths of a millimetre.
    explicit RecordingCanvas(Target target)
        : m_target(target), m_fontUnitsPerPoint(target == Target::Print ? 8 : 2),
          m_unitsPerFontUnit(target == Target::Print ? 2 : 1) {
        m_font.height = 12 * m_fontUnitsPerPoint;
    }

    PageTarget target() {
        return m_target == Target::Print ? PageTarget::printTarget(*this, *this)
                                         : PageTarget::pdfTarget(*this);
    }

    // Measures that ignore the font, as a target might that cannot measure: every text is this
    // wide and high.
    std::optional<int> fixedMeasure;

    QList<Call> calls;

    QList<Call> ops(const QString& op) const {
        QList<Call> out;
        for (const Call& c : calls)
            if (c.op == op)
                out << c;
        return out;
    }
    QList<Call> textsOnPage(int page) const {
        QList<Call> out;
        for (const Call& c : calls)
            if (c.op == QLatin1String("TextOut") && c.page == page)
                out << c;
        return out;
    }
    // The first TextOut of exactly this text, if any.
    std::optional<Call> textOut(const QByteArray& text) const {
        for (const Call& c : calls)
            if (c.op == QLatin1String("TextOut") && c.text == text)
                return c;
        return std::nullopt;
    }
    QList<Call> textOuts(const QByteArray& text) const {
        QList<Call> out;
        for (const Call& c : calls)
            if (c.op == QLatin1String("TextOut") && c.text == text)
                out << c;
        return out;
    }
    QStringList opNames() const {
        QStringList out;
        for (const Call& c : calls)
            out << c.op;
        return out;
    }
    // The print target's operations in order, the document title after a colon.
    QStringList printSteps() const {
        static const QStringList printOps{"BeginBatch",       "EndBatch",
                                          "SetPortrait",      "UsePrinterMargins",
                                          "PreparePrintPage", "SetDocumentTitle"};
        QStringList out;
        for (const Call& c : calls)
            if (printOps.contains(c.op))
                out << (c.name.isEmpty() ? c.op : c.op + u':' + c.name);
        return out;
    }
    int pageCount() const { return m_page; }
    const Font& font() const { return m_font; }
    int sizeOf(const Font& font) const { return font.height / m_fontUnitsPerPoint; }

    // PageCanvas
    void BeginDocument() override {
        m_page = 1;
        record(QStringLiteral("BeginDocument"));
    }
    void EndDocument() override { record(QStringLiteral("EndDocument")); }
    int PageWidth() const override { return m_target == Target::Print ? 12240 : 2159; }
    int PageHeight() const override { return m_target == Target::Print ? 15840 : 2794; }
    int PageNumber() const override { return m_page; }
    void NewPage() override {
        ++m_page;
        record(QStringLiteral("NewPage"));
    }
    void SetFontName(const QString& name) override {
        m_font.name = name;
        Call& c = record(QStringLiteral("SetFontName"));
        c.name = name;
    }
    void SetFontSize(int points) override {
        m_font.height = m_fontUnitsPerPoint * points;
        record(QStringLiteral("SetFontSize"), {points});
    }
    void SetFontHeight(int height) override {
        m_font.height = height;
        record(QStringLiteral("SetFontHeight"), {height});
    }
    void SetFontStyle(int style) override {
        m_font.style = style;
        record(QStringLiteral("SetFontStyle"), {style});
    }
    void SetFontColour(quint32 colour) override {
        m_font.colour = colour;
        record(QStringLiteral("SetFontColour"), {int(colour)});
    }
    void SetBrushColour(quint32 colour) override {
        m_brush = colour;
        m_brushClear = false;
        record(QStringLiteral("SetBrushColour"), {int(colour)});
    }
    void SetBrushClear() override {
        m_brushClear = true;
        record(QStringLiteral("SetBrushClear"));
    }
    void SetPenWidth(int width) override {
        m_pen = width;
        record(QStringLiteral("SetPenWidth"), {width});
    }
    int TextWidth(const QByteArray& text) override {
        return fixedMeasure ? *fixedMeasure : int(text.size()) * m_unitsPerFontUnit * m_font.height;
    }
    int TextHeight(const QByteArray&) override {
        return fixedMeasure ? *fixedMeasure : 2 * m_unitsPerFontUnit * m_font.height;
    }
    void TextOut(int x, int y, const QByteArray& text) override {
        Call& c = record(QStringLiteral("TextOut"), {x, y});
        c.text = text;
    }
    void Rectangle(int x1, int y1, int x2, int y2) override {
        record(QStringLiteral("Rectangle"), {x1, y1, x2, y2});
    }
    void MoveTo(int x, int y) override { record(QStringLiteral("MoveTo"), {x, y}); }
    void LineTo(int x, int y) override { record(QStringLiteral("LineTo"), {x, y}); }

    // PrintTargetOperations
    void BeginBatch() override { record(QStringLiteral("BeginBatch")); }
    void EndBatch() override { record(QStringLiteral("EndBatch")); }
    void SetPortrait() override { record(QStringLiteral("SetPortrait")); }
    void UsePrinterMargins() override { record(QStringLiteral("UsePrinterMargins")); }
    void PreparePrintPage() override { record(QStringLiteral("PreparePrintPage")); }
    void SetDocumentTitle(const QString& title) override {
        Call& c = record(QStringLiteral("SetDocumentTitle"));
        c.name = title;
    }
    int RightPrinterMargin() const override { return 360; }

private:
    Call& record(const QString& op, const QList<int>& args = {}) {
        Call c;
        c.op = op;
        c.args = args;
        c.page = m_page;
        c.font = m_font;
        c.brush = m_brush;
        c.brushClear = m_brushClear;
        c.penWidth = m_pen;
        calls << c;
        return calls.last();
    }

    Target m_target;
    int m_fontUnitsPerPoint;
    int m_unitsPerFontUnit;
    int m_page = 1;
    Font m_font;
    quint32 m_brush = 0;
    bool m_brushClear = true;
    int m_pen = 1;
};
