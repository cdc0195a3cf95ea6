// The manuscript: every clue, each followed by its answer as underlined letters with the square
// numbers beneath, then the manuscript grid and the solution, each on a page of its own.
#include "output/ClueList.h"
#include "output/ClueSplit.h"
#include "output/PageComposer.h"
#include "prefs/FontStyle.h"
#include "prefs/SettingsCatalogue.h"

namespace {
// A row of answer letters holds 21 of them.
constexpr int kLettersPerAnswerRow = 21;
} // namespace

void PageComposer::DrawManuscript() {
    m_print.BeginBatch();
    NumberSquares();
    SetUpPageMetrics();
    const int L = m_metrics.LineHeight;
    int y = DrawPageHeader(HeaderKind::First);

    const int listed = ClueList::listedWordCount(m_record);
    for (int w = 1; w <= listed; ++w) {
        y = drawManuscriptClue(w, y);
        y += L;
        y = drawAnswerRow(w, y);
        y += 3 * L;
        // Breaks fall only between clues, never after the last one.
        if (y > m_metrics.LinesPerPage * L && w < listed) {
            m_canvas.NewPage();
            y = DrawPageHeader(HeaderKind::Continuation);
        }
    }
    m_print.EndBatch();

    m_canvas.NewPage();
    DrawGridPage(GridMode::ManuscriptGrid);
    m_canvas.NewPage();
    DrawSolutionPage();
}

// The clue as stored, after a prefix four characters wide ("A.  ", "aa. "), so that clues line
// up in a fixed-pitch font. A line too wide for the page is split before its last word and
// the rest indented; when the first part is still too wide, the split moves a word further
// forward until it fits, so that no clue runs past the margin into the printer's unprintable
// edge. A clue without a space splits after its prefix.
int PageComposer::drawManuscriptClue(int w, int y) {
    const int s = m_metrics.SideMargin;
    const QByteArray prefix = labelWithStop(w) + (w <= 26 ? "  " : " ");
    const QByteArray line = prefix + m_record.clue(w).bytes();
    const int limit = m_canvas.PageWidth() - s - m_canvas.TextWidth("MMMMM");
    if (m_canvas.TextWidth(line) > limit) {
        const auto split = splitUntilFits(line, prefix.size(), [&](const QByteArray& first) {
            return m_canvas.TextWidth(first) <= limit;
        });
        if (split) {
            m_canvas.TextOut(s, y, split->line);
            y += m_metrics.LineHeight;
            m_canvas.TextOut(s + m_canvas.TextWidth("MMMM"), y, split->remainder);
            return y;
        }
    }
    m_canvas.TextOut(s, y, line);
    return y;
}

// Each letter underlined between spaces, its square number centred beneath it, in the
// manuscript font two points smaller.
int PageComposer::drawAnswerRow(int w, int y) {
    const int L = m_metrics.LineHeight;
    const int size = Settings::readInt(m_settings, Settings::MSFontSize);
    m_canvas.SetFontSize(size - 2);
    const int x0 = m_metrics.SideMargin + m_canvas.TextWidth("MMMMM");
    const int pitch = m_canvas.TextWidth("9999");
    int x = x0;
    for (int p = 1; hasLetter(w, p); ++p) {
        const int square = m_record.squareOf(p * 100 + w);
        m_canvas.SetFontStyle(FontStyle::Underline);
        m_canvas.TextOut(x, y + 4, QByteArray(" ") + char(letterOf(square)) + ' ');
        m_canvas.SetFontStyle(0);
        const QByteArray n = m_numbers.textOf(square);
        m_canvas.TextOut(x + (m_canvas.TextWidth("999") - m_canvas.TextWidth(n)) / 2, y + L, n);
        x += pitch;
        if (x > x0 + (kLettersPerAnswerRow - 1) * pitch) {
            y += 2 * L;
            x = x0;
        }
    }
    m_canvas.SetFontSize(size);
    return y;
}
