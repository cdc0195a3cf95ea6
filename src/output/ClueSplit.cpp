#include "output/ClueSplit.h"

std::optional<ClueSplit> splitBeforeLastWord(const QByteArray& line) {
    if (line.size() < 2)
        return std::nullopt;
    const qsizetype space = line.lastIndexOf(' ', line.size() - 2);
    if (space < 0)
        return std::nullopt;
    return ClueSplit{line.left(space + 1), line.mid(space + 1)};
}
