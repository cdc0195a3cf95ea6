#include "puzzle/RecordChange.h"

#include "base/Codepage.h"

#include <QList>
#include <algorithm>
#include <cstring>

namespace {

// A square that joined or left a word: the word code it gained or lost, and its letter.
struct Moved {
    int code;
    quint8 letter;
};

template <typename T> bool differ(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof a) != 0;
}

// The one word all the squares joined or left; 0 when they are of several words.
int wordOf(const QList<Moved>& moved) {
    const int word = moved.first().code % 100;
    for (const Moved& m : moved) {
        if (m.code % 100 != word)
            return 0;
    }
    return word >= 1 && word <= kMaxWords ? word : 0;
}

QString lettersInPositionOrder(QList<Moved> moved) {
    std::sort(moved.begin(), moved.end(),
              [](const Moved& a, const Moved& b) { return a.code < b.code; });
    QString text;
    for (const Moved& m : moved)
        text += Codepage::toUnicode(m.letter);
    return text;
}

// A Spill leaves the word its initial letter at most.
bool spilled(const QList<Moved>& freed, const PuzzleRecord& after, int word) {
    if (freed.size() < 2)
        return false;
    for (const Moved& m : freed) {
        if (m.code / 100 == 1)
            return false;
    }
    for (int p = 2; p <= kMaxWordLetters; ++p) {
        if (after.squareOf(p * 100 + word) != 0)
            return false;
    }
    return true;
}

RecordChange named(RecordChange::Kind kind, int word, const QString& description) {
    return RecordChange{kind, word, description};
}

} // namespace

RecordChange describeChange(const PuzzleRecord& before, const PuzzleRecord& after) {
    QList<Moved> picked;
    QList<Moved> freed;
    QList<Square> retyped;
    bool otherCodes = false;
    for (int c = 1; c <= kMaxColumns; ++c) {
        for (int r = 1; r <= kMaxRows; ++r) {
            if (before.letter(c, r) != after.letter(c, r))
                retyped << Square{c, r};
            const int was = before.code(c, r);
            const int is = after.code(c, r);
            if (was == is)
                continue;
            if (was == CodeFree && is >= 100)
                picked << Moved{is, after.letter(c, r)};
            else if (was >= 100 && is == CodeFree)
                freed << Moved{was, before.letter(c, r)};
            else
                otherCodes = true;
        }
    }
    QList<int> clues;
    for (int w = 1; w <= kMaxWords; ++w) {
        if (differ(before.clue(w), after.clue(w)))
            clues << w;
    }
    const bool nameChanged = differ(before.ConstructorName, after.ConstructorName);
    const bool layoutChanged = before.GridWidth != after.GridWidth ||
                               before.GridHeight != after.GridHeight ||
                               differ(before.ReservedGrid, after.ReservedGrid);

    const int parts = int(!picked.isEmpty()) + int(!freed.isEmpty()) + int(!retyped.isEmpty()) +
                      int(!clues.isEmpty()) + int(nameChanged) + int(otherCodes || layoutChanged);
    const RecordChange several =
        named(RecordChange::Kind::Several, 0, QStringLiteral("changes of the puzzle"));
    if (parts == 0) {
        // The reverse map is kept in step with the codes; on its own it still is a change.
        return differ(before.SquareOf, after.SquareOf) ? several : RecordChange{};
    }
    if (parts > 1)
        return several;

    if (!picked.isEmpty()) {
        const int word = wordOf(picked);
        if (word == 0)
            return several;
        return named(RecordChange::Kind::Pick, word,
                     QStringLiteral("pick of %1 in word %2")
                         .arg(lettersInPositionOrder(picked), WordLabel(word)));
    }
    if (!freed.isEmpty()) {
        const int word = wordOf(freed);
        if (word == 0)
            return several;
        if (spilled(freed, after, word))
            return named(RecordChange::Kind::Spill, word,
                         QStringLiteral("Spill of word %1").arg(WordLabel(word)));
        return named(RecordChange::Kind::TakeOut, word,
                     QStringLiteral("take-out of %1 from word %2")
                         .arg(lettersInPositionOrder(freed), WordLabel(word)));
    }
    if (!retyped.isEmpty()) {
        if (retyped.size() > 1)
            return several;
        const Square sq = retyped.first();
        return named(RecordChange::Kind::Retype, 0,
                     QStringLiteral("retyping of %1 as %2")
                         .arg(QString(Codepage::toUnicode(before.letter(sq.column, sq.row))),
                              QString(Codepage::toUnicode(after.letter(sq.column, sq.row)))));
    }
    if (!clues.isEmpty()) {
        if (clues.size() > 1)
            return several;
        return named(RecordChange::Kind::Clue, clues.first(),
                     QStringLiteral("clue of word %1").arg(WordLabel(clues.first())));
    }
    if (nameChanged)
        return named(RecordChange::Kind::ConstructorName, 0, QStringLiteral("constructor's name"));
    return several;
}
