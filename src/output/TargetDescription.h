#pragma once

#include "output/PageCanvas.h"
#include "prefs/SettingsCatalogue.h"

#include <QtGlobal>

struct ComposerOptions;
class SettingsAccess;

enum class GridMode { ManuscriptGrid = 1, NumberedGrid = 2, SolutionGrid = 3 };

// Font heights (target font units) fixed once for a grid page.
struct GridFontHeights {
    int number = 0; // square numbers and labels
    int letter = 0; // letters of the manuscript and solution grids
};

// How far a frame reaches past the grid it surrounds, on each side, in target units: the
// rectangle runs from (left - this.left, top - this.top) to (left + width + this.right,
// top + height + this.bottom).
struct FrameInsets {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A manuscript-grid letter ends this far left of where an "M" would end, so that each letter
// sits in the lower right corner of its square.
struct LetterInsets {
    int I = 0;
    int M = 0;
    int W = 0;
    int other = 0;
    int forLetter(quint8 ch) const { return ch == 'I' ? I : ch == 'M' ? M : ch == 'W' ? W : other; }
};

// Everything in which the print and PDF targets lay out pages differently; the composer reads
// it and has no other knowledge of its target. q is the side of a square, x and y a square's
// top-left corner, all in target units.
struct TargetDescription {
    // LineHeight is TH("I") plus this.
    int lineHeightOffset = 0;
    // Whether the manuscript font takes MSFontColor (and keeps it for the rest of the run).
    bool appliesManuscriptColour = false;
    // The header's identity lines and what each falls back on when the user has none.
    Settings::TextSetting name{};
    Settings::TextSetting add1{};
    Settings::TextSetting add2{};
    Settings::TextSetting add3{};

    // Grid pages. Sets the mode's fonts (Arial at height q on entry) and gives their heights.
    GridFontHeights (*fitGridFonts)(PageCanvas& canvas, int q, GridMode mode) = nullptr;
    // The grid sits centred across the page, then this many squares to the left.
    int gridShiftSquares = 0;
    FrameInsets gridFrame;
    // Numbers and labels of a grid page start this far below the square's top.
    int gridNumberDrop = 0;
    // A square's number starts this far right of its left edge (in the number font).
    int (*numberInset)(PageCanvas& canvas) = nullptr;
    // Its label ends this far left of its right edge (in the number font).
    int (*labelInset)(PageCanvas& canvas) = nullptr;
    // An apostrophe or hyphen stands at (x + q - TW("aa") - punctuationInset,
    // y + q - TH("I") - punctuationRaise).
    int punctuationInset = 0;
    int punctuationRaise = 0;
    LetterInsets letterInsets;
    // The manuscript-grid letter's top below the square's top (in the letter font).
    int (*letterDrop)(PageCanvas& canvas, int q) = nullptr;
    // The solution-grid letter's top for a square whose top is y (in the letter font).
    int (*solutionLetterTop)(PageCanvas& canvas, int y, int q) = nullptr;

    // Puzzle page. The grid is centred on the page, or starts one square from its left edge.
    bool centresPuzzleGrid = false;
    FrameInsets puzzleFrame;
    // Where the rule under the title band ends, on the first page and on continuation pages.
    int (*ruleEnd)(int pageWidth, int q, int gridWidth) = nullptr;
    int (*continuationRuleEnd)(int pageWidth, int q) = nullptr;
    // Whether the title band may carry the "by" credit (when "By" is checked).
    bool drawsCredit = false;
    // Whether a solution page follows the puzzle page.
    bool (*solutionFollowsPuzzlePage)(const ComposerOptions& options,
                                      const SettingsAccess& settings) = nullptr;

    // Twips from the printable area's corner, font heights in 1/600 inch.
    static const TargetDescription& print();
    // Tenths of a millimetre from the paper's corner, font heights in 1/96 inch.
    static const TargetDescription& pdf();
};

// A target the composer draws on: its canvas, its description, and its print operations (which
// do nothing on the PDF target, whose right printer margin is 0).
struct PageTarget {
    PageCanvas& canvas;
    const TargetDescription& rules;
    PrintTargetOperations& print;

    static PageTarget printTarget(PageCanvas& canvas, PrintTargetOperations& operations);
    static PageTarget pdfTarget(PageCanvas& canvas);
};
