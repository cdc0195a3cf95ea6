#pragma once

#include "puzzle/PuzzleRecord.h"

#include <QByteArray>
#include <QList>

// A grid from rows of text, '#' for a black square. words, when given, has one row of text per
// grid row: 'A'..'Z' put the square into word 1..26, 'a'..'d' into word 27..30, any other
// character leaves it free; a word's letters are numbered in reading order.
inline PuzzleRecord gridOf(const QList<QByteArray>& rows, const QList<QByteArray>& words = {}) {
    PuzzleRecord rec = PuzzleRecord::zeroed();
    rec.ClearPuzzle(qint16(rows[0].size()), qint16(rows.size()), "Ann Example");
    int next[kMaxWords + 1] = {};
    for (int r = 1; r <= rec.GridHeight; ++r) {
        for (int c = 1; c <= rec.GridWidth; ++c) {
            const char ch = rows[r - 1].at(c - 1);
            rec.letter(c, r) = ch == '#' ? BlackSquare : quint8(ch);
            rec.code(c, r) = ch == '#' ? CodeBlack : CodeFree;
            const char w = words.isEmpty() ? '.' : words[r - 1].at(c - 1);
            const int word = w >= 'A' && w <= 'Z'   ? w - 'A' + 1
                             : w >= 'a' && w <= 'd' ? w - 'a' + 27
                                                    : 0;
            if (word)
                rec.setCode(c, r, qint16(++next[word] * 100 + word));
        }
    }
    return rec;
}

// The same from one text, rows separated by '/'; each row of words may stop early, the rest of
// its squares being free.
inline PuzzleRecord grid(const QByteArray& rows, const QByteArray& words = {}) {
    const QList<QByteArray> gridRows = rows.split('/');
    QList<QByteArray> wordRows;
    if (!words.isEmpty()) {
        const QList<QByteArray> given = words.split('/');
        for (int r = 0; r < gridRows.size(); ++r)
            wordRows << given.value(r).leftJustified(gridRows[r].size(), '.');
    }
    return gridOf(gridRows, wordRows);
}
