#pragma once

#include <QByteArray>

// Typographic quotation marks for a clue, in Windows-1252: straight double quotes become left
// (0x93) and right (0x94) quotation marks in turn, starting with a left one; every straight
// apostrophe becomes a right single quotation mark (0x92).
QByteArray SmartQuotes(const QByteArray& text);

// The same marks around a title: 0x93, the title, 0x94.
QByteArray quoted(const QByteArray& title);
