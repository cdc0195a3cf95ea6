// Building a new puzzle: grid size, layout, the refusals and the seeding of initial letters.
#include "puzzle/Construction.h"

#include <QSet>
#include <QtTest>

using Construction::BuildPuzzle;
using Construction::Input;
using Construction::Result;

namespace {

const QByteArray kName = "Ann Example";

// n counted characters, all letters, cycling through the alphabet.
QByteArray letters(int n) {
    QByteArray out;
    for (int i = 0; i < n; ++i)
        out += char('A' + i % 26);
    return out;
}

Input makeInput(const QByteArray& quotation, const QByteArray& authorTitle, bool hyphens = true,
                int language = 0) {
    LetterState sets;
    sets.loadLanguage(language);
    if (hyphens)
        sets.takeConstructionHyphens();
    Input in;
    in.quotation = quotation;
    in.authorTitle = authorTitle;
    in.quotationCharacters = sets.quotationCharacters();
    in.seedLetters = sets.seedLetters();
    in.constructorName = kName;
    return in;
}

Result build(const Input& in, quint64 seed = 1) {
    RandomSource random(seed);
    return BuildPuzzle(in, random);
}

// The grid in reading order, '#' for a black square.
QByteArray readingOrder(const PuzzleRecord& rec) {
    QByteArray out;
    for (int r = 1; r <= rec.GridHeight; ++r)
        for (int c = 1; c <= rec.GridWidth; ++c)
            out += rec.letter(c, r) == BlackSquare ? '#' : char(rec.letter(c, r));
    return out;
}

// What every built puzzle must satisfy, or the first thing that is wrong.
QString seedingFault(const PuzzleRecord& rec, const QByteArray& authorTitle) {
    QByteArray seeds;
    for (char ch : authorTitle.toUpper())
        if (ch >= 'A' && ch <= 'Z')
            seeds += ch;
    if (rec.wordCount() != seeds.size())
        return QStringLiteral("%1 words for %2 seed letters")
            .arg(rec.wordCount())
            .arg(seeds.size());
    QSet<int> seeded;
    for (int w = 1; w <= seeds.size(); ++w) {
        const Square sq = rec.LocateCode(100 + w);
        if (!rec.insideGrid(sq.column, sq.row) || rec.code(sq.column, sq.row) != 100 + w ||
            rec.letter(sq.column, sq.row) != quint8(seeds[w - 1]))
            return QStringLiteral("word %1 is not on a square holding its letter").arg(w);
        seeded.insert(sq.column * 100 + sq.row);
    }
    for (int k = 1; k <= kSquareOfEntries; ++k)
        if (rec.squareOf(k) != 0 && (k <= 100 || k > 100 + seeds.size()))
            return QStringLiteral("SquareOf[%1] is set").arg(k);
    for (int c = 1; c <= kMaxColumns; ++c) {
        for (int r = 1; r <= kMaxRows; ++r) {
            const bool black = rec.letter(c, r) == BlackSquare;
            const qint16 expected = !rec.insideGrid(c, r)          ? 0
                                    : black                        ? CodeBlack
                                    : seeded.contains(c * 100 + r) ? rec.code(c, r)
                                                                   : CodeFree;
            if (rec.code(c, r) != expected || (!rec.insideGrid(c, r) && rec.letter(c, r) != 0))
                return QStringLiteral("square %1,%2 has code %3").arg(c).arg(r).arg(rec.code(c, r));
        }
    }
    if (rec.ConstructorName.bytes() != kName)
        return QStringLiteral("the constructor's name is not set");
    const QByteArray bytes = rec.toBytes();
    if (bytes.mid(655, 651) != QByteArray(651, '\0') ||
        bytes.mid(9008, 2430) != QByteArray(2430, '\0'))
        return QStringLiteral("ReservedGrid or the clues are not empty");
    return {};
}

} // namespace

