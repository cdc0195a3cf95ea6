#include "output/SquareNumbers.h"

void SquareNumbers::fill(const PuzzleRecord& record) {
    quint16 n = 0;
    for (int r = 1; r <= record.GridHeight; ++r) {
        for (int c = 1; c <= record.GridWidth; ++c) {
            if (carriesNumber(record.letter(c, r)))
                m_numbers[c - 1][r - 1] = ++n;
        }
    }
}
