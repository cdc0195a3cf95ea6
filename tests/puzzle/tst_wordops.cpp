// Word operations on the puzzle record: picking, taking letters out, Spill, the repeater scan,
// retyping and the statistics line.
#include "GridText.h"
#include "puzzle/Construction.h"
#include "puzzle/Statistics.h"
#include "puzzle/WordOperations.h"

#include <QtTest>
#include <random>

namespace {

int lowestEmptyPosition(const PuzzleRecord& rec, int word) {
    for (int p = 1; p <= kMaxWordLetters; ++p)
        if (rec.squareOf(p * 100 + word) == 0)
            return p;
    return 0;
}

// Codes of square (c, r) = k >= 100 exactly when SquareOf[k] = c*100 + r; the letter counters
// agree with a count of the free letters. Returns the first thing that is wrong.
QString fault(const PuzzleRecord& rec) {
    std::array<quint8, 27> counted{};
    for (int c = 1; c <= rec.GridWidth; ++c) {
        for (int r = 1; r <= rec.GridHeight; ++r) {
            const int k = rec.code(c, r);
            if (k >= 100 && rec.squareOf(k) != c * 100 + r)
                return QStringLiteral("code %1 at %2").arg(k).arg(c * 100 + r);
            const quint8 ch = rec.letter(c, r);
            if (ch == '\'' || ch == '-')
                ++counted[26];
            else if (k == CodeFree && ch >= 'A' && ch <= 'Z')
                ++counted[ch - 'A'];
        }
    }
    for (int k = 1; k <= kSquareOfEntries; ++k) {
        const int v = rec.squareOf(k);
        if (v != 0 &&
            (k < 100 || !rec.insideGrid(v / 100, v % 100) || rec.code(v / 100, v % 100) != k))
            return QStringLiteral("SquareOf[%1] = %2").arg(k).arg(v);
    }
    if (WordOps::letterCounters(rec) != counted)
        return QStringLiteral("letter counters differ from a recount");
    return {};
}

} // namespace

