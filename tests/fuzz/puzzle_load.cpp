// Any bytes given as a puzzle file either load into a record whose every index stays inside it,
// or are refused; they never crash. A loaded record is walked the way the windows walk it.
#include "base/Errors.h"
#include "puzzle/PuzzleFile.h"
#include "puzzle/Statistics.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const PuzzleRecord rec = PuzzleFile::fromFileBytes(bytes, QStringLiteral("fuzz.ixv"));
        for (int c = 1; c <= rec.GridWidth; ++c) {
            for (int r = 1; r <= rec.GridHeight; ++r) {
                const int code = rec.code(c, r);
                if (code >= 100) {
                    const Square sq = rec.LocateCode(code);
                    if (sq.column != 0 && !rec.insideGrid(sq.column, sq.row))
                        std::abort();
                }
            }
        }
        for (int w = 1; w <= kMaxWords; ++w)
            (void)rec.clue(w).bytes();
        (void)PuzzleStatistics(rec);
        if (rec.toBytes() != bytes.first(sizeof(PuzzleRecord)))
            std::abort(); // what loads is written back byte for byte
    } catch (const IoError&) {
    }
    return 0;
}
