// Undo and redo of the open puzzle's edits: the Edit tab's two buttons, their keys, and the
// windows brought in line with the record returned to.
#include "app/AppContext.h"
#include "app/ui/TIxv7MainForm.h"
#include "app/ui/TMsgBar.h"
#include "base/Codepage.h"
#include "puzzle/Statistics.h"
#include "puzzle/ui/TIxv7AutoForm.h"
#include "puzzle/ui/TIxv7GridForm.h"
#include "puzzle/ui/TIxv7SpecsForm.h"
#include "puzzle/ui/TIxv7ToolForm.h"

#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QToolButton>
#include <QToolTip>

namespace {

// The widget with the keyboard when it keeps an undo of its own typing (line and text fields).
QWidget* textFieldWithFocus() {
    QWidget* focus = QApplication::focusWidget();
    return focus && focus->metaObject()->indexOfSlot("undo()") >= 0 ? focus : nullptr;
}

} // namespace

void TIxv7MainForm::setUpUndo() {
    UndoAction = new QAction(QStringLiteral("Undo"), this);
    UndoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    RedoAction = new QAction(QStringLiteral("Redo"), this);
    RedoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction* action : {UndoAction, RedoAction}) {
        const bool back = action == UndoAction;
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, back] {
            // A field takes Ctrl+Z itself; the other keys reach it from here.
            if (QWidget* field = textFieldWithFocus())
                QMetaObject::invokeMethod(field, back ? "undo" : "redo");
            else
                stepThroughHistory(back);
        });
        addAction(action);
    }
    connect(button(QStringLiteral("UndoBtn")), &QToolButton::clicked, this,
            &TIxv7MainForm::UndoBtnClick);
    connect(button(QStringLiteral("RedoBtn")), &QToolButton::clicked, this,
            &TIxv7MainForm::RedoBtnClick);
    connect(&m_ctx, &AppContext::historyChanged, this, &TIxv7MainForm::updateUndoButtons);
    updateUndoButtons();
}

void TIxv7MainForm::UndoBtnClick() {
    stepThroughHistory(true);
}

void TIxv7MainForm::RedoBtnClick() {
    stepThroughHistory(false);
}

// Each button names the step it would take back or forward.
void TIxv7MainForm::updateUndoButtons() {
    const UndoHistory& history = m_ctx.undoHistory();
    const auto describe = [this](const char* name, bool enabled, const QString& hint,
                                 const char* keys) {
        QToolButton* b = button(QLatin1String(name));
        b->setEnabled(enabled);
        b->setStatusTip(hint);
        b->setToolTip(QStringLiteral("%1 (%2)").arg(hint, QLatin1String(keys)));
        if (b->underMouse()) {
            MsgBar->setPanelText(0, hint);
            if (QToolTip::isVisible()) // the tip shown is the button's, which has just changed
                QToolTip::showText(QCursor::pos(), b->toolTip(), b);
        }
    };
    describe("UndoBtn", history.canUndo(),
             history.canUndo() ? QStringLiteral("Undo ") + history.undoDescription()
                               : QStringLiteral("Nothing to undo"),
             "Ctrl+Z");
    describe("RedoBtn", history.canRedo(),
             history.canRedo() ? QStringLiteral("Redo ") + history.redoDescription()
                               : QStringLiteral("Nothing to redo"),
             "Ctrl+Y");
}

// Panel 1 names what was undone or redone for a second, then shows the statistics of the
// puzzle as it now is.
void TIxv7MainForm::stepThroughHistory(bool back) {
    if (!m_ctx.puzzleOpen()) {
        FlashNoPuzzle();
        return;
    }
    const QByteArray name = m_ctx.puzzle.ConstructorName.bytes();
    const std::optional<QString> step = back ? m_ctx.undo() : m_ctx.redo();
    if (step)
        showRestoredPuzzle(name != m_ctx.puzzle.ConstructorName.bytes());
    const QString notice =
        step   ? (back ? QStringLiteral("Undone: ") : QStringLiteral("Redone: ")) + *step
        : back ? QStringLiteral("Nothing to Undo!")
               : QStringLiteral("Nothing to Redo!");
    MsgBar->setPanelText(1, notice);
    m_ctx.procs.WaitPumping(1000);
    MsgBar->setPanelText(1, PuzzleStatistics(m_ctx.puzzle));
}

// Every window that shows the record shows it as restored; the selected word was kept by the
// history while it still has a letter.
void TIxv7MainForm::showRestoredPuzzle(bool nameChanged) {
    const PuzzleRecord& rec = m_ctx.puzzle;
    if (m_editors.grid) {
        const auto square = m_editors.grid->selectedSquare();
        if (square && rec.code(square->x(), square->y()) != CodeFree)
            m_editors.grid->clearSelectedSquare();
    }
    m_editors.repaintGrid();
    m_editors.repaintTitle();
    m_editors.repaintLetterBox();
    // A name typed in "By:" and not yet taken in stays, unless the step was the name's.
    if (nameChanged && m_editors.tool)
        m_editors.tool->ByEd->setText(Codepage::toUnicode(rec.ConstructorName.bytes()));
    if (m_editors.clueWindowShown()) {
        TIxv7AutoForm* clues = m_editors.clues;
        clues->reloadClues();
        if (m_ctx.SelectedWord != 0) {
            clues->selectRow(m_ctx.SelectedWord - 1);
            clues->ClueListMouseUp(0);
            clues->ShowWordLabels();
        }
    }
    if (m_editors.specs) {
        // Filling the rows hands the focus to the window's Close button; it stays where it was.
        QWidget* focus = QApplication::focusWidget();
        m_editors.specs->FillSpecsLabels();
        m_editors.specs->FillWordRows();
        m_editors.selectSpecsRow(m_ctx.SelectedWord - 1);
        if (focus)
            focus->setFocus();
    }
}
