#include "puzzle/ui/EditorSet.h"

#include "puzzle/ui/GridView.h"
#include "puzzle/ui/TIxv7AutoForm.h"
#include "puzzle/ui/TIxv7GridForm.h"
#include "puzzle/ui/TIxv7SpecsForm.h"
#include "puzzle/ui/TIxv7SuggestForm.h"
#include "puzzle/ui/TIxv7TitleForm.h"
#include "puzzle/ui/TIxv7ToolForm.h"
#include "app/AppContext.h"

#include <QListWidget>

#include <limits>

void EditorSet::repaintGrid() {
    followChanges();
    if (grid)
        grid->canvas()->update();
}

void EditorSet::repaintTitle() {
    followChanges();
    if (title)
        title->canvas()->update();
}

void EditorSet::repaintLetterBox(bool always) {
    followChanges();
    if (tool && (always || tool->isShownNormally()))
        tool->LtrBox->update();
}

void EditorSet::followChanges() {
    if (suggest)
        suggest->followChanges();
}

bool EditorSet::clueWindowShown() const {
    return clues && clues->isShownNormally();
}

void EditorSet::selectSpecsRow(int row) {
    if (specs)
        specs->AcrList->setCurrentRow(row);
}

namespace {

int areaHeight(const QWidget* window) {
    return window && window->parentWidget() ? window->parentWidget()->height() : 600;
}

// The gap the bottom windows keep below the author-title window.
int gapBelowTitle(const AppContext& ctx) {
    return ctx.procs.ScaleToScreenHeight(6 * ctx.procs.FrameSize());
}

int smallestBottomHeight(const EditingWindow* window) {
    return window ? window->smallestClientHeight() + window->frameExtra().height() : 0;
}

} // namespace

void placeAtBottom(AppContext& ctx, EditorSet& editors, EditingWindow* window) {
    const int area = areaHeight(window);
    window->move(window->x(), area);
    const int width = 30 * ctx.procs.DefaultSquareSize() + window->frameExtra().width() + 1;
    const int titleBottom = editors.title ? editors.title->y() + editors.title->height() : 0;
    const int height = qMax(smallestBottomHeight(window), area - titleBottom - gapBelowTitle(ctx));
    window->resize(width, height);
    const int target = qMax(0, area - height - ctx.procs.FrameSize());
    if (editors.slideOn) {
        for (int top = window->y(); top > target; top -= 3)
            window->move(window->x(), top);
    }
    window->move(window->x(), target);
}

int fittingGridSquare(const EditorSet& editors, int top, int rows, int extra) {
    if (!editors.ctx || !editors.title || rows <= 0)
        return std::numeric_limits<int>::max();
    const AppContext& ctx = *editors.ctx;
    const int bottom =
        qMax(smallestBottomHeight(editors.tool), smallestBottomHeight(editors.clues));
    const int room = areaHeight(editors.title) - gapBelowTitle(ctx) - bottom -
                     editors.title->placedHeight() - ctx.procs.FrameSize() - top - extra;
    return qMax(10, room / rows);
}
