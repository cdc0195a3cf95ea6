#include "output/CluesText.h"

#include "output/ClueList.h"
#include "output/PageComposer.h"
#include "output/SquareNumbers.h"

QByteArray CluesText(const PuzzleRecord& record) {
    SquareNumbers numbers;
    numbers.fill(record);
    QByteArray out;
    const int listed = ClueList::listedWordCount(record);
    for (int w = 1; w <= listed; ++w) {
        out += labelWithStop(w) + ' ' + record.clue(w).bytes();
        for (int square : ClueList::answerSquares(record, w))
            out += ' ' + numbers.textOf(square).rightJustified(3, ' ');
        out += "\r\n";
    }
    return out;
}
