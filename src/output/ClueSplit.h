#pragma once

#include <QByteArray>
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
