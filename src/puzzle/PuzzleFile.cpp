#include "puzzle/PuzzleFile.h"

#include "base/Errors.h"
#include "base/SafeFile.h"

#include <QFile>
#include <QFileInfo>

namespace PuzzleFile {

namespace {

bool codeUsable(qint16 code) {
    if (code == CodeFree || code == CodeBlack)
        return true;
    const int position = code / 100;
    const int word = code % 100;
    return code > 100 && position >= 1 && position <= kMaxWordLetters && word >= 1 &&
           word <= kMaxWords;
}

} // namespace

QString validate(const PuzzleRecord& rec) {
    if (rec.GridWidth < 1 || rec.GridWidth > kMaxColumns)
        return QStringLiteral("grid width %1 is outside 1..31").arg(rec.GridWidth);
    if (rec.GridHeight < 1 || rec.GridHeight > kMaxRows)
        return QStringLiteral("grid height %1 is outside 1..21").arg(rec.GridHeight);
    for (int c = 1; c <= rec.GridWidth; ++c) {
        for (int r = 1; r <= rec.GridHeight; ++r) {
            if (!codeUsable(rec.code(c, r)))
                return QStringLiteral("square %1,%2 has the unusable code %3")
                    .arg(c)
                    .arg(r)
                    .arg(rec.code(c, r));
        }
    }
    for (int k = 1; k <= kSquareOfEntries; ++k) {
        const int v = rec.squareOf(k);
        if (v != 0 && !rec.insideGrid(v / 100, v % 100))
            return QStringLiteral("code %1 points outside the grid").arg(k);
    }
    for (int w = 1; w <= kMaxWords; ++w) {
        if (rec.clue(w).length > kMaxStringLength)
            return QStringLiteral("clue %1 is longer than 80 characters").arg(w);
    }
    if (rec.ConstructorName.length > kMaxStringLength)
        return QStringLiteral("the constructor's name is longer than 80 characters");
    return {};
}

namespace {
PuzzleRecord readFrom(const QString& fileName, QIODevice::OpenMode mode) {
    const QString notRegular = SafeFile::notRegularReason(fileName);
    if (!notRegular.isEmpty())
        throw IoError(fileName, notRegular);
    QFile file(fileName);
    if (!file.open(mode | QIODevice::ExistingOnly))
        throw IoError(fileName, file.errorString());
    const QByteArray bytes = file.read(sizeof(PuzzleRecord));
    if (file.error() != QFileDevice::NoError)
        throw IoError(fileName, file.errorString());
    return fromFileBytes(bytes, fileName);
}
} // namespace

// Opened for writing too: a puzzle that cannot be saved back is not opened for editing.
PuzzleRecord LoadPuzzle(const QString& fileName) {
    return readFrom(fileName, QIODevice::ReadWrite);
}

PuzzleRecord ReadPuzzle(const QString& fileName) {
    return readFrom(fileName, QIODevice::ReadOnly);
}

PuzzleRecord fromFileBytes(const QByteArray& bytes, const QString& fileName) {
    if (bytes.size() < qsizetype(sizeof(PuzzleRecord)))
        throw PuzzleFormatError(fileName, QStringLiteral("the file is shorter than a puzzle"));
    PuzzleRecord record = PuzzleRecord::fromBytes(bytes.first(sizeof(PuzzleRecord)));
    const QString fault = validate(record);
    if (!fault.isEmpty())
        throw PuzzleFormatError(fileName, fault);
    return record;
}

void SavePuzzle(const QString& fileName, const PuzzleRecord& record) {
    SafeFile::write(fileName, record.toBytes());
}

QString puzzleName(const QString& fileName) {
    const QString name = QFileInfo(fileName).fileName();
    return name.left(qMax<qsizetype>(0, name.size() - 4));
}

} // namespace PuzzleFile
