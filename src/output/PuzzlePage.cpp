// The solver's puzzle page: a title band, the grid with every lettered square numbered and
// labelled, and the clue list, each clue followed by a row of blanks with the square numbers
// beneath; continuation pages when the list runs past the page.
#include "base/Codepage.h"
#include "output/ClueSplit.h"
#include "output/FontFitting.h"
#include "output/PageComposer.h"
#include "output/SmartQuotes.h"
#include "prefs/FontStyle.h"
#include "prefs/SettingsCatalogue.h"

namespace {

constexpr quint32 kWhite = 0xFFFFFF;
// Letters 20 to 30 of a word take a second row of blanks.
constexpr int kBlanksInFirstRow = 19;

struct ClueFont {
    QString name;
    int style = 0;
    int size = 0;
    int leading = 0;
};

} // namespace

struct PageComposer::PuzzleBand {
    int q = 0;          // side of a square, and the side margin
    int L1 = 0;         // line height of the title font
    int numberSize = 0; // Arial size fitted to the squares' numbers and labels
};

void PageComposer::DrawPuzzlePage() {
    const PuzzleBand band = drawTitleBand();
    drawPuzzleGrid(band);
    drawClueBlock(band);
    m_print.EndBatch();
    if (m_rules.solutionFollowsPuzzlePage(m_options, m_settings)) {
        m_canvas.NewPage();
        DrawSolutionPage();
    }
}

PageComposer::PuzzleBand PageComposer::drawTitleBand() {
    const int pageWidth = m_canvas.PageWidth();
    PuzzleBand band;
    band.q = pageWidth / (m_record.GridWidth == kMaxColumns ? 34 : 33);
    const int q = band.q;
    m_print.UsePrinterMargins();
    m_print.BeginBatch();
    m_print.SetDocumentTitle(Codepage::toUnicode(m_options.pageTitle));

    m_canvas.SetFontName(QStringLiteral("Arial"));
    m_canvas.SetFontSize(11);
    m_canvas.SetFontStyle(FontStyle::Bold);
    band.L1 = m_canvas.TextHeight("I");
    m_canvas.SetBrushClear();
    m_canvas.SetPenWidth(4);
    m_canvas.MoveTo(q, band.L1);
    m_canvas.LineTo(m_rules.ruleEnd(pageWidth, q, m_record.GridWidth), band.L1);
    m_canvas.SetPenWidth(1);
    m_canvas.TextOut(q, band.L1 + 8, quoted(m_options.pageTitle));
    if (m_rules.drawsCredit && m_options.by) {
        const QByteArray name = m_record.ConstructorName.bytes();
        const QByteArray credit = name.isEmpty() ? "  an Ixenvar puzzle" : "  by " + name;
        m_canvas.TextOut(pageWidth - q - m_canvas.TextWidth(credit), band.L1 + 8, credit);
    }
    m_canvas.SetFontStyle(0);
    band.numberSize = FontFitting::lowerSizeUntil(
        m_canvas, 11, [&] { return m_canvas.TextWidth("999bb") + 8 < q; });
    return band;
}

void PageComposer::drawPuzzleGrid(const PuzzleBand& band) {
    const int q = band.q;
    const int width = m_record.GridWidth;
    const int height = m_record.GridHeight;
    const int left = m_rules.centresPuzzleGrid ? (m_canvas.PageWidth() - width * q) / 2 : q;
    const int top = 3 * band.L1;
    const FrameInsets& f = m_rules.puzzleFrame;
    m_canvas.SetPenWidth(4);
    m_canvas.Rectangle(left - f.left, top - f.top, left + width * q + f.right,
                       top + height * q + f.bottom);
    m_canvas.SetPenWidth(1);

    int k = 0;
    m_canvas.SetBrushColour(kWhite);
    for (int r = 1; r <= height; ++r) {
        for (int c = 1; c <= width; ++c) {
            const int x = left + (c - 1) * q;
            const int y = top + (r - 1) * q;
            const quint8 ch = m_record.letter(c, r);
            m_canvas.SetBrushColour(ch == BlackSquare ? m_options.blackSquareColour : kWhite);
            m_canvas.Rectangle(x, y, x + q + 1, y + q + 1);
            if (ch != BlackSquare)
                drawPuzzleSquare(band, x, y, ch, m_record.code(c, r), k);
        }
    }
    m_canvas.SetBrushColour(kWhite);
}

