#pragma once

#include "puzzle/PuzzleRecord.h"

#include <QByteArray>

// The clues as plain text for pasting into other documents: one line per listed word, its
// label, a full stop, a space, the clue as stored, then for each answer letter a space and the
// letter's square number right-aligned in three places. Windows-1252, lines ended by CR LF.
QByteArray CluesText(const PuzzleRecord& record);
