#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

// What the owning window (or the command line) tells the page composer, read by the composer
// at the moment it needs each value.
struct ComposerOptions {
    static constexpr int kMinBottomMargin = 1;
    static constexpr int kMaxBottomMargin = 9;
    static constexpr quint32 kBlack = 0x000000;
    static constexpr quint32 kSilver = 0xC0C0C0;

    // The "Title" box, in Windows-1252.
    QByteArray pageTitle;
    // "Bottom margin": lines left free at the foot of a manuscript page, 1 to 9.
    int bottomMargin = kMinBottomMargin;
    // Colour of black squares, 0x00BBGGRR.
    quint32 blackSquareColour = kBlack;
    // "By" (ByChk): the PDF puzzle page carries a credit line.
    bool by = true;
    // "Sol with Puzzle Page" (SolOkChk): the PDF puzzle page is followed by a solution page.
    bool solutionWithPuzzlePage = true;

    // The "Pages" list.
    bool manuscript = true;      // MSChk "Manuscript"
    bool manuscriptGrid = false; // MSGChk "Manuscript Grid Only"
    bool numberedGrid = false;   // NGChk "Numbered Grid"
    bool solutionGrid = false;   // SGChk "Solution Grid"
    bool puzzlePage = false;     // PPChk "Puzzle Page"

    // The Solution window's lines as its box shows them (SolutionText::lines).
    QList<QByteArray> solutionLines;

    bool anyPageChosen() const {
        return manuscript || manuscriptGrid || numberedGrid || solutionGrid || puzzlePage;
    }
    // Chooses the pages named in a comma-separated list of "ms" (manuscript), "msg"
    // (manuscript grid), "ng" (numbered grid), "sg" (solution grid) and "pp" (puzzle page), in
    // any order. False, and the choice unchanged, when the list names nothing or anything else.
    bool choosePages(const QString& list);
    // The title a preview starts with: the puzzle file's name without folder and extension.
    static QByteArray titleFromFileName(const QString& puzzleFile);
    // Black, or silver when "Gray squares" is checked.
    static quint32 blackSquareColourFor(bool graySquares) { return graySquares ? kSilver : kBlack; }
};
