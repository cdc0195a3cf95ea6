#include "app/AppContext.h"

#include "puzzle/PuzzleFile.h"
#include "puzzle/WordOperations.h"

AppContext::AppContext(TIxvProcs& p, QObject* parent) : QObject(parent), procs(p) {
    m_history.start(puzzle.toBytes());
}

void AppContext::SetEdited(bool edited) {
    if (edited)
        recordChange();
    m_edited = edited;
    emit editedChanged(edited);
}

void AppContext::LoadPuzzle(const QString& fileName) {
    puzzle = PuzzleFile::LoadPuzzle(fileName);
    m_saved = puzzle.toBytes();
    startHistory();
}

void AppContext::SavePuzzle(const QString& fileName) {
    recordChange();
    PuzzleFile::SavePuzzle(fileName, puzzle);
    m_saved = puzzle.toBytes();
    // Undo returns to what was saved before it goes further back.
    m_history.endGroup();
    SetEdited(false);
}

void AppContext::recordChange() {
    if (m_history.record(puzzle.toBytes()))
        emit historyChanged();
}

void AppContext::startHistory() {
    const QByteArray bytes = puzzle.toBytes();
    if (bytes != m_saved)
        m_saved.clear();
    m_history.start(bytes);
    emit historyChanged();
}

void AppContext::beginEditGroup() {
    recordChange();
    m_history.beginGroup();
}

void AppContext::endEditGroup() {
    m_history.endGroup();
}

std::optional<QString> AppContext::undo() {
    recordChange();
    return restore(m_history.undo());
}

std::optional<QString> AppContext::redo() {
    recordChange();
    return restore(m_history.redo());
}

std::optional<QString> AppContext::restore(const std::optional<UndoHistory::Move>& move) {
    if (!move)
        return std::nullopt;
    puzzle = PuzzleRecord::fromBytes(move->record);
    // The selected word stays while it is there, that is while it has a letter.
    if (SelectedWord != 0 && !WordOps::holdsAnyLetter(puzzle, SelectedWord))
        SelectedWord = 0;
    SetEdited(move->record != m_saved);
    emit historyChanged();
    return move->description;
}
