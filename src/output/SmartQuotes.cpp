#include "output/SmartQuotes.h"

namespace {
constexpr char kLeftDouble = char(0x93);
constexpr char kRightDouble = char(0x94);
constexpr char kRightSingle = char(0x92);
} // namespace

QByteArray SmartQuotes(const QByteArray& text) {
    QByteArray out = text;
    bool open = false;
    for (char& ch : out) {
        if (ch == '"') {
            ch = open ? kRightDouble : kLeftDouble;
            open = !open;
        } else if (ch == '\'') {
            ch = kRightSingle;
        }
    }
    return out;
}

QByteArray quoted(const QByteArray& title) {
    return kLeftDouble + title + kRightDouble;
}
