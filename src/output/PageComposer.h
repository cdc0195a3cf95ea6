#pragma once

#include "output/ComposerOptions.h"
#include "output/SquareNumbers.h"
#include "output/TargetDescription.h"
#include "puzzle/PuzzleRecord.h"

#include <QByteArray>

class SettingsAccess;

// Set by SetUpPageMetrics and valid until its next call; target units.
struct PageMetrics {
    int LineHeight = 0;
    int SideMargin = 0;
    int TopMargin = 0;
    int LinesPerPage = 0;
};

enum class HeaderKind { First, Continuation };

// Draws the puzzle's pages onto a target: the manuscript, the three grid pages, the solution
// page and the puzzle page. Settings are read where they are used; the options are read from
// the owner's value at the moment each is needed. Nothing is kept between runs but the square
// numbers and the page metrics, both rebuilt before they are read.
class PageComposer {
public:
    PageComposer(const PuzzleRecord& record, const SettingsAccess& settings,
                 const PageTarget& target, const ComposerOptions& options);

    // One document of every chosen page kind, in the fixed order manuscript, manuscript grid,
    // numbered grid, solution grid, puzzle page; each kind after the first on a new page.
    void ComposeDocument();

    void NumberSquares();
    // Sets the manuscript font and computes the page metrics.
    void SetUpPageMetrics();
    // Draws a first or continuation page header; returns the y at which the body starts.
    int DrawPageHeader(HeaderKind kind);
    // One grid page on the current page; the caller starts new pages.
    void DrawGridPage(GridMode mode);
    // The manuscript pages, then a manuscript grid page and a solution page.
    void DrawManuscript();
    void DrawSolutionPage();
    // The puzzle page, its continuation pages and, when asked for, a solution page.
    void DrawPuzzlePage();

    const SquareNumbers& squareNumbers() const { return m_numbers; }
    const PageMetrics& pageMetrics() const { return m_metrics; }

private:
    struct GridPage;
    struct PuzzleBand;

    void drawGridSquareContent(const GridPage& page, int c, int r, int& k);
    void drawGridNumberAndLabel(const GridPage& page, int c, int r, int x, int y, int& k);
    int drawManuscriptClue(int w, int y);
    int drawAnswerRow(int w, int y);
    PuzzleBand drawTitleBand();
    void drawPuzzleGrid(const PuzzleBand& band);
    void drawPuzzleSquare(const PuzzleBand& band, int x, int y, quint8 ch, int code, int& k);
    void drawClueBlock(const PuzzleBand& band);
    int drawClue(const PuzzleBand& band, int w, int y, int lineHeight);
    int drawBlanks(int w, int y, int lineHeight, int size);
    void startContinuationPage(const PuzzleBand& band);

    bool wordExists(int w) const;
    bool hasLetter(int w, int p) const;
    quint8 letterOf(int squareEntry) const;
    QByteArray setting(const Settings::TextSetting& s) const;

    const PuzzleRecord& m_record;
    const SettingsAccess& m_settings;
    PageCanvas& m_canvas;
    const TargetDescription& m_rules;
    PrintTargetOperations& m_print;
    const ComposerOptions& m_options;
    SquareNumbers m_numbers;
    PageMetrics m_metrics;
};

// A word's label and full stop, as the clue lists print them: "A." .. "Z.", "aa." .. "dd.".
QByteArray labelWithStop(int word);
