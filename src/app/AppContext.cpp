#include "app/AppContext.h"

#include "puzzle/PuzzleFile.h"

void AppContext::SetEdited(bool edited) {
    m_edited = edited;
    emit editedChanged(edited);
}

void AppContext::LoadPuzzle(const QString& fileName) {
    puzzle = PuzzleFile::LoadPuzzle(fileName);
}

void AppContext::SavePuzzle(const QString& fileName) {
    PuzzleFile::SavePuzzle(fileName, puzzle);
    SetEdited(false);
}
