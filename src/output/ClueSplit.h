#pragma once

#include <QByteArray>
#include <functional>
#include <optional>

// A line too wide for its place is split once, before its last word: characters move one at a
// time (at least one) from its end to the front of a remainder until the line ends with a
// space, which it keeps.
struct ClueSplit {
    QByteArray line;
    QByteArray remainder;
};

// Nothing when no such space exists (the line has no space before its last character).
std::optional<ClueSplit> splitBeforeLastWord(const QByteArray& line);

// Split before the last word, then before the word ahead of it, and so on while the first part
// does not fit and is longer than its first `keep` characters, which are never split.
std::optional<ClueSplit> splitUntilFits(const QByteArray& line, qsizetype keep,
                                        const std::function<bool(const QByteArray&)>& fits);