void PageComposer::drawPuzzleSquare(const PuzzleBand& band, int x, int y, quint8 ch, int code,
                                    int& k) {
    const int q = band.q;
    if (isPunctuationSquare(ch)) {
        // Shown in the numbers' font, raised to five sixths of a square.
        FontFitting::raiseSizeUntil(m_canvas, band.numberSize, band.numberSize + q,
                                    [&] { return m_canvas.TextHeight("A") >= q / 6 * 5; });
        m_canvas.SetBrushClear();
        m_canvas.TextOut(x + q - m_canvas.TextWidth("M"), y + q - m_canvas.TextHeight("A"),
                         QByteArray(1, char(ch)));
        m_canvas.SetFontSize(band.numberSize);
        return;
    }
    ++k;
    const QByteArray label = WordLabel(code % 100).toLatin1();
    m_canvas.SetBrushClear();
    m_canvas.TextOut(x + m_rules.numberInset(m_canvas), y + 1, QByteArray::number(k));
    m_canvas.TextOut(x + q - m_canvas.TextWidth(label) - m_rules.labelInset(m_canvas), y + 1,
                     label);
}

void PageComposer::drawClueBlock(const PuzzleBand& band) {
    const int q = band.q;
    ClueFont font;
    font.size = Settings::readInt(m_settings, Settings::PPFontSize);
    font.name = Settings::readText(m_settings, Settings::PPFontName);
    font.style = Settings::readFontStyle(m_settings, Settings::PPFontStyle);
    font.leading = Settings::readInt(m_settings, Settings::PPLeading);
    const auto setClueFont = [&] {
        m_canvas.SetFontName(font.name);
        m_canvas.SetFontStyle(font.style);
        m_canvas.SetFontSize(font.size);
        return m_canvas.TextHeight("I") + font.leading;
    };
    int L = setClueFont();
    NumberSquares();

    int y = 3 * band.L1 + (m_record.GridHeight + 1) * q + 1;
    for (int w = 1; wordExists(w);) {
        m_canvas.SetFontSize(font.size);
        m_canvas.TextOut(q, y, labelWithStop(w));
        y = drawClue(band, w, y, L);
        y = drawBlanks(w, y, L, font.size - 1);
        ++w;
        if (wordExists(w))
            y += 2 * L;
        // Tested after the last word too, so its blanks may be followed by a page holding
        // only a title band.
        if (y > m_canvas.PageHeight() - 4 * L) {
            startContinuationPage(band);
            L = setClueFont();
            y = 4 * L;
        }
    }
}

// A clue too long for the left half of the page is split once, before its last word; the width
// is judged on the clue as stored, and the first part is not measured again. A clue without a
// space to split at is written on one line.
int PageComposer::drawClue(const PuzzleBand& band, int w, int y, int lineHeight) {
    const QByteArray raw = m_record.clue(w).bytes();
    const QByteArray clue = SmartQuotes(raw);
    const int xC = band.q + m_canvas.TextWidth("bb. ");
    if (m_canvas.TextWidth("bb. " + raw + "M") + band.q > m_canvas.PageWidth() / 2) {
        if (const auto split = splitBeforeLastWord(clue)) {
            m_canvas.TextOut(xC, y, split->line);
            y += 2 * lineHeight;
            m_canvas.TextOut(xC, y, split->remainder);
            return y;
        }
    }
    m_canvas.TextOut(xC, y, clue);
    return y;
}

// The first blank of every word starts at the middle of the page.
int PageComposer::drawBlanks(int w, int y, int lineHeight, int size) {
    const int middle = m_canvas.PageWidth() / 2;
    m_canvas.SetFontSize(size);
    int xB = middle;
    for (int p = 1; hasLetter(w, p); ++p) {
        m_canvas.TextOut(xB, y, "___");
        const QByteArray n = m_numbers.textOf(m_record.squareOf(p * 100 + w));
        m_canvas.TextOut(xB + (m_canvas.TextWidth("___") - m_canvas.TextWidth(n)) / 2,
                         y + lineHeight, n);
        if (p == kBlanksInFirstRow && hasLetter(w, p + 1)) {
            xB = middle + m_canvas.TextWidth("___ ___ ");
            y += 2 * lineHeight;
        } else {
            xB += m_canvas.TextWidth("___ ");
        }
    }
    return y;
}

// Every continuation page is titled "Page 2", whatever its number.
void PageComposer::startContinuationPage(const PuzzleBand& band) {
    const int q = band.q;
    m_canvas.NewPage();
    m_canvas.SetFontName(QStringLiteral("Arial"));
    m_canvas.SetFontSize(11);
    m_canvas.SetFontStyle(FontStyle::Bold);
    const int L1 = m_canvas.TextHeight("I");
    m_canvas.SetPenWidth(4);
    m_canvas.MoveTo(q, L1);
    m_canvas.LineTo(m_rules.continuationRuleEnd(m_canvas.PageWidth(), q), L1);
    m_canvas.SetPenWidth(1);
    m_canvas.TextOut(q, L1 + 8, quoted(m_options.pageTitle) + "  / Page 2");
}
