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

    template <typename Keep> QList<Call> select(Keep keep) const {
        QList<Call> out;
        for (const Call& c : calls)
            if (keep(c))
                out << c;
        return out;
    }
    QList<Call> ops(const QString& op) const {
        return select([&](const Call& c) { return c.op == op; });
    }
    QList<Call> textsOnPage(int page) const {
        return select([&](const Call& c) { return c.op == u"TextOut" && c.page == page; });
    }
    QList<Call> textOuts(const QByteArray& text) const {
        return select([&](const Call& c) { return c.op == u"TextOut" && c.text == text; });
    }
    // The first TextOut of exactly this text, if any.
    std::optional<Call> textOut(const QByteArray& text) const {
        const QList<Call> all = textOuts(text);
        return all.isEmpty() ? std::nullopt : std::optional<Call>(all.first());
    }
    // The print target's operations in order, the document title after a colon.
    QStringList printSteps() const {
        static const QStringList printOps{"BeginBatch",       "EndBatch",
                                          "SetPortrait",      "UsePrinterMargins",
                                          "PreparePrintPage", "SetDocumentTitle"};
        QStringList out;
        for (const Call& c : select([](const Call& c) { return printOps.contains(c.op); }))
            out << (c.name.isEmpty() ? c.op : c.op + u':' + c.name);
        return out;
    }
    int pageCount() const { return m_page; }
    const Font& font() const { return m_font; }
    int sizeOf(const Font& font) const { return font.height / m_fontUnitsPerPoint; }

    // PageCanvas
    void BeginDocument() override {
        m_page = 1;
        record("BeginDocument");
    }
    void EndDocument() override { record("EndDocument"); }
    int PageWidth() const override { return m_target == Target::Print ? 12240 : 2159; }
    int PageHeight() const override { return m_target == Target::Print ? 15840 : 2794; }
    int PageNumber() const override { return m_page; }
    void NewPage() override {
        ++m_page;
        record("NewPage");
    }
    void SetFontName(const QString& name) override {
        m_font.name = name;
        record("SetFontName").name = name;
    }
    void SetFontSize(int points) override {
        m_font.height = m_fontUnitsPerPoint * points;
        record("SetFontSize", {points});
    }
    void SetFontHeight(int height) override {
        m_font.height = height;
        record("SetFontHeight", {height});
    }
    void SetFontStyle(int style) override {
        m_font.style = style;
        record("SetFontStyle", {style});
    }
    void SetFontColour(quint32 colour) override {
        m_font.colour = colour;
        record("SetFontColour", {int(colour)});
    }
    void SetBrushColour(quint32 colour) override {
        m_brush = colour;
        m_brushClear = false;
        record("SetBrushColour", {int(colour)});
    }
    void SetBrushClear() override {
        m_brushClear = true;
        record("SetBrushClear");
    }
    void SetPenWidth(int width) override {
        m_pen = width;
        record("SetPenWidth", {width});
    }
    int TextWidth(const QByteArray& text) override {
        return fixedMeasure ? *fixedMeasure : int(text.size()) * m_unitsPerFontUnit * m_font.height;
    }
    int TextHeight(const QByteArray&) override {
        return fixedMeasure ? *fixedMeasure : 2 * m_unitsPerFontUnit * m_font.height;
    }
    void TextOut(int x, int y, const QByteArray& text) override {
        record("TextOut", {x, y}).text = text;
    }
    void Rectangle(int x1, int y1, int x2, int y2) override {
        record("Rectangle", {x1, y1, x2, y2});
    }
    void MoveTo(int x, int y) override { record("MoveTo", {x, y}); }
    void LineTo(int x, int y) override { record("LineTo", {x, y}); }

    // PrintTargetOperations
    void BeginBatch() override { record("BeginBatch"); }
    void EndBatch() override { record("EndBatch"); }
    void SetPortrait() override { record("SetPortrait"); }
    void UsePrinterMargins() override { record("UsePrinterMargins"); }
    void PreparePrintPage() override { record("PreparePrintPage"); }
    void SetDocumentTitle(const QString& title) override {
        record("SetDocumentTitle").name = title;
    }
    int RightPrinterMargin() const override { return 360; }

private:
    Call& record(const char* op, const QList<int>& args = {}) {
        calls << Call{
            QString::fromLatin1(op), args, {}, {}, m_page, m_font, m_brush, m_brushClear, m_pen};
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
