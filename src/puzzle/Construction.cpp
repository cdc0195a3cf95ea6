#include "puzzle/Construction.h"

#include "base/Codepage.h"

#include <QRegularExpression>
#include <chrono>

RandomSource RandomSource::fromClock() {
    return RandomSource(
        static_cast<quint64>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

namespace Construction {

namespace {

Result failure(const QString& message) {
    return {std::nullopt, message};
}

const QString kGridSizeAdvice =
    QStringLiteral("Please adjust the grid size or cancel construction.");

// A manual grid side typed by the constructor, or nothing when it is not a whole number in
// range.
std::optional<int> wholeNumberIn(const QString& text, int lo, int hi) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,6}$"));
    const QString t = text.trimmed();
    if (!digits.match(t).hasMatch())
        return std::nullopt;
    const int v = t.toInt();
    if (v < lo || v > hi)
        return std::nullopt;
    return v;
}

QString missingLettersMessage(const QByteArray& missing) {
    const QString list = Codepage::toUnicode(missing);
    const QString phrase = missing.size() > 2 ? QStringLiteral("letters ") + list + "that do"
                                              : QStringLiteral("letter ") + list + "that does";
    return QStringLiteral("The Author-Title line contains the ") + phrase +
           QStringLiteral(" not appear in the Quotation. Please correct the Author-Title "
                          "line or cancel construction.");
}

// Lays the squares in reading order: leading black squares, then the quotation, then black
// squares to the end of the grid.
void layQuotation(PuzzleRecord& rec, const QByteArray& squares, int leadingBlacks) {
    int k = 0;
    for (int r = 1; r <= rec.GridHeight; ++r) {
        for (int c = 1; c <= rec.GridWidth; ++c) {
            if (leadingBlacks > 0) {
                --leadingBlacks;
                rec.letter(c, r) = BlackSquare;
                rec.code(c, r) = CodeBlack;
                continue;
            }
            const quint8 ch = k < squares.size() ? static_cast<quint8>(squares[k]) : BlackSquare;
            ++k;
            if (ch == ' ') {
                rec.letter(c, r) = BlackSquare;
                rec.code(c, r) = CodeBlack;
            } else {
                rec.letter(c, r) = ch;
                rec.code(c, r) = ch == BlackSquare ? CodeBlack : CodeFree;
            }
        }
    }
}

// Places the initial letter of word w on a free square holding the letter, scanning in
// reading order from a random start. False when no square in one whole cycle of the grid will
// do.
bool seedWord(PuzzleRecord& rec, int word, quint8 letter, RandomSource& random) {
    int column = random.uniform(0, rec.GridWidth - 1);
    int row = random.uniform(1, rec.GridHeight - 1);
    const int squares = rec.GridWidth * rec.GridHeight;
    for (int step = 0; step < squares; ++step) {
        if (++column > rec.GridWidth) {
            column = 1;
            if (++row > rec.GridHeight)
                row = 1;
        }
        if (rec.letter(column, row) == letter && rec.code(column, row) == CodeFree) {
            rec.setCode(column, row, static_cast<qint16>(100 + word));
            return true;
        }
    }
    return false;
}

} // namespace

MissingText missingText(const QString& quotation, const QString& authorTitle) {
    if (quotation.isEmpty())
        return MissingText::Quotation;
    if (authorTitle.trimmed().isEmpty())
        return MissingText::AuthorTitle;
    return MissingText::None;
}

QString missingTextMessage(MissingText missing) {
    switch (missing) {
    case MissingText::Quotation:
        return QStringLiteral("Please Input the Source Quotation!");
    case MissingText::AuthorTitle:
        return QStringLiteral("Please Input the Author-Title Line!");
    case MissingText::None:
        break;
    }
    return {};
}

GridSize automaticSize(int n) {
    Q_ASSERT(n >= 1);
    GridSize size;
    int best = 10;
    bool found = false;
    for (int w = 10; w <= 31; ++w) {
        for (int h = 8; h <= 12; ++h) {
            const int s = w * h;
            if (s % n < best && s / n < 2) {
                size.width = w;
                size.height = h;
                best = s % n;
                found = true;
            }
        }
    }
    if (found) {
        size.leadingBlacks = best / 2;
        return size;
    }
    if (n <= 70)
        return GridSize{10, 8, 5};
    // The few large counts no size fits closely: the size holding them with fewest leftovers.
    int fewest = kMaxSquares + 1;
    for (int w = 10; w <= 31; ++w) {
        for (int h = 8; h <= 12; ++h) {
            const int leftover = w * h - n;
            if (leftover >= 0 && leftover < fewest) {
                fewest = leftover;
                size = GridSize{w, h, leftover / 2};
            }
        }
    }
    return size;
}

QByteArray collectSquares(const QByteArray& q, const CharSet& quotationCharacters, bool manual) {
    QByteArray squares;
    for (qsizetype i = 0; i < q.size(); ++i) {
        const char ch = q[i];
        if (!quotationCharacters.contains(ch))
            continue;
        if (!manual && ch == ' ' && i + 1 < q.size() && q[i + 1] == ' ')
            continue;
        squares += ch;
    }
    return squares;
}

Result BuildPuzzle(const Input& in, RandomSource& random) {
    const QByteArray q = Codepage::upperAscii(in.quotation);
    const QByteArray a = Codepage::upperAscii(in.authorTitle);

    const QByteArray squares = collectSquares(q, in.quotationCharacters, in.manual);
    const int n = static_cast<int>(squares.size());
    if (n > kMaxSquares)
        return failure(QStringLiteral(
            "The Quotation contains more than the maximum allowed number of 372 letters. Please "
            "correct the Quotation or cancel construction."));

    int counted = 0;
    for (char ch : a) {
        if (in.quotationCharacters.contains(ch))
            ++counted;
    }
    if (counted > kMaxWords)
        return failure(QStringLiteral(
            "The Author-Title line contains more than the maximum allowed number of 30 letters. "
            "Please correct the Author-Title line or cancel construction."));

    QByteArray w = q;
    QByteArray missing;
    for (char ch : a) {
        if (!in.quotationCharacters.contains(ch))
            continue;
        const qsizetype at = w.indexOf(ch);
        if (at >= 0) {
            w[at] = '-';
        } else {
            missing += ch;
            missing += ' ';
        }
    }
    if (!missing.isEmpty())
        return failure(missingLettersMessage(missing));

    PuzzleRecord rec = PuzzleRecord::zeroed();
    rec.ClearPuzzle(10, 8, in.constructorName);

    GridSize size;
    if (!in.manual) {
        if (n == 0)
            return failure(QStringLiteral(
                "The Quotation contains no letters. Please correct the Quotation or cancel "
                "construction."));
        size = automaticSize(n);
    } else {
        const auto width = wholeNumberIn(in.manualWidth, 10, 31);
        if (!width)
            return failure(QStringLiteral("The grid width must be a whole number from 10 to 31. ") +
                           kGridSizeAdvice);
        const auto height = wholeNumberIn(in.manualHeight, 8, 20);
        if (!height)
            return failure(QStringLiteral("The grid height must be a whole number from 8 to 20. ") +
                           kGridSizeAdvice);
        if (*width * *height > kMaxSquares)
            return failure(QStringLiteral("This grid size contains more than the maximum allowed "
                                          "number of 372 squares. ") +
                           kGridSizeAdvice);
        if (*width * *height < n)
            return failure(QStringLiteral("This grid size has %1 squares, but the Quotation needs "
                                          "%2. ")
                               .arg(*width * *height)
                               .arg(n) +
                           kGridSizeAdvice);
        size = GridSize{*width, *height, 0};
    }
    rec.GridWidth = static_cast<qint16>(size.width);
    rec.GridHeight = static_cast<qint16>(size.height);
    layQuotation(rec, squares, size.leadingBlacks);

    int word = 0;
    for (char ch : a) {
        if (!in.seedLetters.contains(ch))
            continue;
        ++word;
        if (!seedWord(rec, word, static_cast<quint8>(ch), random))
            return failure(QStringLiteral("The Author-Title letter %1 cannot be placed in the "
                                          "quotation grid. Please correct the Author-Title line "
                                          "or cancel construction.")
                               .arg(Codepage::toUnicode(static_cast<quint8>(ch))));
    }
    return {rec, {}};
}

} // namespace Construction
