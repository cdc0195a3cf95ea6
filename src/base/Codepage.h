#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Puzzle text is 8-bit Windows-1252. These convert at the edge between the record and the
// windows or files that show text as Unicode.
namespace Codepage {

QString toUnicode(const QByteArray& bytes);
QChar toUnicode(quint8 byte);
// The Windows-1252 byte of ch, if the code page has one.
std::optional<quint8> fromUnicode(QChar ch);
// The whole text, or nothing when a character has no Windows-1252 byte.
std::optional<QByteArray> fromUnicode(const QString& text);
// The whole text, with '?' for each character the code page cannot hold.
QByteArray fromUnicodeLossy(const QString& text);
// The first character of text that Windows-1252 cannot hold (index into text), or -1.
qsizetype firstUnencodable(const QString& text);
// The character at index (a whole surrogate pair) with its code point, as "€ (U+20AC)", for
// messages that name a character the code page cannot hold.
QString describeCharacter(const QString& text, qsizetype index);

// Upper-casing of puzzle text: only 'a'..'z' change.
QByteArray upperAscii(const QByteArray& bytes);

} // namespace Codepage