class Tst_construction : public QObject {
    Q_OBJECT
private slots:
    void automaticSizeAndCentring_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("leading");
        QTest::newRow("70: no size fits, 10 x 8") << 70 << 10 << 8 << 5;
        QTest::newRow("80: exact") << 80 << 10 << 8 << 0;
        QTest::newRow("81: 11 x 8 beats the earlier 10 x 9") << 81 << 11 << 8 << 3;
        QTest::newRow("120: first of equal sizes") << 120 << 10 << 12 << 0;
        QTest::newRow("349: fewest leftovers") << 349 << 30 << 12 << 5;
        QTest::newRow("372: the largest") << 372 << 31 << 12 << 0;
    }
    void automaticSizeAndCentring() {
        QFETCH(int, n);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, leading);
        const Result result = build(makeInput(letters(n), "A"));
        QVERIFY2(result.record, qPrintable(result.message));
        QCOMPARE(result.record->GridWidth, width);
        QCOMPARE(result.record->GridHeight, height);
        const int trailing = width * height - n - leading;
        QCOMPARE(readingOrder(*result.record),
                 QByteArray(leading, '#') + letters(n) + QByteArray(trailing, '#'));
    }

    void squaresLaidInReadingOrder_data() {
        QTest::addColumn<QByteArray>("quotation");
        QTest::addColumn<bool>("hyphens");
        QTest::addColumn<bool>("manual");
        QTest::addColumn<QByteArray>("start"); // the rest of the grid is black
        QTest::newRow("auto: a run of spaces, one square")
            << QByteArray("A  B") << true << false << QByteArray("#####A#B");
        QTest::newRow("manual: every space a square")
            << QByteArray("A  B") << true << true << QByteArray("A##B");
        QTest::newRow("a line break splits a run of spaces")
            << QByteArray("A \n B") << true << false << QByteArray("#####A##B");
        QTest::newRow("digits and punctuation vanish")
            << QByteArray("A1,B.C!?2") << true << false << QByteArray("#####ABC");
        QTest::newRow("accented letters vanish")
            << QByteArray("A\xC9\xE9 B") << true << false << QByteArray("#####A#B");
        QTest::newRow("apostrophe and hyphen kept")
            << QByteArray("AN'T-B") << true << false << QByteArray("#####AN'T-B");
        QTest::newRow("apostrophe and hyphen vanish")
            << QByteArray("AN'T-B") << false << false << QByteArray("#####ANTB");
    }
    void squaresLaidInReadingOrder() {
        QFETCH(QByteArray, quotation);
        QFETCH(bool, hyphens);
        QFETCH(bool, manual);
        QFETCH(QByteArray, start);
        Input in = makeInput(quotation, "A", hyphens);
        in.manual = manual;
        const Result result = build(in);
        QVERIFY2(result.record, qPrintable(result.message));
        const QByteArray grid = readingOrder(*result.record);
        QCOMPARE(grid.size(), 80);
        QCOMPARE(grid, start + QByteArray(80 - start.size(), '#'));
        QCOMPARE(seedingFault(*result.record, "A"), QString());
    }

    void refusalsAndTheirWording_data() {
        QTest::addColumn<QByteArray>("quotation");
        QTest::addColumn<QByteArray>("authorTitle");
        QTest::addColumn<bool>("hyphens");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("width"); // empty: the automatic size
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("message"); // empty: the build succeeds

        const QString tooLong = "The Quotation contains more than the maximum allowed number of "
                                "372 letters. Please correct the Quotation or cancel construction.";
        const QString titleTooLong =
            "The Author-Title line contains more than the maximum allowed number of 30 letters. "
            "Please correct the Author-Title line or cancel construction.";
        const QString gridAdvice = " Please adjust the grid size or cancel construction.";
        const QString tooManySquares =
            "This grid size contains more than the maximum allowed number of 372 squares." +
            gridAdvice;
        const QString widthRange =
            "The grid width must be a whole number from 10 to 31." + gridAdvice;
        const QString heightRange =
            "The grid height must be a whole number from 8 to 20." + gridAdvice;
        const QByteArray alphabet = letters(26) + " A B C D";
        const auto add = [&](const char* name, const QByteArray& q, const QByteArray& a,
                             const QString& message, bool hyph = true, int language = 0) {
            QTest::newRow(name) << q << a << hyph << language << QString() << QString() << message;
        };
        const auto addManual = [&](const char* name, const QByteArray& q, const QString& w,
                                   const QString& h, const QString& message) {
            QTest::newRow(name) << q << QByteArray("A") << true << 0 << w << h << message;
        };

        add("373 counted characters", letters(373), "A", tooLong);
        add("372 once a run of spaces is one", letters(370) + "  A", "A", QString());
        addManual("373 when manual keeps every space", letters(370) + "  A", "31", "12", tooLong);
        add("author-title of 30 counted", alphabet, "ABCDEFG HIJKLM NOPQRS TUVWX YZ", QString());
        add("author-title of 31 counted", alphabet, "ABCDEFG HIJKLM NOPQRS TUVWX YZ ",
            titleTooLong);
        add("apostrophe counted with hyphens", alphabet + "'", "ABCDEFG HIJKLM NOPQRS TUVWX Y'Z",
            titleTooLong);
        add("apostrophe ignored without", alphabet, "ABCDEFG HIJKLM NOPQRS TUVWX Y'Z", QString(),
            false);
        add("one letter missing", "LA", "ALL",
            "The Author-Title line contains the letter L that does not appear in the Quotation. "
            "Please correct the Author-Title line or cancel construction.");
        add("several letters missing", "LA", "allan",
            "The Author-Title line contains the letters L A N that do not appear in the "
            "Quotation. Please correct the Author-Title line or cancel construction.");
        add("no counted character", "1984!", "",
            "The Quotation contains no letters. Please correct the Quotation or cancel "
            "construction.");
        addManual("manual 372 squares", letters(100), "31", "12", QString());
        addManual("manual 380 squares", letters(100), "19", "20", tooManySquares);
        addManual("manual width not a number", "A", "ten", "8", widthRange);
        addManual("manual width fraction", "A", "10.5", "8", widthRange);
        addManual("manual width 32", "A", "32", "8", widthRange);
        addManual("manual height 21", "A", "10", "21", heightRange);
        addManual("manual grid smaller than the quotation", letters(81), "10", "8",
                  "This grid size has 80 squares, but the Quotation needs 81." + gridAdvice);
        add("language letter cannot be placed", "E\xC9", "\xC9",
            "The Author-Title letter \u00C9 cannot be placed in the quotation grid. Please correct "
            "the Author-Title line or cancel construction.",
            true, 1);
        add("language letter of another language", "E", "E\xC9", QString(), true, 4);
    }
    void refusalsAndTheirWording() {
        QFETCH(QByteArray, quotation);
        QFETCH(QByteArray, authorTitle);
        QFETCH(bool, hyphens);
        QFETCH(int, language);
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(QString, message);
        Input in = makeInput(quotation, authorTitle, hyphens, language);
        in.manual = !width.isEmpty();
        in.manualWidth = width;
        in.manualHeight = height;
        const Result result = build(in);
        QCOMPARE(result.message, message);
        QCOMPARE(result.record.has_value(), message.isEmpty());
        if (result.record)
            QCOMPARE(seedingFault(*result.record, authorTitle), QString());
    }

    void seedingInvariants_data() {
        QTest::addColumn<QByteArray>("quotation");
        QTest::addColumn<QByteArray>("authorTitle");
        QTest::addColumn<bool>("manual");
        const QByteArray fox = "The quick brown fox jumps over the lazy dog; won't the hyphen-"
                               "ated cat sit on the mat?";
        QTest::newRow("title with punctuation") << fox << QByteArray("T. O'Hare - A Cat") << false;
        QTest::newRow("manual grid with room") << fox << QByteArray("Mark Twain") << true;
        QTest::newRow("title takes every Z")
            << QByteArray("ZZZ Z. ZZ") << QByteArray("ZZZZZZ") << false;
        QTest::newRow("thirty words")
            << letters(26) + "ABCD" + letters(200) << letters(26) + "ABCD" << false;
    }
    void seedingInvariants() {
        QFETCH(QByteArray, quotation);
        QFETCH(QByteArray, authorTitle);
        QFETCH(bool, manual);
        Input in = makeInput(quotation, authorTitle);
        in.manual = manual;
        in.manualWidth = "20";
        in.manualHeight = "15";
        for (quint64 seed = 0; seed < 200; ++seed) {
            const Result result = build(in, seed);
            QVERIFY2(result.record, qPrintable(result.message));
            const QString fault = seedingFault(*result.record, authorTitle);
            QVERIFY2(fault.isEmpty(),
                     qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(fault)));
        }
    }
};

QTEST_GUILESS_MAIN(Tst_construction)
#include "tst_construction.moc"
