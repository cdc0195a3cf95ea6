#pragma once

// Small puzzles built in the tests, the settings store they are composed with, and a composer
// drawing onto a recording canvas.
#include "RecordingCanvas.h"
#include "TestEnv.h"
#include "app/TIxvProcs.h"
#include "output/PageComposer.h"

#include <QFile>
#include <memory>

// A grid from rows of text, '#' for a black square; every square starts free.
class TestPuzzle {
public:
    explicit TestPuzzle(const QList<QByteArray>& rows,
                        const QByteArray& constructor = "Ann Example") {
        record = PuzzleRecord::zeroed();
        record.ClearPuzzle(qint16(rows[0].size()), qint16(rows.size()), constructor);
        for (int r = 1; r <= record.GridHeight; ++r) {
            for (int c = 1; c <= record.GridWidth; ++c) {
                const char ch = rows[r - 1].at(c - 1);
                record.letter(c, r) = ch == '#' ? BlackSquare : quint8(ch);
                record.code(c, r) = ch == '#' ? CodeBlack : CodeFree;
            }
        }
    }
    // A width x height grid without black squares, lettered A, B, C ... in reading order.
    static TestPuzzle lettered(int width, int height) {
        QList<QByteArray> rows;
        for (int r = 0; r < height; ++r) {
            QByteArray row;
            for (int c = 0; c < width; ++c)
                row += char('A' + (r * width + c) % 26);
            rows << row;
        }
        return TestPuzzle(rows);
    }
    // A 31 x 12 lettered grid whose word 1 takes the first `letters` squares of row 1.
    static TestPuzzle withWord(int letters) {
        TestPuzzle puzzle = lettered(31, 12);
        puzzle.word(1, rowSquares(1, 1, letters));
        return puzzle;
    }
    // Letter p of word w on square (c, r).
    TestPuzzle& letter(int w, int p, int c, int r) {
        record.setCode(c, r, qint16(p * 100 + w));
        return *this;
    }
    // Word w from the given squares, as letters 1, 2, ...
    TestPuzzle& word(int w, const QList<Square>& squares) {
        for (int p = 1; p <= squares.size(); ++p)
            letter(w, p, squares[p - 1].column, squares[p - 1].row);
        return *this;
    }
    TestPuzzle& clue(int w, const QByteArray& text) {
        record.clue(w).assign(text);
        return *this;
    }
    // The squares of a row from column `from`, `count` of them.
    static QList<Square> rowSquares(int row, int from, int count) {
        QList<Square> out;
        for (int c = from; c < from + count; ++c)
            out << Square{c, row};
        return out;
    }

    PuzzleRecord record;
};

// A run of n 'X' characters: text without spaces.
inline QByteArray xs(int n) {
    return QByteArray(n, 'X');
}

// The application data module over an empty settings store in the test's temporary HOME.
inline std::unique_ptr<TIxvProcs> emptySettings() {
    QFile::remove(TestEnv::settingsPath());
    return std::make_unique<TIxvProcs>(std::make_unique<SettingsStore>(TestEnv::settingsPath()),
                                       ScreenMetrics{});
}

// A composer for one puzzle on a recording canvas of either target.
struct Composition {
    Composition(const PuzzleRecord& puzzle, const SettingsAccess& settings,
                RecordingCanvas::Target target)
        : record(puzzle), canvas(target),
          composer(std::make_unique<PageComposer>(record, settings, canvas.target(), options)) {
        options.pageTitle = "Acrostic";
    }
    PuzzleRecord record;
    ComposerOptions options;
    RecordingCanvas canvas;
    std::unique_ptr<PageComposer> composer;
};

// The same over a settings store of its own, empty until the test writes to it; the composer
// reads the settings as it draws.
struct OwnSettings {
    std::unique_ptr<TIxvProcs> settings = emptySettings();
};
struct Composed : OwnSettings, Composition {
    Composed(const PuzzleRecord& puzzle, RecordingCanvas::Target target)
        : Composition(puzzle, *settings, target) {}
};

using Target = RecordingCanvas::Target;
Q_DECLARE_METATYPE(RecordingCanvas::Target)
