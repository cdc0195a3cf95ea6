#include "output/SolutionText.h"

#include "base/Codepage.h"

#include <QTextLayout>

namespace {

QByteArray trimmedOfSpaces(const QByteArray& text) {
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text[from] == ' ')
        ++from;
    while (to > from && text[to - 1] == ' ')
        --to;
    return text.mid(from, to - from);
}

// Only 'A'..'Z' change, as upper-casing changes only 'a'..'z'.
QByteArray lowerAscii(const QByteArray& bytes) {
    QByteArray out = bytes;
    for (char& ch : out) {
        if (ch >= 'A' && ch <= 'Z')
            ch = char(ch - 'A' + 'a');
    }
    return out;
}

QList<QByteArray> wrapParagraph(const QByteArray& paragraph, const QFont& font) {
    if (paragraph.isEmpty())
        return {QByteArray()};
    QTextLayout layout(Codepage::toUnicode(paragraph), font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QList<QByteArray> lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(SolutionText::kBoxWidth);
        // Every Windows-1252 byte is one UTF-16 unit, so positions carry over.
        lines << paragraph.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return lines;
}

} // namespace

QByteArray SolutionText::fromPuzzle(const PuzzleRecord& record) {
    QByteArray quotation;
    QByteArray initials(31, ' ');
    for (int r = 1; r <= record.GridHeight; ++r) {
        for (int c = 1; c <= record.GridWidth; ++c) {
            const quint8 ch = record.letter(c, r);
            // An empty square (a zero byte) reads as a space rather than ending the text.
            quotation += ch == BlackSquare || ch == 0 ? ' ' : char(ch);
            const int code = record.code(c, r);
            if (code / 100 == 1 && code % 100 >= 1 && code % 100 <= kMaxWords)
                initials[code % 100 - 1] = char(ch);
        }
    }
    return trimmedOfSpaces(quotation) + "\n\n" + trimmedOfSpaces(initials);
}

void SolutionText::switchCase() {
    if (m_lowered) {
        m_text = Codepage::upperAscii(m_text);
        m_lowered = false;
        return;
    }
    m_text = m_text.left(1) + lowerAscii(m_text.mid(1, kCaseLength - 1));
    m_lowered = true;
}

QList<QByteArray> SolutionText::wrap(const QByteArray& text) {
    const QFont font = boxFont();
    QList<QByteArray> lines;
    for (const QByteArray& paragraph : text.split('\n'))
        lines << wrapParagraph(QByteArray(paragraph).replace('\r', QByteArray()), font);
    return lines;
}

QFont SolutionText::boxFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(kBoxFontPixels);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}
