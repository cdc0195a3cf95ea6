// The solution page: the Solution window's lines, then every word's letters in 30 positions.
#include "output/PageComposer.h"
#include "prefs/FontStyle.h"

void PageComposer::DrawSolutionPage() {
    SetUpPageMetrics();
    int y = DrawPageHeader(HeaderKind::Continuation);
    const int L = m_metrics.LineHeight;
    const int s = m_metrics.SideMargin;

    m_canvas.SetFontName(QStringLiteral("Arial"));
    m_canvas.SetFontSize(11);
    m_canvas.SetFontStyle(FontStyle::Bold);
    y += 2 * L;
    m_canvas.TextOut(s, y, "SOLUTION");
    y += 2 * L;
    m_canvas.SetFontStyle(0);
    for (const QByteArray& line : m_options.solutionLines) {
        m_canvas.TextOut(s, y, line);
        y += L;
    }
    y += 3 * L;

    // A gap in a word's letter positions shows as a space. Word 1 is written even when the
    // puzzle has no words. The page has no break: lines below its edge are lost.
    for (int w = 1;; ++w) {
        QByteArray row(kMaxWordLetters, ' ');
        for (int p = 1; p <= kMaxWordLetters; ++p) {
            if (hasLetter(w, p))
                row[p - 1] = char(letterOf(m_record.squareOf(p * 100 + w)));
        }
        m_canvas.TextOut(s, y, labelWithStop(w) + ' ' + row);
        y += L;
        if (!wordExists(w + 1))
            break;
    }
}
