#include "pdf/PdfSyntax.h"

#include <cmath>
#include <new>
#include <zlib.h>

namespace PdfSyntax {

namespace {

bool standsInName(uchar c) {
    if (c <= ' ' || c > '~')
        return false;
    return !QByteArrayView("()<>[]{}/%#").contains(char(c));
}

} // namespace

void appendNumber(QByteArray& out, double value) {
    const qint64 rounded = std::llround(value * 1000.0);
    quint64 magnitude = quint64(rounded < 0 ? -rounded : rounded);
    char digits[32];
    char* const end = digits + sizeof digits;
    char* at = end;
    int fraction = int(magnitude % 1000);
    magnitude /= 1000;
    if (fraction != 0) {
        int places = 3;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --places;
        }
        for (; places > 0; --places, fraction /= 10)
            *--at = char('0' + fraction % 10);
        *--at = '.';
    }
    do {
        *--at = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (rounded < 0)
        *--at = '-';
    out.append(at, end - at);
}

void appendNumbers(QByteArray& out, std::initializer_list<double> values) {
    for (double value : values) {
        appendNumber(out, value);
        out += ' ';
    }
}

QByteArray number(double value) {
    QByteArray out;
    appendNumber(out, value);
    return out;
}

QByteArray textString(const QByteArray& bytes) {
    QByteArray out;
    out.reserve(bytes.size() + 2);
    out += '(';
    for (char c : bytes) {
        switch (c) {
        case '\b':
            out += "\\b";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\r':
            out += "\\r";
            break;
        case '(':
        case ')':
        case '\\':
            out += '\\';
            out += c;
            break;
        default:
            out += c;
        }
    }
    out += ')';
    return out;
}

QByteArray name(const QString& text) {
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    for (char ch : text.toUtf8()) {
        const uchar c = uchar(ch);
        if (standsInName(c)) {
            out += char(c);
        } else {
            out += '#';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

QByteArray ascii85(const QByteArray& data) {
    QByteArray out;
    out.reserve(data.size() / 4 * 5 + 7);
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    const qsizetype size = data.size();
    for (qsizetype at = 0; at < size; at += 4) {
        const int n = int(qMin<qsizetype>(4, size - at));
        quint32 group = 0;
        for (int i = 0; i < 4; ++i)
            group = group << 8 | (i < n ? bytes[at + i] : 0u);
        if (n == 4 && group == 0) {
            out += 'z';
            continue;
        }
        char digits[5];
        for (int i = 4; i >= 0; --i) {
            digits[i] = char('!' + group % 85);
            group /= 85;
        }
        out.append(digits, n + 1);
    }
    out += "~>";
    return out;
}

QByteArray deflate(const QByteArray& data) {
    uLongf length = compressBound(uLong(data.size()));
    QByteArray out(qsizetype(length), Qt::Uninitialized);
    const int result = compress2(reinterpret_cast<Bytef*>(out.data()), &length,
                                 reinterpret_cast<const Bytef*>(data.constData()),
                                 uLong(data.size()), Z_DEFAULT_COMPRESSION);
    if (result != Z_OK)
        throw std::bad_alloc(); // with a buffer of compressBound(), only memory can run out
    out.resize(qsizetype(length));
    return out;
}

QList<QByteArray> widthsLines(const QList<int>& widths) {
    constexpr int kPerLine = 16;
    QList<QByteArray> lines{"["};
    for (qsizetype i = 0; i < widths.size(); ++i) {
        if (i % kPerLine == 0)
            lines.append(QByteArray());
        lines.last() += QByteArray::number(widths[i]) + ' ';
    }
    lines.append("]");
    return lines;
}

void appendColourLine(QByteArray& out, quint32 rgb, bool stroking) {
    appendNumbers(out, {double(rgb & 0xFF) / 255.0, double((rgb >> 8) & 0xFF) / 255.0,
                        double((rgb >> 16) & 0xFF) / 255.0});
    out += stroking ? "RG" : "rg";
}

} // namespace PdfSyntax
