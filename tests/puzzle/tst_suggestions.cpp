// Word suggestions: reading a word list, drawing the candidates of an acrostic word from the
// free letters, and choosing the squares each candidate would take.
#include "GridText.h"
#include "TestEnv.h"
#include "TestFiles.h"
#include "base/Codepage.h"
#include "base/Errors.h"
#include "puzzle/WordOperations.h"
#include "puzzle/WordSuggestions.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList wordsOf(const WordList& list) {
    QStringList out;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const std::string_view w = list.at(i);
        out << Codepage::toUnicode(QByteArray(w.data(), qsizetype(w.size())));
    }
    return out;
}

// Candidates as "WORD", with "*" after those that make a repeater.
QStringList shown(const Suggestions::Result& result) {
    QStringList out;
    for (const Suggestions::Candidate& c : result.shown)
        out << Codepage::toUnicode(c.word) + (c.repeater ? QStringLiteral("*") : QString());
    return out;
}

QString squaresText(const QList<Square>& squares) {
    QStringList parts;
    for (const Square& sq : squares)
        parts << QStringLiteral("%1,%2").arg(sq.column).arg(sq.row);
    return parts.join(u' ');
}

CharSet lettersOf(int language) {
    LetterState state;
    state.loadLanguage(language);
    return state.seedLetters();
}

} // namespace

class Tst_Suggestions : public QObject {
    Q_OBJECT

private slots:
    void readingTheList_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("kept");

