#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <bit>
#include <cstddef>

static_assert(std::endian::native == std::endian::little,
              "the puzzle record is stored in memory exactly as in the file (little-endian)");

constexpr int kMaxColumns = 31;
constexpr int kMaxRows = 21;
constexpr int kMaxWords = 30;
constexpr int kMaxWordLetters = 30;
constexpr int kMaxSquares = 372;
constexpr int kSquareOfEntries = 3200;
constexpr int kMaxStringLength = 80;

constexpr quint8 BlackSquare = 0xDB;
constexpr qint16 CodeFree = 0;
constexpr qint16 CodeBlack = 1;

// A length-prefixed 8-bit string of at most 80 characters. Bytes past the length carry no
// meaning but are kept as they are.
struct ShortString {
    quint8 length;
    quint8 chars[kMaxStringLength];

    QByteArray bytes() const { return QByteArray(reinterpret_cast<const char*>(chars), length); }
    // Stores the first 80 bytes of text; the bytes after them are left alone.
    void assign(const QByteArray& text);
};

// A square's column (1..31) and row (1..21); both 0 for no square.
struct Square {
    int column = 0;
    int row = 0;
    bool operator==(const Square&) const = default;
};

#pragma pack(push, 1)
// The whole puzzle, exactly as the 11519 bytes of an .ixv file. Squares are stored column by
// column. A square's code is 0 (free letter), 1 (black) or p*100 + w for letter p of acrostic
// word w; SquareOf is the reverse map from code to c*100 + r.
struct PuzzleRecord {
    qint16 GridWidth;
    qint16 GridHeight;
    quint8 Letters[kMaxColumns][kMaxRows];
    quint8 ReservedGrid[kMaxColumns][kMaxRows];
    qint16 Codes[kMaxColumns][kMaxRows];
    qint16 SquareOf[kSquareOfEntries]; // entry for code k at index k - 1
    ShortString Clues[kMaxWords];
    ShortString ConstructorName;

    // 1-based access, as the squares are addressed everywhere in the program.
    quint8& letter(int c, int r) { return Letters[c - 1][r - 1]; }
    quint8 letter(int c, int r) const { return Letters[c - 1][r - 1]; }
    qint16& code(int c, int r) { return Codes[c - 1][r - 1]; }
    qint16 code(int c, int r) const { return Codes[c - 1][r - 1]; }
    qint16& squareOf(int k) { return SquareOf[k - 1]; }
    qint16 squareOf(int k) const { return SquareOf[k - 1]; }
    ShortString& clue(int w) { return Clues[w - 1]; }
    const ShortString& clue(int w) const { return Clues[w - 1]; }

    // Prepares the record for a new puzzle: every square, code and reverse entry cleared, clue
    // lengths 0 (their bytes left alone), the constructor's name set.
    void ClearPuzzle(qint16 width, qint16 height, const QByteArray& constructorName);
    // The square carrying code k (1..3200), or (0, 0).
    Square LocateCode(int k) const;
    // Gives square (c, r) the code and keeps SquareOf in step.
    void setCode(int c, int r, qint16 code);

    bool insideGrid(int c, int r) const {
        return c >= 1 && c <= GridWidth && r >= 1 && r <= GridHeight;
    }
    // Number of acrostic words: squares whose code is 101..130.
    int wordCount() const;

    QByteArray toBytes() const;
    static PuzzleRecord fromBytes(const QByteArray& bytes); // exactly sizeof(PuzzleRecord)
    static PuzzleRecord zeroed();
};
#pragma pack(pop)

static_assert(sizeof(ShortString) == 81);
static_assert(sizeof(PuzzleRecord) == 11519);
static_assert(offsetof(PuzzleRecord, GridWidth) == 0);
static_assert(offsetof(PuzzleRecord, GridHeight) == 2);
static_assert(offsetof(PuzzleRecord, Letters) == 4);
static_assert(offsetof(PuzzleRecord, ReservedGrid) == 655);
static_assert(offsetof(PuzzleRecord, Codes) == 1306);
static_assert(offsetof(PuzzleRecord, SquareOf) == 2608);
static_assert(offsetof(PuzzleRecord, Clues) == 9008);
static_assert(offsetof(PuzzleRecord, ConstructorName) == 11438);

// Words 1..26 are labelled "A".."Z", words 27..30 "aa", "bb", "cc", "dd".
QString WordLabel(int word);
