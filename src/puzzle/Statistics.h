#pragma once

#include "puzzle/PuzzleRecord.h"

#include <QString>

struct PuzzleCounts {
    int letters = 0;    // squares other than apostrophe, hyphen and black
    int words = 0;      // initial letters in the grid
    int vowels = 0;     // A E I O U Y
    int consonants = 0; // the other 20 letters of 'A'..'Z'
};

PuzzleCounts countPuzzle(const PuzzleRecord& record);

// The one-line statistics of the status bar. A puzzle without words has the ratio 0.
QString PuzzleStatistics(const PuzzleRecord& record);
