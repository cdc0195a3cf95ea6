#pragma once

#include "TIxvProcs.h"
#include "puzzle/LetterSets.h"
#include "puzzle/PuzzleRecord.h"

#include <QString>

// What one run of the program shares between its windows: the application data module, the
// one open puzzle record and the letter sets in force.
struct AppContext {
    explicit AppContext(TIxvProcs& p) : procs(p) {}

    TIxvProcs& procs;
    PuzzleRecord puzzle = PuzzleRecord::zeroed();
    LetterState letters;
    QString CurrentFile; // the open puzzle's file; a puzzle is open exactly when not empty
    bool Edited = false;
};
