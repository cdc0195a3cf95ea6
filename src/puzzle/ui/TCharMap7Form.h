#pragma once

#include <QWidget>

class QTableWidget;

// The special-character map: 31 x 3 characters a keyboard may lack. Choosing one inserts it in
// front of the selected text of the clue field and closes the map.
class TCharMap7Form : public QWidget {
    Q_OBJECT
public:
    // cellSize: the side of one cell in pixels.
    TCharMap7Form(int cellSize, QWidget* parent = nullptr);

    QTableWidget* CharGrid = nullptr;
    // The text of a cell (column 0..30, row 0..2).
    static QString cellText(int column, int row);

signals:
    void characterChosen(const QString& text);

private:
    void CharGridSelectCell(int row, int column);
};
