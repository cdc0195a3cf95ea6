#pragma once

// The puzzles of the hand-written manuscript and clues files in tests/data/output, and the
// settings each file was written for.
#include "OutputFixtures.h"
#include "prefs/SettingsCatalogue.h"

#include <QFile>

// A 10 x 10 lettered grid (square (c, r) holds 'A' + (10(r-1) + c-1) mod 26 and carries the
// number 10(r-1) + c). Word A sits on squares 9, 10 and 100 and has curly quotes to make;
// word B has a gap after its second letter and a clue holding braces and a backslash; word C
// has a clue but no letters; word D has letters but no clue, so the list stops before it and
// word E is never listed.
inline PuzzleRecord manuscriptPuzzle() {
    TestPuzzle p = TestPuzzle::lettered(10, 10);
    p.letter(1, 1, 9, 1).letter(1, 2, 10, 1).letter(1, 3, 10, 10);
    p.clue(1, "He said \"go\" and it's done");
    p.letter(2, 1, 1, 2).letter(2, 2, 2, 2).letter(2, 4, 4, 2);
    p.clue(2, "Braces {x} and a \\ slash");
    p.clue(3, "No letters yet");
    p.letter(4, 1, 1, 3);
    p.letter(5, 1, 2, 3).clue(5, "Never listed");
    return p.record;
}

// A 30 x 1 lettered grid, A to Z then A to D; word w has the one letter on square w and the
// clue "Word w".
inline PuzzleRecord thirtyWordPuzzle() {
    TestPuzzle p = TestPuzzle::lettered(30, 1);
    for (int w = 1; w <= 30; ++w)
        p.letter(w, 1, w, 1).clue(w, "Word " + QByteArray::number(w));
    return p.record;
}

// The name and address of thirty-words.rtf: a name with braces and a fourth address line.
inline void storeThirtyWordAddress(SettingsAccess& settings) {
    Settings::writeText(settings, Settings::NameInDocument, QStringLiteral("Ann {Setter}"));
    Settings::writeText(settings, Settings::Add1InDocument, QStringLiteral("1 Main St"));
    Settings::writeText(settings, Settings::Add2InDocument, QStringLiteral("Town"));
    Settings::writeText(settings, Settings::Add3InDocument, QStringLiteral("Tel 555"));
    Settings::writeText(settings, Settings::Add4, QStringLiteral("Country"));
}

inline QByteArray goldenFile(const QString& name) {
    QFile f(QStringLiteral(IXV_TEST_DATA "/output/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
