#include "puzzle/ui/TCharMap7Form.h"

#include "base/Codepage.h"
#include "puzzle/ui/WindowLook.h"

#include <QHeaderView>
#include <QScreen>
#include <QTableWidget>

QString TCharMap7Form::cellText(int column, int row) {
    if (row < 2)
        return QString(Codepage::toUnicode(static_cast<quint8>(0xBC + column + 32 * row)));
    static const quint8 last[31] = {0xFC, 0xFD, 0xFE, 0xFF, 0x00, 0xA1, 0x85, 0x96,
                                    0x97, 0xA9, 0x91, 0x92, 0x93, 0x94, 0xAE, 0x9A,
                                    0x8A, 0x83, 0x8C, 0x9C, 0x9F, 0x99, 0xA5, 0xA3,
                                    0xA2, 0xBA, 0xB5, 0xA7, 0x86, 0x87, 0xA6};
    if (column == 4)
        return QStringLiteral("___"); // a blank to fill in
    return QString(Codepage::toUnicode(last[column]));
}

TCharMap7Form::TCharMap7Form(int cellSize, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Special Characters"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    CharGrid = new QTableWidget(3, 31, this);
    CharGrid->horizontalHeader()->hide();
    CharGrid->verticalHeader()->hide();
    CharGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CharGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CharGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CharGrid->setSelectionMode(QAbstractItemView::NoSelection);
    CharGrid->setShowGrid(true);
    CharGrid->setFrameShape(QFrame::NoFrame);
    CharGrid->setFont(pixelFont(QStringLiteral("Times New Roman"), 15));
    CharGrid->horizontalHeader()->setMinimumSectionSize(1);
    CharGrid->verticalHeader()->setMinimumSectionSize(1);
    CharGrid->horizontalHeader()->setDefaultSectionSize(cellSize);
    CharGrid->verticalHeader()->setDefaultSectionSize(cellSize);
    // No cell is ever elided: "___" elided would look like the ellipsis beside it. The blank
    // takes a smaller font where its three underscores would not fit between the grid lines.
    CharGrid->setTextElideMode(Qt::ElideNone);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 31; ++column) {
            const QString text = cellText(column, row);
            auto* item = new QTableWidgetItem(text);
            item->setTextAlignment(Qt::AlignCenter);
            item->setFont(fittedFont(CharGrid->font(), {text}, cellSize - 2, cellSize));
            CharGrid->setItem(row, column, item);
        }
    }
    CharGrid->setCurrentCell(-1, -1);
    const int frame = 2;
    CharGrid->setGeometry(frame, frame, 31 * cellSize + 1, 3 * cellSize + 1);
    setFixedSize(31 * cellSize + 2 * frame + 1, 3 * cellSize + 2 * frame + 1);
    if (const QScreen* screen = this->screen())
        move(screen->geometry().width(), 0); // out of sight until placed
    connect(CharGrid, &QTableWidget::cellClicked, this, &TCharMap7Form::CharGridSelectCell);
}

void TCharMap7Form::CharGridSelectCell(int row, int column) {
    emit characterChosen(cellText(column, row));
    close();
}
