#pragma once

#include "app/History.h"
#include "app/TIxvProcs.h"
#include "puzzle/LetterSets.h"
#include "puzzle/PuzzleRecord.h"

#include <QObject>
#include <QString>

// What one run of the program shares between its windows: the application data module, the
// one open puzzle record, its file and edited state, the editing state and the letter sets in
// force.
class AppContext : public QObject {
    Q_OBJECT
public:
    explicit AppContext(TIxvProcs& p, QObject* parent = nullptr) : QObject(parent), procs(p) {}

    TIxvProcs& procs;
    PuzzleRecord puzzle = PuzzleRecord::zeroed();
    LetterState letters;
    QString CurrentFile;  // the open puzzle's file; a puzzle is open exactly when not empty
    int EditMode = 0;     // 1 quote editing, 2 word building; 0 before the first opening
    int SelectedWord = 0; // 0 or 1..30

    bool puzzleOpen() const { return !CurrentFile.isEmpty(); }
    bool Edited() const { return m_edited; }
    void SetEdited(bool edited);

    // Replaces the record with the puzzle in the file; on failure (IoError) the record stays
    // as it was.
    void LoadPuzzle(const QString& fileName);
    // Writes the record to the file and clears the edited state; raises IoError on failure,
    // leaving the edited state and the previous file as they were.
    void SavePuzzle(const QString& fileName);

    History history() const { return History(TIxvProcs::SpecialFolderPath(26)); }

signals:
    void editedChanged(bool edited);

private:
    bool m_edited = false;
};
