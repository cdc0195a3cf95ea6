#include "output/PageComposer.h"

#include "base/Codepage.h"
#include "output/ClueList.h"
#include "prefs/FontStyle.h"
#include "prefs/SettingsAccess.h"
#include "prefs/SettingsCatalogue.h"

#include <algorithm>

PageComposer::PageComposer(const PuzzleRecord& record, const SettingsAccess& settings,
                           const PageTarget& target, const ComposerOptions& options)
    : m_record(record), m_settings(settings), m_canvas(target.canvas), m_rules(target.rules),
      m_print(target.print), m_options(options) {}

void PageComposer::ComposeDocument() {
    m_canvas.BeginDocument();
    bool drawn = false;
    const auto nextPage = [&] {
        if (drawn)
            m_canvas.NewPage();
        drawn = true;
    };
    if (m_options.manuscript) {
        nextPage();
        DrawManuscript();
    }
    if (m_options.manuscriptGrid) {
        nextPage();
        DrawGridPage(GridMode::ManuscriptGrid);
    }
    if (m_options.numberedGrid) {
        nextPage();
        DrawGridPage(GridMode::NumberedGrid);
    }
    if (m_options.solutionGrid) {
        nextPage();
        DrawGridPage(GridMode::SolutionGrid);
    }
    if (m_options.puzzlePage) {
        nextPage();
        DrawPuzzlePage();
    }
    m_canvas.EndDocument();
}

void PageComposer::NumberSquares() {
    m_numbers.fill(m_record);
}

void PageComposer::SetUpPageMetrics() {
    m_print.PreparePrintPage();
    m_canvas.SetFontName(Settings::readText(m_settings, Settings::MSFontName));
    m_canvas.SetFontSize(Settings::readInt(m_settings, Settings::MSFontSize));
    m_canvas.SetFontStyle(Settings::readFontStyle(m_settings, Settings::MSFontStyle));
    if (m_rules.appliesManuscriptColour)
        m_canvas.SetFontColour(Settings::readColour(m_settings, Settings::MSFontColor));

    // A line is at least one unit high, so that a degenerate font cannot divide by zero below.
    m_metrics.LineHeight = std::max(1, m_canvas.TextHeight("I") + m_rules.lineHeightOffset);
    m_metrics.SideMargin = m_canvas.PageWidth() / 17;
    m_metrics.TopMargin = m_canvas.PageHeight() / 22;
    const int bottomMargin = std::clamp(m_options.bottomMargin, ComposerOptions::kMinBottomMargin,
                                        ComposerOptions::kMaxBottomMargin);
    m_metrics.LinesPerPage =
        (m_canvas.PageHeight() - 2 * m_metrics.TopMargin) / m_metrics.LineHeight + 1 - bottomMargin;
}

int PageComposer::DrawPageHeader(HeaderKind kind) {
    const int L = m_metrics.LineHeight;
    const int s = m_metrics.SideMargin;
    const int t = m_metrics.TopMargin;
    const QByteArray name = setting(m_rules.name);

    m_canvas.SetFontStyle(FontStyle::Bold);
    const QByteArray title =
        kind == HeaderKind::First ? m_options.pageTitle : m_options.pageTitle + "  /" + name;
    m_canvas.TextOut(s, t, title);
    const int xP =
        m_canvas.PageWidth() - m_print.RightPrinterMargin() - s - m_canvas.TextWidth("Page 00");
    m_canvas.TextOut(xP, t, "Page " + QByteArray::number(m_canvas.PageNumber()));
    m_canvas.SetFontStyle(0);
    if (kind == HeaderKind::Continuation)
        return t + 3 * L;

    m_canvas.TextOut(s, t + 2 * L, name);
    m_canvas.TextOut(s, t + 3 * L, setting(m_rules.add1));
    m_canvas.TextOut(s, t + 4 * L, setting(m_rules.add2));
    m_canvas.TextOut(s, t + 5 * L, setting(m_rules.add3));
    const QByteArray add4 = setting(Settings::Add4);
    if (add4.isEmpty())
        return 10 * L;
    m_canvas.TextOut(s, t + 6 * L, add4);
    return 11 * L;
}

bool PageComposer::wordExists(int w) const {
    return w >= 1 && w <= kMaxWords && m_record.squareOf(100 + w) != 0;
}

bool PageComposer::hasLetter(int w, int p) const {
    return ClueList::hasLetter(m_record, w, p);
}

quint8 PageComposer::letterOf(int squareEntry) const {
    return m_record.letter(squareEntry / 100, squareEntry % 100);
}

QByteArray PageComposer::setting(const Settings::TextSetting& s) const {
    return Codepage::fromUnicodeLossy(Settings::readText(m_settings, s));
}

QByteArray labelWithStop(int word) {
    return WordLabel(word).toLatin1() + '.';
}
