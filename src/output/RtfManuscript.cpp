#include "output/RtfManuscript.h"

#include "base/Codepage.h"
#include "base/SafeFile.h"
#include "output/ClueList.h"
#include "output/PageComposer.h"
#include "output/SmartQuotes.h"
#include "output/SquareNumbers.h"
#include "prefs/SettingsCatalogue.h"
#include "puzzle/PuzzleFile.h"

namespace RtfManuscript {

namespace {

const QByteArray kEndOfLine = "\r\n";

QByteArray withoutTrailingSpaces(QByteArray text) {
    while (text.endsWith(' '))
        text.chop(1);
    return text;
}

// The four (or, with a fourth address line, five) lines of the name and address, each after
// the first starting a paragraph.
QByteArray addressLines(const SettingsAccess& settings, const QByteArray& firstLineStart) {
    const auto line = [&](const Settings::TextSetting& s) {
        return escaped(Settings::readText(settings, s));
    };
    QByteArray out = firstLineStart + line(Settings::NameInDocument) + kEndOfLine;
    out += "\\par " + line(Settings::Add1InDocument) + kEndOfLine;
    out += "\\par " + line(Settings::Add2InDocument) + kEndOfLine;
    out += "\\par " + line(Settings::Add3InDocument) + kEndOfLine;
    const QByteArray add4 = line(Settings::Add4);
    if (!add4.isEmpty())
        out += "\\par " + add4 + kEndOfLine;
    return out;
}

// In the Courier New rows every letter and every number takes four places, so that each number
// stands under its letter: a non-breaking space, the letter, a non-breaking space and a space;
// a number padded with non-breaking spaces to three places, then a space.
QByteArray numberText(int n) {
    const QByteArray digits = QByteArray::number(n);
    if (n >= 1 && n <= 9)
        return "\\~" + digits + "\\~ ";
    if (n >= 10 && n <= 99)
        return "\\~" + digits + " ";
    return digits + " ";
}

QByteArray wordLines(const PuzzleRecord& record, const SquareNumbers& numbers, int w) {
    QByteArray letters, numberRow;
    for (int square : ClueList::answerSquares(record, w)) {
        const quint8 letter = record.letter(square / 100, square % 100);
        letters += "\\ul\\~" + escaped(QByteArray(1, char(letter))) + "\\~\\ul0  ";
        numberRow += numberText(numbers.at(square / 100, square % 100));
    }
    return "\\par\\f4\\tab " + labelWithStop(w) + "\\tab " +
           escaped(SmartQuotes(record.clue(w).bytes())) + kEndOfLine + "\\par\\f6\\tab\\tab" +
           withoutTrailingSpaces(letters) + kEndOfLine + "\\par\\f6\\tab\\tab " +
           withoutTrailingSpaces(numberRow) + kEndOfLine;
}

} // namespace

QByteArray text(const PuzzleRecord& record, const SettingsAccess& settings, const QString& title) {
    const QByteArray t = escaped(title);
    SquareNumbers numbers;
    numbers.fill(record);

    QByteArray out;
    const auto line = [&](const QByteArray& text) { out += text + kEndOfLine; };
    line("{\\rtf\\ansi \\deff4\\deff5\\deflang1033\\margl1250\\margr1150");
    line("{\\fonttbl{\\f4\\froman\\fcharset0\\fprq2\\ftruetype Times New Roman;}"
         "{\\f5\\fswiss\\fcharset0\\fprq2\\ftruetype Arial;}"
         "{\\f6\\froman\\fcharset0\\fprq2\\ftruetype Courier New}}");
    line("{\\info{\\title " + t + "}{\\author Ixenvar 4}" +
         "{\\creatim\\yr1997\\mo1\\dy21\\hr4\\min01}{\\version1}}");
    line("{\\sectd\\header\\pgnucltr\\pgnx1180\\pard\\plain\\tqr\\tx9525\\f4\\fs20 " + t +
         "\\tab Page");
    out += addressLines(settings, "\\par}{\\tx6400\\f4\\fs22 ");
    line("\\par}");
    line("\\par{\\tx350\\tx750\\fs22\\sl440");
    const int listed = ClueList::listedWordCount(record);
    for (int w = 1; w <= listed; ++w)
        out += wordLines(record, numbers, w);
    line("\\par}");
    line("{\\sect\\header\\pgnucltr\\pgnx1180\\pard\\plain\\tqr\\tx9525\\f4\\fs20 " + t +
         "\\tab Page\\par}");
    out += addressLines(settings, "{\\pard\\f4\\fs22 ");
    line("\\par\\par}");
    line("{\\f4\\fs20\\b\\qc Insert puzzle grid as graphic file or from Clipboard.\\par}");
    line("\\par}}");
    return out;
}

QString titleOf(const QString& fileName) {
    return PuzzleFile::puzzleName(fileName);
}

void WriteRtfManuscript(const PuzzleRecord& record, const SettingsAccess& settings,
                        const QString& fileName) {
    SafeFile::write(fileName, text(record, settings, titleOf(fileName)));
}

QByteArray escaped(const QByteArray& bytes) {
    QByteArray out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        if (ch == '\\' || ch == '{' || ch == '}')
            out += '\\';
        out += ch;
    }
    return out;
}

QByteArray escaped(const QString& text) {
    QByteArray out;
    for (QChar ch : text) {
        if (const auto byte = Codepage::fromUnicode(ch))
            out += escaped(QByteArray(1, char(*byte)));
        else // a signed 16-bit code unit, then the one character a reader without Unicode shows
            out += "\\u" + QByteArray::number(qint16(ch.unicode())) + '?';
    }
    return out;
}

} // namespace RtfManuscript
