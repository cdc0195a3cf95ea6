#include "puzzle/PuzzleRecord.h"

#include <QString>
#include <cstring>

void ShortString::assign(const QByteArray& text) {
    length = static_cast<quint8>(qMin<qsizetype>(text.size(), kMaxStringLength));
    std::memcpy(chars, text.constData(), length);
}

void PuzzleRecord::ClearPuzzle(qint16 width, qint16 height, const QByteArray& constructorName) {
    GridWidth = width;
    GridHeight = height;
    std::memset(Letters, 0, sizeof Letters);
    std::memset(ReservedGrid, 0, sizeof ReservedGrid);
    std::memset(Codes, 0, sizeof Codes);
    std::memset(SquareOf, 0, sizeof SquareOf);
    for (ShortString& clue : Clues)
        clue.length = 0;
    ConstructorName.assign(constructorName);
}

Square PuzzleRecord::LocateCode(int k) const {
    const int v = squareOf(k);
    return {v / 100, v % 100};
}

void PuzzleRecord::setCode(int c, int r, qint16 newCode) {
    const qint16 old = code(c, r);
    if (old >= 100)
        squareOf(old) = 0;
    code(c, r) = newCode;
    if (newCode >= 100)
        squareOf(newCode) = static_cast<qint16>(c * 100 + r);
}

int PuzzleRecord::wordCount() const {
    int n = 0;
    for (int c = 1; c <= GridWidth; ++c) {
        for (int r = 1; r <= GridHeight; ++r) {
            if (code(c, r) / 100 == 1)
                ++n;
        }
    }
    return n;
}

QByteArray PuzzleRecord::toBytes() const {
    return QByteArray(reinterpret_cast<const char*>(this), sizeof(PuzzleRecord));
}

PuzzleRecord PuzzleRecord::fromBytes(const QByteArray& bytes) {
    Q_ASSERT(bytes.size() == sizeof(PuzzleRecord));
    PuzzleRecord record;
    std::memcpy(&record, bytes.constData(), sizeof(PuzzleRecord));
    return record;
}

PuzzleRecord PuzzleRecord::zeroed() {
    PuzzleRecord record;
    std::memset(&record, 0, sizeof record);
    return record;
}

QString WordLabel(int word) {
    if (word >= 1 && word <= 26)
        return QString(QChar(u'A' + (word - 1)));
    if (word >= 27 && word <= 30) {
        const QChar ch(u'a' + (word - 27));
        return QString(2, ch);
    }
    return {};
}
