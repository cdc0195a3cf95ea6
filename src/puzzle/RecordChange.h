#pragma once

#include "puzzle/PuzzleRecord.h"

#include <QString>

// What one edit did to the puzzle, found by comparing the record before and after it: the undo
// history names its steps with it ("pick of E in word C") and groups the keystrokes of one clue.
struct RecordChange {
    enum class Kind {
        None,
        Pick,            // free squares picked into one word
        TakeOut,         // letters taken out of one word
        Spill,           // every letter but the initial returned from one word
        Retype,          // one square's letter retyped in quote editing
        Clue,            // one word's clue
        ConstructorName, // the name given in "By:"
        Several,         // anything else, or changes of more than one kind
    };
    Kind kind = Kind::None;
    int word = 0; // the word picked into, taken from or spilled, or whose clue changed
    QString description;
};

RecordChange describeChange(const PuzzleRecord& before, const PuzzleRecord& after);