        QTest::newRow("upper-cased, sorted, each once")
            << QByteArray("tree\nApple\nTREE\nbee\n") << QStringList{"APPLE", "BEE", "TREE"};
        QTest::newRow("apostrophes dropped, straight and curly")
            << QByteArray("it's\ndon\xE2\x80\x99t\nits\n") << QStringList{"DONT", "ITS"};
        QTest::newRow("fewer than two letters or more than thirty left out")
            << QByteArray("a\nI'\nab\n" + QByteArray(30, 'x') + "\n" + QByteArray(31, 'y') + "\n")
            << QStringList{"AB", QString(30, u'X')};
        QTest::newRow("anything but letters leaves the word out")
            << QByteArray("x-ray\nice cream\nr2d2\nok.\nfine\n") << QStringList{"FINE"};
        QTest::newRow("blanks and carriage returns around a word are not part of it")
            << QByteArray("  tree\r\n\tbee \r\n\r\n") << QStringList{"BEE", "TREE"};
        QTest::newRow("UTF-8 letters become the code page's capitals")
            << QByteArray("caf\xC3\xA9\n\xC3\x85ngstr\xC3\xB6m\nstra\xC3\x9F"
                          "e\n\xC5\x93uvre\n")
            << QStringList{"CAFÉ", "STRAßE", "ŒUVRE", "ÅNGSTRÖM"}; // byte order: Œ is 0x8C, Å 0xC5
        QTest::newRow("a line that is not UTF-8 is read in the code page")
            << QByteArray("na\xEFve\n") << QStringList{"NAÏVE"};
        QTest::newRow("letters outside the code page leave the word out")
            << QByteArray("\xCE\xB1\xCE\xB2\n\xC4\x8D"
                          "ek\nok\n")
            << QStringList{"OK"};
        QTest::newRow("a byte-order mark is not a letter of the first word")
            << QByteArray("\xEF\xBB\xBFzoo\n") << QStringList{"ZOO"};
    }
    void readingTheList() {
        QFETCH(QByteArray, text);
        QTEST(wordsOf(WordList::fromText(text)), "kept");
    }

    void aListThatCannotBeReadNamesItsFile() {
        QTemporaryDir dir;
        const QString missing = dir.filePath("no-such-list");
        try {
            (void)WordList::load(missing);
            QFAIL("a missing list was read");
        } catch (const IoError& e) {
            QCOMPARE(e.fileName(), missing);
        }
    }

    void theCacheReadsAgainWhenTheFileChanged() {
        QTemporaryDir dir;
        const QString file = dir.filePath("words");
        WordListCache cache;
        QVERIFY(writeBytes(file, "one\ntwo\n"));
        QCOMPARE(wordsOf(cache.listFor(file)), (QStringList{"ONE", "TWO"}));
        QVERIFY(writeBytes(file, "three\nfour\nfive\n"));
        QCOMPARE(wordsOf(cache.listFor(file)), (QStringList{"FIVE", "FOUR", "THREE"}));
        QFile::remove(file);
        QVERIFY_THROWS_EXCEPTION(IoError, cache.listFor(file));
    }

    void candidates_data() {
        QTest::addColumn<QByteArray>("rows");
        QTest::addColumn<QByteArray>("words");
        QTest::addColumn<QList<int>>("takenOut"); // positions of word A taken out
        QTest::addColumn<int>("language");
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char* name, const QByteArray& rows, const QByteArray& words,
                            const QList<int>& takenOut, int language, const QByteArray& list,
                            const QString& filter, const QStringList& expected) {
            QTest::newRow(name) << rows << words << takenOut << language << list << filter
                                << expected;
        };
        const QByteArray list = "t\nta\nto\ntee\ntoe\ntet\ntare\ntree\nteen\nteeth\nrat\n";
        const QByteArray accented = "caf\xC3\xA9\ncab\nc\xC3\xBC"
                                    "b\n";
        const QByteArray cafe = "CAF\xC9#\xDC"
                                "BER";
        row("the initial is the prefix; longest first, then alphabetically", "TAR#EEL#ONE", "A", {},
            0, list, {}, {"TARE", "TEEN", "TREE", "TEE", "TOE", "TA", "TO"});
        row("a letter free twice serves a word using it twice, not three times", "TEN#EAR", "A", {},
            0, "tee\nteee\nteen\ntern\n", {}, {"TEEN", "TERN", "TEE"});
        row("the prefix ends at the first gap", "TRY#ACE#EON", "AAA", {3}, 0,
            "try\ntrace\ntrance\ntree\nto\ntoe\n", {}, {"TRANCE", "TRACE", "TREE", "TRY"});
        row("letters after the gap stay at their positions", "TRAIN#AEO#LNE", "AAAA", {3}, 0,
            "train\ntrail\ntrains\ntree\ntrio\ntri\ntrain\ntrainee\n", {},
            {"TRAINEE", "TRAIL", "TRAIN"});
        row("with the initial taken out every word is a candidate", "SAT#ON", "A", {1}, 0,
            "sat\nno\nnot\nox\n", {}, {"NOT", "SAT", "NO"});
        row("accented letters of the grid language count", cafe, "A", {}, 1, accented, {},
            {"CAFÉ", "CAB"});
        row("another language's accented letters do not", cafe, "A", {}, 4, accented, {},
            {"CAB", "CÜB"});
        row("the filter keeps words holding its letters, as often as typed", "TAR#EEL#ONE", "A", {},
            0, list, "ee", {"TEEN", "TREE", "TEE"});
        row("the filter looks at the whole word, prefix included", "TAR#EEL#ONE", "A", {}, 0, list,
            "t o", {"TOE", "TO"});
        row("a word of thirty letters has no candidates",
            QByteArray(30, 'E') + "/EEE" + QByteArray(27, '#'), QByteArray(30, 'A'), {}, 0,
            QByteArray(30, 'e') + "\n" + QByteArray(31, 'e') + "\n", {}, {});
    }
    void candidates() {
        QFETCH(QByteArray, rows);
        QFETCH(QByteArray, words);
        QFETCH(QList<int>, takenOut);
        QFETCH(int, language);
        QFETCH(QByteArray, list);
        QFETCH(QString, filter);
        QFETCH(QStringList, expected);
        PuzzleRecord rec = grid(rows, words);
        for (int p : takenOut)
            QVERIFY(WordOps::takeLetterOut(rec, 1, p).column != 0);
        const Suggestions::Result result =
            Suggestions::suggest(rec, 1, WordList::fromText(list), lettersOf(language),
                                 Suggestions::filterLetters(filter));
        QStringList got = shown(result);
        got.replaceInStrings(QStringLiteral("*"), QString());
        QCOMPARE(got, expected);
        QCOMPARE(result.total, expected.size());
    }

    void squareChoice_data() {
        QTest::addColumn<QByteArray>("rows");
        QTest::addColumn<QByteArray>("words");
        QTest::addColumn<QByteArray>("candidate");
        QTest::addColumn<QString>("squares");
        QTest::addColumn<bool>("repeater");
        const auto row = [](const char* name, const QByteArray& rows, const QByteArray& words,
                            const QByteArray& candidate, const QString& squares, bool repeater) {
            QTest::newRow(name) << rows << words << candidate << squares << repeater;
        };
        row("the earliest squares when they avoid a repeater", "TAR#EEL#ONE", "A", "TOE", "9,1 5,1",
            false);
        row("the earliest A and R share a word: R comes from a later one", "SEA#ARE#RAT#OAR", "A",
            "STAR", "11,1 5,1 15,1", false);
        row("an earlier letter gives way to a later one that has no other word", "S#AB#A", "A",
            "SAB", "6,1 4,1", false);
        row("no choice avoids it: the earliest squares, marked", "SEA#TEE", "A", "SEE", "2,1 6,1",
            true);
        row("a quotation word runs on into the next row", "S#A/E#E", "A", "SAE", "3,1 3,2", false);
        row("so two letters from its two rows make a repeater", "S#A/E#O", "A", "SAE", "3,1 1,2",
            true);
        row("letters held that repeat already mark every candidate", "THE#ON#E", "AA", "THEN",
            "8,1 6,1", true);
    }
    void squareChoice() {
        QFETCH(QByteArray, rows);
        QFETCH(QByteArray, words);
        QFETCH(QByteArray, candidate);
        PuzzleRecord rec = grid(rows, words);
        const Suggestions::Candidate c = Suggestions::place(rec, 1, candidate);
        QTEST(squaresText(c.squares), "squares");
        QTEST(c.repeater, "repeater");
        // Picking the squares in order spells the candidate; the scan lists the word only when
        // it was marked.
        for (const Square& sq : c.squares)
            QCOMPARE(WordOps::pickSquare(rec, sq.column, sq.row, 1), WordOps::Pick::Picked);
        QCOMPARE(WordOps::wordLetters(rec, 1), candidate);
        QCOMPARE(WordOps::scanRepeaters(rec).isEmpty(), !c.repeater);
    }

    // A grid of one letter repeated in many quotation words and a candidate of thirty letters
    // is the most the search can meet; it still ends, with squares for every letter.
    void aLargeSearchEnds() {
        QByteArray row;
        for (int i = 0; i < 15; ++i)
            row += "EEEE#";
        QList<QByteArray> rows(8, row.left(31));
        QList<QByteArray> words(8, QByteArray(31, '.'));
        words[0][0] = 'A';
        const PuzzleRecord rec = gridOf(rows, words);
        const Suggestions::Candidate c = Suggestions::place(rec, 1, QByteArray(30, 'E'));
        QCOMPARE(c.squares.size(), 29);
        QCOMPARE(c.repeater, false);
    }
};

QTEST_GUILESS_MAIN(Tst_Suggestions)
#include "tst_suggestions.moc"
