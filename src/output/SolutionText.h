#pragma once

#include "puzzle/PuzzleRecord.h"

#include <QByteArray>
#include <QFont>
#include <QList>

// The solution as the Solution window holds it: editable Windows-1252 text whose lines, as its
// box wraps them, are printed on solution pages. Paragraphs are separated by '\n', which
// counts as one character.
class SolutionText {
public:
    // The Solution window's text box: 466 pixels wide, 13-pixel characters.
    static constexpr int kBoxWidth = 466;
    static constexpr int kBoxFontPixels = 13;
    // The Case switch keeps the first character and lower-cases up to 400 after it.
    static constexpr int kCaseLength = 401;

    explicit SolutionText(const PuzzleRecord& record) : m_text(fromPuzzle(record)) {}

    const QByteArray& text() const { return m_text; }
    // The user's edits.
    void setText(const QByteArray& text) { m_text = text; }
    // Alternates: first press lower case (the first character kept, the text cut to 401
    // characters), next press upper case, and so on.
    void switchCase();
    QList<QByteArray> lines() const { return wrap(m_text); }

    // Three paragraphs: the quotation in reading order (black squares as spaces), an empty
    // line, and the author-title letters at their word numbers' positions; the first and last
    // trimmed of spaces.
    static QByteArray fromPuzzle(const PuzzleRecord& record);
    // The lines the box shows: each paragraph wrapped at word boundaries (anywhere in a word too
    // long for a line) at the box's width; a line keeps the spaces it ends with.
    static QList<QByteArray> wrap(const QByteArray& text);
    // Verdana, or DejaVu Sans in its place, at 13 pixels, measured without hinting so that
    // every platform wraps alike. The window shows its box in this font.
    static QFont boxFont();

private:
    QByteArray m_text;
    bool m_lowered = false;
};
