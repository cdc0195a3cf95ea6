#include "base/Codepage.h"

namespace Codepage {

namespace {
// 0x80..0x9F; 0 where the code page has no character (0x81, 0x8D, 0x8F, 0x90, 0x9D).
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};
} // namespace

QChar toUnicode(quint8 byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        const char16_t u = kHigh[byte - 0x80];
        // The five undefined bytes map to the C1 controls of the same value, so that they
        // come back unchanged.
        return QChar(u ? u : char16_t(byte));
    }
    return QChar(char16_t(byte));
}

QString toUnicode(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char b : bytes)
        out += toUnicode(static_cast<quint8>(b));
    return out;
}

std::optional<quint8> fromUnicode(QChar ch) {
    const char16_t u = ch.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<quint8>(u);
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == u || (kHigh[i] == 0 && u == 0x80 + i))
            return static_cast<quint8>(0x80 + i);
    }
    return std::nullopt;
}

std::optional<QByteArray> fromUnicode(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const auto b = fromUnicode(ch);
        if (!b)
            return std::nullopt;
        out += static_cast<char>(*b);
    }
    return out;
}

QByteArray fromUnicodeLossy(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar ch : text)
        out += static_cast<char>(fromUnicode(ch).value_or('?'));
    return out;
}

qsizetype firstUnencodable(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!fromUnicode(text[i]))
            return i;
    }
    return -1;
}

QString describeCharacter(const QString& text, qsizetype index) {
    const char32_t cp = text.at(index).isHighSurrogate() && index + 1 < text.size()
                            ? QChar::surrogateToUcs4(text.at(index), text.at(index + 1))
                            : text.at(index).unicode();
    return QStringLiteral("%1 (U+%2)")
        .arg(QString::fromUcs4(&cp, 1),
             QString::number(quint32(cp), 16).toUpper().rightJustified(4, u'0'));
}

QByteArray upperAscii(const QByteArray& bytes) {
    QByteArray out = bytes;
    for (char& ch : out) {
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    }
    return out;
}

} // namespace Codepage
