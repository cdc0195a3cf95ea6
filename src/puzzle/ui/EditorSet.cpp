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

void placeAtBottom(AppContext& ctx, EditorSet& editors, EditingWindow* window) {
    const QWidget* area = window->parentWidget();
    const int areaHeight = area ? area->height() : 600;
    window->move(window->x(), areaHeight);
    const int width = 30 * ctx.procs.DefaultSquareSize() + window->frameExtra().width() + 1;
    const int titleBottom = editors.title ? editors.title->y() + editors.title->height() : 0;
    const int height = qMax(160, areaHeight - titleBottom -
                                     ctx.procs.ScaleToScreenHeight(6 * ctx.procs.FrameSize()));
    window->resize(width, height);
    const int target = qMax(0, areaHeight - height - ctx.procs.FrameSize());
    if (editors.slideOn) {
        for (int top = window->y(); top > target; top -= 3)
            window->move(window->x(), top);
    }
    window->move(window->x(), target);
}
