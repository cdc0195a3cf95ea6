#pragma once

#include "puzzle/PuzzleRecord.h"

#include <QByteArray>
#include <QList>
#include <QSize>
#include <variant>

class QPainter;

// The three pictures of the grid that go to the clipboard and into grid files.
enum class GridImageKind {
    SolvingGrid = 1,            // square numbers and word labels
    SolutionGrid = 2,           // the letters, large and bold
    ManuscriptSolutionGrid = 3, // numbers, labels and letters
};

// A grid picture laid out in its own logical units: one 30-unit cell per square, the squares
// drawn from (1, 1) so that the picture is GridWidth x 30 + 2 units wide. Every target (the
// painter behind the SVG and PNG pictures, the EPS writer) draws these same items in order.
struct GridImage {
    // A square from (x1, y1) to (x2, y2), the right and bottom edges exclusive, outlined with a
    // one-unit black line and filled black or white. Neighbours share their border line.
    struct Square {
        int x1, y1, x2, y2;
        bool black;
    };
    // Windows-1252 text in Arial whose character cell is `height` units high, the cell's
    // top-left corner at (x, y). emSize and ascent (cell top to baseline) follow from the
    // height.
    struct Text {
        int x, y;
        int height;
        bool bold;
        double emSize;
        double ascent;
        QByteArray text;
    };
    using Item = std::variant<Square, Text>;

    QSize size;
    QList<Item> items;
};

GridImage layoutGridImage(const PuzzleRecord& record, GridImageKind kind);

// Draws the picture in its logical units, from the painter's origin.
void paintGridImage(QPainter& painter, const GridImage& image);
