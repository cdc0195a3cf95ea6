#include "EditorSet.h"

#include "GridCanvas.h"
#include "TIxv7GridForm.h"
#include "TIxv7TitleForm.h"
#include "TIxv7ToolForm.h"

void EditorSet::repaintGrid() {
    if (grid)
        grid->canvas()->update();
}

void EditorSet::repaintTitle() {
    if (title)
        title->canvas()->update();
}

void EditorSet::repaintLetterBox(bool always) {
    if (tool && (always || tool->isShownNormally()))
        tool->LtrBox->update();
}

bool EditorSet::clueWindowShown() const { return false; }
