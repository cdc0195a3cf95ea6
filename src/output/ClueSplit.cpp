#include "output/ClueSplit.h"

std::optional<ClueSplit> splitBeforeLastWord(const QByteArray& line) {
    if (line.size() < 2)
        return std::nullopt;
    const qsizetype space = line.lastIndexOf(' ', line.size() - 2);
    if (space < 0)
        return std::nullopt;
    return ClueSplit{line.left(space + 1), line.mid(space + 1)};
}

std::optional<ClueSplit> splitUntilFits(const QByteArray& line, qsizetype keep,
                                        const std::function<bool(const QByteArray&)>& fits) {
    auto split = splitBeforeLastWord(line);
    while (split && split->line.size() > keep && !fits(split->line)) {
        const auto earlier = splitBeforeLastWord(split->line);
        if (!earlier || earlier->line.size() < keep)
            break;
        split = ClueSplit{earlier->line, earlier->remainder + split->remainder};
    }
    return split;
}
