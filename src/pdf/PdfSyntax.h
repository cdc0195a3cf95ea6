#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <initializer_list>

// The pieces of PDF syntax the writer emits. Everything here is byte text that does not depend
// on the locale: a comma-decimal locale writes exactly the same file.
namespace PdfSyntax {

// A number with at most three decimals, '.' as the separator and no trailing zeros ("0.###"):
// 1.134, 612, 0.5, -2.25. Rounded to the nearest thousandth, halves away from zero.
QByteArray number(double value);
// The same, appended to out.
void appendNumber(QByteArray& out, double value);
// Each value as a number followed by a space, appended to out: "72 684 " before an operator.
void appendNumbers(QByteArray& out, std::initializer_list<double> values);

// A text string: the bytes between parentheses, with backspace, tab, line feed, form feed and
// carriage return written as \b \t \n \f \r, and a backslash before '(', ')' and '\'. Every
// other byte, including those above 127, is written as it is.
QByteArray textString(const QByteArray& bytes);

// A name without its leading slash. A space becomes #20 (Times#20New#20Roman); so does every
// other byte that cannot stand in a name (delimiters, '#', control bytes and bytes above 126,
// the name being taken as UTF-8), as # and two hexadecimal digits.
QByteArray name(const QString& text);

// ASCII85: each group of four bytes becomes five characters from '!' to 'u', a group of four
// zero bytes becomes "z", a last group of n < 4 bytes becomes n + 1 characters; no line breaks;
// ends with "~>".
QByteArray ascii85(const QByteArray& data);

// The data compressed with zlib at its default level (the /FlateDecode format).
QByteArray deflate(const QByteArray& data);

// The lines of a widths array: "[", the widths 16 to a line, each followed by a space, the
// last line holding the remainder, then "]".
QList<QByteArray> widthsLines(const QList<int>& widths);

// The colour 0x00BBGGRR as a colour-setting line appended to out: red, green and blue as
// fractions of 255, each followed by a space, then "rg" for filling or "RG" for stroking.
void appendColourLine(QByteArray& out, quint32 rgb, bool stroking);

} // namespace PdfSyntax
