// How pages are laid out on the PDF target: tenths of a millimetre from the paper's top-left
// corner, font heights in 1/96 inch, black squares always black, and the font sizes of the grid
// pages taken straight from the square's side.
#include "output/ComposerOptions.h"
#include "output/TargetDescription.h"

#include "base/Rounding.h"

namespace {

class NoPrintOperations : public PrintTargetOperations {
public:
    void BeginBatch() override {}
    void EndBatch() override {}
    void SetPortrait() override {}
    void UsePrinterMargins() override {}
    void PreparePrintPage() override {}
    void SetDocumentTitle(const QString&) override {}
    int RightPrinterMargin() const override { return 0; }
};

int rounded(qint64 num, qint64 den) {
    return int(roundDivHalfEven(num, den));
}

GridFontHeights fitGridFonts(PageCanvas& canvas, int q, GridMode mode) {
    GridFontHeights heights;
    heights.number = rounded(q, 8);
    if (mode == GridMode::SolutionGrid) {
        heights.letter = rounded(q * 10, 26); // q / 2.6
        canvas.SetFontHeight(heights.letter);
        return heights;
    }
    canvas.SetFontName(QStringLiteral("Arial"));
    canvas.SetFontStyle(0);
    if (mode == GridMode::ManuscriptGrid) {
        heights.letter = rounded(q, 4);
        canvas.SetFontHeight(heights.letter);
    }
    return heights;
}

TargetDescription describe() {
    TargetDescription d;
    d.lineHeightOffset = -1;
    d.appliesManuscriptColour = false;
    d.name = Settings::NameInDocument;
    d.add1 = Settings::Add1InDocument;
    d.add2 = Settings::Add2InDocument;
    d.add3 = Settings::Add3InDocument;

    d.fitGridFonts = fitGridFonts;
    d.gridShiftSquares = 0;
    d.gridFrame = {2, 2, 3, 3};
    d.gridNumberDrop = 1;
    d.numberInset = [](PageCanvas& c) { return rounded(2 * c.TextWidth(" "), 3); };
    d.labelInset = [](PageCanvas& c) { return c.TextWidth("a") - 4; };
    d.punctuationInset = 2;
    d.punctuationRaise = 6;
    d.letterInsets = {6, 15, 20, 12};
    d.letterDrop = [](PageCanvas&, int q) { return q / 5; };
    d.solutionLetterTop = [](PageCanvas& c, int y, int q) {
        return y - (q - c.TextHeight("H")) / 2;
    };

    d.centresPuzzleGrid = true;
    d.puzzleFrame = {2, 2, 3, 3};
    d.ruleEnd = [](int pageWidth, int q, int) { return pageWidth - q; };
    d.continuationRuleEnd = [](int pageWidth, int q) { return pageWidth - q; };
    d.drawsCredit = true;
    d.solutionFollowsPuzzlePage = [](const ComposerOptions& options, const SettingsAccess&) {
        return options.solutionWithPuzzlePage;
    };
    return d;
}

} // namespace

const TargetDescription& TargetDescription::pdf() {
    static const TargetDescription description = describe();
    return description;
}

PageTarget PageTarget::pdfTarget(PageCanvas& canvas) {
    static NoPrintOperations none;
    return {canvas, TargetDescription::pdf(), none};
}
