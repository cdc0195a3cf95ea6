// The main window's handlers that drive the editing windows: creating them, the two editing
// modes and Spill.
#include "AppContext.h"
#include "TIxv7MainForm.h"
#include "puzzle/TIxv7GridForm.h"
#include "puzzle/TIxv7TitleForm.h"
#include "puzzle/TIxv7ToolForm.h"
#include "puzzle/WordOperations.h"

#include <QButtonGroup>
#include <QMdiArea>
#include <QToolButton>

// Each editing window is made once for the whole run and hidden until a puzzle is opened.
void TIxv7MainForm::createEditingWindows() {
    auto* modes = new QButtonGroup(this);
    modes->setExclusive(true);
    for (const char* name : {"SquaresBtn", "LettersBtn"}) {
        QToolButton* b = button(QLatin1String(name));
        b->setCheckable(true);
        modes->addButton(b);
    }
    button(QStringLiteral("LettersBtn"))->setChecked(true);

    const int frame = m_ctx.procs.FrameSize();
    auto* grid = new TIxv7GridForm(m_ctx, m_editors);
    mdiArea->addSubWindow(grid);
    grid->move(frame, frame);
    grid->resizeEnabled = false;
    m_editors.grid = grid;

    auto* title = new TIxv7TitleForm(m_ctx, m_editors);
    mdiArea->addSubWindow(title);
    title->move(frame, m_ctx.procs.metrics().screenHeight - 2 * frame);
    m_editors.title = title;

    auto* tool = new TIxv7ToolForm(m_ctx, m_editors);
    mdiArea->addSubWindow(tool);
    tool->move(frame, m_ctx.procs.metrics().screenHeight - 2 * frame);
    m_editors.tool = tool;

    for (EditingWindow* w : std::initializer_list<EditingWindow*>{grid, title, tool}) {
        w->show();
        w->minimizeToHidden();
    }
}

void TIxv7MainForm::SquaresBtnClick() {
    if (!m_ctx.puzzleOpen())
        return;
    m_ctx.SelectedWord = 0;
    m_editors.repaintTitle();
    // Entering quote editing saves the words built so far, without a question.
    if (m_ctx.Edited())
        m_ctx.SavePuzzle(m_ctx.CurrentFile);
    m_editors.repaintGrid();
    m_ctx.EditMode = 1;
}

void TIxv7MainForm::LettersBtnClick() {
    if (!m_ctx.puzzleOpen())
        return;
    m_ctx.EditMode = 2;
    if (m_editors.grid)
        m_editors.grid->clearSelectedSquare();
}

void TIxv7MainForm::SpillBtnClick() {
    if (m_ctx.SelectedWord == 0)
        return;
    WordOps::spill(m_ctx.puzzle, m_ctx.SelectedWord);
    m_editors.repaintGrid();
    m_editors.repaintTitle();
    m_editors.repaintLetterBox();
    m_ctx.SetEdited(true);
}

void TIxv7MainForm::SpillActionExecute() {
    if (m_ctx.EditMode == 2)
        button(QStringLiteral("SpillBtn"))->click();
}

void TIxv7MainForm::openHistoryEntry(const QString& file) {
    m_ctx.LoadPuzzle(file);
    m_ctx.CurrentFile = file;
    m_ctx.SetEdited(false);
    ShowOpenedPuzzle();
}
