#pragma once

#include "app/History.h"
#include "app/TIxvProcs.h"
#include "app/UndoHistory.h"
#include "puzzle/LetterSets.h"
#include "puzzle/PuzzleRecord.h"

#include <QObject>
#include <QString>

#include <optional>

// What one run of the program shares between its windows: the application data module, the
// one open puzzle record, its file and edited state, the editing state and the letter sets in
// force.
class AppContext : public QObject {
    Q_OBJECT
public:
    explicit AppContext(TIxvProcs& p, QObject* parent = nullptr);

    TIxvProcs& procs;
    PuzzleRecord puzzle = PuzzleRecord::zeroed();
    LetterState letters;
    QString CurrentFile;  // the open puzzle's file; a puzzle is open exactly when not empty
    int EditMode = 0;     // 1 quote editing, 2 word building; 0 before the first opening
    int SelectedWord = 0; // 0 or 1..30

    bool puzzleOpen() const { return !CurrentFile.isEmpty(); }
    bool Edited() const { return m_edited; }
    // Every edit ends by marking the puzzle edited; that also takes the record's change into
    // the undo history.
    void SetEdited(bool edited);

    // Replaces the record with the puzzle in the file; on failure (IoError) the record stays
    // as it was.
    void LoadPuzzle(const QString& fileName);
    // Writes the record to the file and clears the edited state; raises IoError on failure,
    // leaving the edited state and the previous file as they were.
    void SavePuzzle(const QString& fileName);

    // Undo and redo. Opening a puzzle starts an empty history, and so does startHistory (for a
    // puzzle made in memory). Going back or forward leaves the puzzle edited exactly when the
    // record differs from the one last read or written, and keeps the selected word while it
    // still has a letter. Each returns the description of the step, or nullopt when there was
    // none.
    const UndoHistory& undoHistory() const { return m_history; }
    void startHistory();
    std::optional<QString> undo();
    std::optional<QString> redo();
    // Every change until endEditGroup becomes one step.
    void beginEditGroup();
    // The next change begins a step of its own: a clue field's visit has ended.
    void endEditGroup();

    History history() const { return History(TIxvProcs::SpecialFolderPath(26)); }

signals:
    void editedChanged(bool edited);
    // Something can be undone or redone that could not, or the steps' descriptions changed.
    void historyChanged();

private:
    void recordChange();
    std::optional<QString> restore(const std::optional<UndoHistory::Move>& move);

    bool m_edited = false;
    UndoHistory m_history;
    QByteArray m_saved; // the record as last read or written; empty when it is neither
};
