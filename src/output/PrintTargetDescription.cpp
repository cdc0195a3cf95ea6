// How pages are laid out on the print target: twips from the printable area's top-left corner,
// font heights in 1/600 inch, the manuscript colour applied, the grid pages' fonts fitted to
// the square by measuring, and the rules of the puzzle page cut to the grid's own width.
#include "output/ComposerOptions.h"
#include "output/FontFitting.h"
#include "output/TargetDescription.h"

#include "prefs/SettingsCatalogue.h"

namespace {

// Numbers with a two-letter label must fit a square; the manuscript letters fill three
// quarters of it; the solution letters fit its height.
GridFontHeights fitGridFonts(PageCanvas& canvas, int q, GridMode mode) {
    GridFontHeights heights;
    if (mode == GridMode::SolutionGrid) {
        heights.letter = q;
        if (canvas.TextHeight("A") > q - 1)
            heights.letter = FontFitting::lowerHeightUntil(
                canvas, q, [&] { return canvas.TextHeight("A") < q - 1; });
        heights.number = heights.letter;
        return heights;
    }
    canvas.SetFontName(QStringLiteral("Arial"));
    canvas.SetFontStyle(0);
    heights.number = q;
    if (canvas.TextWidth("999aa") > q - 1)
        heights.number = FontFitting::lowerHeightUntil(
            canvas, q, [&] { return canvas.TextWidth("999aa") < q - 4; });
    if (mode == GridMode::ManuscriptGrid)
        heights.letter =
            FontFitting::raiseHeightUntil(canvas, heights.number, heights.number + q,
                                          [&] { return canvas.TextHeight("A") >= q / 4 * 3; });
    return heights;
}

TargetDescription describe() {
    TargetDescription d;
    d.lineHeightOffset = 5;
    d.appliesManuscriptColour = true;
    d.name = Settings::NameInDialog;
    d.add1 = Settings::Add1InDialog;
    d.add2 = Settings::Add2InDialog;
    d.add3 = Settings::Add3InDialog;

    d.fitGridFonts = fitGridFonts;
    d.gridShiftSquares = 1;
    d.gridFrame = {3, 3, 4, 4};
    d.gridNumberDrop = 2;
    d.numberInset = [](PageCanvas&) { return 22; };
    d.labelInset = [](PageCanvas&) { return 22; };
    d.punctuationInset = 12;
    d.punctuationRaise = 0;
    d.letterInsets = {8, 14, 15, 12};
    d.letterDrop = [](PageCanvas& c, int q) { return q - c.TextHeight("I") + 2; };
    d.solutionLetterTop = [](PageCanvas& c, int y, int q) {
        return y + (q - c.TextHeight("I")) / 2;
    };

    d.centresPuzzleGrid = false;
    d.puzzleFrame = {0, 3, 0, 4};
    d.ruleEnd = [](int, int q, int gridWidth) { return q + (gridWidth == 31 ? 31 : 30) * q; };
    d.continuationRuleEnd = [](int pageWidth, int q) { return pageWidth - 2 * q; };
    d.drawsCredit = false;
    d.solutionFollowsPuzzlePage = [](const ComposerOptions&, const SettingsAccess& settings) {
        return Settings::readBoolEqualsTrue(settings, Settings::PuzPageSol);
    };
    return d;
}

} // namespace

const TargetDescription& TargetDescription::print() {
    static const TargetDescription description = describe();
    return description;
}

PageTarget PageTarget::printTarget(PageCanvas& canvas, PrintTargetOperations& operations) {
    return {canvas, TargetDescription::print(), operations};
}
