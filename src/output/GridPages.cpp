// The three grid pages: the manuscript grid (numbers, labels and letters), the numbered grid
// (numbers and labels) and the solution grid (letters centred in their squares).
#include "output/FontFitting.h"
#include "output/PageComposer.h"
#include "prefs/SettingsCatalogue.h"

namespace {
constexpr quint32 kWhite = 0xFFFFFF;
}

struct PageComposer::GridPage {
    GridMode mode = GridMode::NumberedGrid;
    int q = 0;
    int left = 0;
    int top = 0;
    GridFontHeights heights;
    QString letterFontName;
    int letterFontStyle = 0;
};

void PageComposer::DrawGridPage(GridMode mode) {
    m_print.BeginBatch();
    SetUpPageMetrics();
    m_print.SetPortrait();

    const int width = m_record.GridWidth;
    const int height = m_record.GridHeight;
    GridPage page;
    page.mode = mode;
    // Both cases divide the page width: a wide grid less one side margin, a tall one whole.
    page.q = width > height ? (m_canvas.PageWidth() - m_metrics.SideMargin) / (width + 3)
                            : m_canvas.PageWidth() / (height + 3);
    const int q = page.q;
    DrawPageHeader(HeaderKind::First);

    m_canvas.SetFontName(QStringLiteral("Arial"));
    m_canvas.SetFontHeight(q);
    page.heights = m_rules.fitGridFonts(m_canvas, q, mode);
    page.letterFontName = Settings::readText(m_settings, Settings::FontName);
    page.letterFontStyle = Settings::readFontStyle(m_settings, Settings::FontStyleOnPage);

    page.left = (m_canvas.PageWidth() - width * q) / 2 - m_rules.gridShiftSquares * q;
    page.top = (m_canvas.PageHeight() - height * q) / 2 + 2 * q;

    const FrameInsets& f = m_rules.gridFrame;
    m_canvas.SetBrushColour(kWhite);
    m_canvas.SetPenWidth(4);
    m_canvas.Rectangle(page.left - f.left, page.top - f.top, page.left + width * q + f.right,
                       page.top + height * q + f.bottom);
    m_canvas.SetPenWidth(1);

    int k = 0;
    for (int r = 1; r <= height; ++r) {
        for (int c = 1; c <= width; ++c) {
            const int x = page.left + (c - 1) * q;
            const int y = page.top + (r - 1) * q;
            const bool black = m_record.letter(c, r) == BlackSquare;
            m_canvas.SetBrushColour(black ? m_options.blackSquareColour : kWhite);
            m_canvas.Rectangle(x, y, x + q + 1, y + q + 1);
            if (!black)
                drawGridSquareContent(page, c, r, k);
        }
    }
    m_canvas.SetBrushColour(kWhite);
    m_print.EndBatch();
}

void PageComposer::drawGridSquareContent(const GridPage& page, int c, int r, int& k) {
    const int q = page.q;
    const int x = page.left + (c - 1) * q;
    const int y = page.top + (r - 1) * q;
    const quint8 ch = m_record.letter(c, r);
    const QByteArray text(1, char(ch));

    if (page.mode != GridMode::SolutionGrid)
        drawGridNumberAndLabel(page, c, r, x, y, k);
    if (page.mode == GridMode::NumberedGrid)
        return;

    m_canvas.SetFontName(page.letterFontName);
    m_canvas.SetFontStyle(page.letterFontStyle);
    m_canvas.SetFontHeight(page.heights.letter);
    if (page.mode == GridMode::ManuscriptGrid) {
        if (isPunctuationSquare(ch))
            return;
        m_canvas.TextOut(x + q - m_canvas.TextWidth("M") - m_rules.letterInsets.forLetter(ch),
                         y + m_rules.letterDrop(m_canvas, q), text);
        return;
    }
    m_canvas.SetBrushClear();
    if (ch != 0)
        m_canvas.TextOut(x + (q - m_canvas.TextWidth(text)) / 2,
                         m_rules.solutionLetterTop(m_canvas, y, q), text);
}

void PageComposer::drawGridNumberAndLabel(const GridPage& page, int c, int r, int x, int y,
                                          int& k) {
    const int q = page.q;
    const quint8 ch = m_record.letter(c, r);
    m_canvas.SetFontName(QStringLiteral("Arial"));
    m_canvas.SetFontStyle(0);
    m_canvas.SetFontHeight(page.heights.number);
    if (!isPunctuationSquare(ch)) {
        ++k;
        m_canvas.SetBrushClear();
        const int top = y + m_rules.gridNumberDrop;
        m_canvas.TextOut(x + m_rules.numberInset(m_canvas), top, QByteArray::number(k));
        const QByteArray label = WordLabel(m_record.code(c, r) % 100).toLatin1();
        m_canvas.TextOut(x + q - m_canvas.TextWidth(label) - m_rules.labelInset(m_canvas), top,
                         label);
        return;
    }
    // Punctuation shows itself in the grid-letter font, three quarters of a square high.
    m_canvas.SetFontName(page.letterFontName);
    m_canvas.SetFontStyle(page.letterFontStyle);
    FontFitting::raiseHeightUntil(m_canvas, page.heights.number, page.heights.number + q,
                                  [&] { return m_canvas.TextHeight("A") >= q / 4 * 3; });
    m_canvas.SetBrushClear();
    m_canvas.TextOut(x + q - m_canvas.TextWidth("aa") - m_rules.punctuationInset,
                     y + q - m_canvas.TextHeight("I") - m_rules.punctuationRaise,
                     QByteArray(1, char(ch)));
}