class Tst_WordOps : public QObject {
    Q_OBJECT

private slots:
    void randomWalkKeepsCodesAndSquareOfInStep_data() {
        QTest::addColumn<quint64>("seed");
        QTest::newRow("seed 1") << quint64(1);
        QTest::newRow("seed 77") << quint64(77);
        QTest::newRow("seed 2024") << quint64(2024);
    }
    // Random picks, take-outs and spills on a built puzzle. A pick fills the word's lowest empty
    // position; a refused pick (a word of 30 letters included) changes nothing.
    void randomWalkKeepsCodesAndSquareOfInStep() {
        QFETCH(quint64, seed);
        LetterState sets;
        sets.takeConstructionHyphens();
        Construction::Input in;
        in.quotation = "It's a truth universally acknowledged that a single man in possession of a "
                       "good fortune must be in want of a wife; well-known as that truth is, it is "
                       "seldom put to the test by the neighbours of such a man.";
        in.authorTitle = "Austen Pride";
        in.quotationCharacters = sets.quotationCharacters();
        in.seedLetters = sets.seedLetters();
        RandomSource random(seed);
        const Construction::Result built = Construction::BuildPuzzle(in, random);
        QVERIFY2(built.record, qPrintable(built.message));
        PuzzleRecord rec = *built.record;
        QCOMPARE(fault(rec), QString());

        std::mt19937 walk(static_cast<unsigned>(seed));
        auto any = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(walk); };
        int full = 0;
        for (int step = 0; step < 4000; ++step) {
            const int action = any(0, 19);
            // Picks favour word 1 so that it reaches its 30 letters; 0 and 31 are no words.
            const int word = action < 12 && any(0, 1) ? 1 : any(0, 31);
            const bool isWord = word >= 1 && word <= kMaxWords;
            const QByteArray before = rec.toBytes();
            if (action < 12) {
                const int c = any(0, rec.GridWidth + 1), r = any(0, rec.GridHeight + 1);
                const int lowest = isWord ? lowestEmptyPosition(rec, word) : 0;
                int p = 0;
                const WordOps::Pick result = WordOps::pickSquare(rec, c, r, word, &p);
                if (result == WordOps::Pick::Picked) {
                    QCOMPARE(p, lowest);
                    QCOMPARE(int(rec.code(c, r)), p * 100 + word);
                } else {
                    QVERIFY(rec.toBytes() == before &&
                            (result == WordOps::Pick::Ignored || !lowest));
                }
                full += result == WordOps::Pick::WordFull;
            } else if (action < 18) {
                WordOps::takeLetterOut(rec, word, any(0, 31));
            } else {
                const int initial = isWord ? rec.squareOf(100 + word) : 0;
                WordOps::spill(rec, word);
                for (int p = 1; isWord && p <= kMaxWordLetters; ++p)
                    QCOMPARE(int(rec.squareOf(p * 100 + word)), p == 1 ? initial : 0);
            }
            const QString wrong = fault(rec);
            QVERIFY2(wrong.isEmpty(),
                     qPrintable(QStringLiteral("step %1: %2").arg(step).arg(wrong)));
        }
        QVERIFY2(full > 0, "word 1 never reached its 30 letters");
    }

    void ignoredPicks_data() {
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("word");
        QTest::newRow("black square") << 4 << 1 << 1;
        QTest::newRow("apostrophe") << 3 << 1 << 1;
        QTest::newRow("square used by another word") << 2 << 1 << 1;
        QTest::newRow("word 0") << 1 << 1 << 0;
        QTest::newRow("right of the grid") << 7 << 1 << 1;
        QTest::newRow("below the grid") << 1 << 2 << 1;
    }
    void ignoredPicks() {
        QFETCH(int, c);
        QFETCH(int, r);
        QFETCH(int, word);
        PuzzleRecord rec = grid("AB'#-C", ".B");
        const QByteArray before = rec.toBytes();
        QCOMPARE(WordOps::pickSquare(rec, c, r, word), WordOps::Pick::Ignored);
        QCOMPARE(rec.toBytes(), before);
    }

    void scanRepeaters_data() {
        QTest::addColumn<QByteArray>("rows");
        QTest::addColumn<QByteArray>("words");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("two letters of THE, listed once")
            << QByteArray("THE#CAT") << QByteArray("BBA#BBA") << QStringList{"B.THCA"};
        QTest::newRow("quotation word split over two grid rows")
            << QByteArray("AN#TH/EN#OK") << QByteArray("....A/A") << QStringList{"A.HE"};
        QTest::newRow("neighbouring words across a black square")
            << QByteArray("AN#TH/EN#OK") << QByteArray(".A#A.") << QStringList{};
        QTest::newRow("in the order first found, lower-case labels")
            << QByteArray("ABCD#EF/GH#IJKL") << QByteArray("aaCC#../..#.CC.")
            << QStringList{"aa.AB", "C.CDJK"};
    }
    void scanRepeaters() {
        QFETCH(QByteArray, rows);
        QFETCH(QByteArray, words);
        QFETCH(QStringList, listed);
        const PuzzleRecord rec = grid(rows, words);
        QCOMPARE(WordOps::scanRepeaters(rec), listed);
        // A click on a row selects the word it names.
        for (const QString& row : listed)
            QCOMPARE(WordOps::wordLetters(rec, WordOps::wordOfScanRow(row)),
                     row.section(u'.', 1).toLatin1());
    }

    void retypeSquare_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("hyphensTakenIn");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("stored"); // 0: nothing stored, the square keeps its X
        QTest::newRow("q becomes Q") << int('q') << false << 0 << int('Q');
        QTest::newRow("digit") << int('5') << true << 0 << 0;
        QTest::newRow("hyphen not taken in") << int('-') << false << 0 << 0;
        QTest::newRow("apostrophe taken in") << int('\'') << true << 0 << int('\'');
        QTest::newRow("E acute in French") << 0xC9 << false << 1 << 0xC9;
        QTest::newRow("E acute in English") << 0xC9 << false << 0 << 0;
        QTest::newRow("e acute is not upper-cased") << 0xE9 << false << 1 << 0;
    }
    void retypeSquare() {
        QFETCH(int, key);
        QFETCH(bool, hyphensTakenIn);
        QFETCH(int, language);
        QFETCH(int, stored);
        LetterState sets;
        sets.loadLanguage(language);
        if (hyphensTakenIn)
            sets.takeGridHyphens();
        PuzzleRecord rec = grid("AXB");
        QCOMPARE(WordOps::retypeSquare(rec, 2, 1, quint8(key), WordOps::gridKeySet(sets)),
                 stored != 0);
        QCOMPARE(int(rec.letter(2, 1)), stored ? stored : int('X'));
        QCOMPARE(int(rec.code(2, 1)), int(CodeFree));
    }

    // Letters are A to Z and the code page's accented letters; Y is a vowel, an accented letter
    // neither vowel nor consonant; apostrophes, hyphens and black squares are no letters. Only
    // initials make words, and the letters per word round half to even.
    void statistics_data() {
        QTest::addColumn<QByteArray>("rows");
        QTest::addColumn<QByteArray>("words");
        QTest::addColumn<QList<int>>("counts"); // letters, words, per word, vowels, consonants
        QTest::newRow("Y a vowel, punctuation no letter")
            << QByteArray("BY'-A#") << QByteArray("A") << QList<int>{3, 1, 3, 2, 1};
        QTest::newRow("2.5 rounds to 2")
            << QByteArray("ABCDE") << QByteArray("AB") << QList<int>{5, 2, 2, 2, 3};
        QTest::newRow("3.5 rounds to 4")
            << QByteArray("ABCDEFG") << QByteArray("AB") << QList<int>{7, 2, 4, 2, 5};
        QTest::newRow("accented letter neither vowel nor consonant")
            << QByteArray("\xC9T\xC9") << QByteArray(".A") << QList<int>{3, 1, 3, 0, 1};
        QTest::newRow("a word's second letter is no word")
            << QByteArray("ABC#DE") << QByteArray("AA") << QList<int>{5, 1, 5, 2, 3};
        QTest::newRow("no words, ratio 0")
            << QByteArray("AEIOU") << QByteArray() << QList<int>{5, 0, 0, 5, 0};
    }
    void statistics() {
        QFETCH(QByteArray, rows);
        QFETCH(QByteArray, words);
        QFETCH(QList<int>, counts);
        QCOMPARE(PuzzleStatistics(grid(rows, words)),
                 QStringLiteral("%1 letters  /  %2 acrostic words  /  %3 letters per acrostic "
                                "word  /  %4 vowels  /  %5 consonants")
                     .arg(counts[0])
                     .arg(counts[1])
                     .arg(counts[2])
                     .arg(counts[3])
                     .arg(counts[4]));
    }
};

QTEST_GUILESS_MAIN(Tst_WordOps)
#include "tst_wordops.moc"
