// The main window's handlers that drive the editing windows: creating them, the two editing
// modes and Spill.
#include "app/AppContext.h"
#include "app/ui/TIxv7MainForm.h"
#include "app/ui/TMsgBar.h"
#include "puzzle/ui/TIxv7AutoForm.h"
#include "puzzle/ui/TIxv7GridForm.h"
#include "puzzle/ui/TIxv7SpecsForm.h"
#include "puzzle/ui/TIxv7TitleForm.h"
#include "puzzle/ui/TIxv7ToolForm.h"
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
    connect(tool, &TIxv7ToolForm::historyEntryChosen, this, [this](int row) {
        if (m_ctx.Edited() && !AskSaveChanges())
            return;
        m_editors.tool->openHistoryRow(row, [this](const QString& file) { openHistoryEntry(file); });
    });

    auto* clues = new TIxv7AutoForm(m_ctx, m_editors);
    mdiArea->addSubWindow(clues);
    clues->move(frame, m_ctx.procs.metrics().screenHeight - 2 * frame);
    m_editors.clues = clues;

    for (EditingWindow* w : std::initializer_list<EditingWindow*>{grid, title, tool, clues}) {
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
    if (m_ctx.SelectedWord == 0 || !m_ctx.puzzleOpen())
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

// "Clues..." shows the clue editing window in place of the construction tool window;
// "Acrostic..." switches back.
void TIxv7MainForm::AutoclueBtnClick() {
    if (!m_ctx.puzzleOpen()) {
        MsgBar->setPanelText(1, QStringLiteral("No Puzzle Currently Opened!"));
        m_ctx.procs.WaitPumping(1000);
        MsgBar->setPanelText(1, QString());
        return;
    }
    const int hiddenTop = mdiArea->height() - 2 * m_ctx.procs.FrameSize();
    if (m_editors.tool && !m_editors.tool->isShownNormally()) {
        if (m_editors.clues) {
            m_editors.clues->CloseCharMap();
            m_editors.clues->move(m_editors.clues->x(), hiddenTop);
            m_editors.clues->minimizeToHidden();
        }
        m_editors.tool->FormShow();
        setCluesButton(false);
    } else {
        if (m_editors.tool) {
            m_editors.tool->move(m_editors.tool->x(), hiddenTop);
            m_editors.tool->minimizeToHidden();
        }
        if (m_editors.clues)
            m_editors.clues->FormShow();
        setCluesButton(true);
    }
}

void TIxv7MainForm::setCluesButton(bool cluesShown) {
    QToolButton* b = button(QStringLiteral("AutoclueBtn"));
    b->setText(cluesShown ? QStringLiteral("Acrostic...") : QStringLiteral("Clues..."));
    b->setStatusTip(cluesShown ? QStringLiteral("Open acrostic construction / edit window.")
                               : QStringLiteral("Open acrostic clue edit window."));
    b->setIcon(QIcon(cluesShown ? QStringLiteral(":/icons/acrostic.svg")
                                : QStringLiteral(":/icons/clues.svg")));
    if (b->underMouse()) // the hint shown is the button's, which has just changed
        MsgBar->setPanelText(0, b->statusTip());
}

// Opens the specifications window near the top right of the editing area, or closes it.
void TIxv7MainForm::SpecsBtnClick() {
    if (m_editors.specs) {
        m_editors.specs->close();
        return;
    }
    auto* specs = new TIxv7SpecsForm(m_ctx, m_editors);
    mdiArea->addSubWindow(specs);
    m_editors.specs = specs;
    const int frame = m_ctx.procs.FrameSize();
    specs->move(mdiArea->width() - specs->width() - frame, frame);
    specs->show();
}
