// Prints how long word suggestions take: reading the system's word list, and drawing the
// candidates (with their squares) for every word of a 30-word puzzle, first with only the
// initials placed, then as the words are filled one by one from their first suggestion.
#include "BenchSupport.h"
#include "puzzle/Construction.h"
#include "puzzle/WordOperations.h"
#include "puzzle/WordSuggestions.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using Bench::median;

struct Timing {
    double mean = 0;
    double worst = 0;
    int worstWord = 0;
};

// The time of one word's candidates: the median of a few rounds.
double timeWord(const PuzzleRecord& rec, int word, const WordList& list, const CharSet& letters,
                qsizetype* total) {
    std::vector<double> rounds;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        const auto result = Suggestions::suggest(rec, word, list, letters);
        rounds.push_back(t.nsecsElapsed() / 1e6);
        *total = result.total;
    }
    return median(rounds);
}

Timing timeEveryWord(const PuzzleRecord& rec, const WordList& list, const CharSet& letters,
                     qsizetype* candidates) {
    Timing timing;
    *candidates = 0;
    const int words = rec.wordCount();
    for (int w = 1; w <= words; ++w) {
        qsizetype total = 0;
        const double ms = timeWord(rec, w, list, letters, &total);
        *candidates += total;
        timing.mean += ms / words;
        if (ms > timing.worst) {
            timing.worst = ms;
            timing.worstWord = w;
        }
    }
    return timing;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString file = argc > 1 ? QString::fromLocal8Bit(argv[1]) : WordList::defaultPath();

    std::vector<double> loads;
    WordList list;
    for (int i = 0; i < 9; ++i) {
        QElapsedTimer t;
        t.start();
        list = WordList::load(file);
        loads.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("load %s: %lld words kept, median %.1f ms, best %.1f ms (9 reads)\n",
                qPrintable(file), static_cast<long long>(list.size()), median(loads),
                *std::min_element(loads.begin(), loads.end()));

    LetterState letters;
    Construction::Input input;
    input.quotation =
        "Whoso would be a man must be a nonconformist. He who would gather immortal palms must "
        "not be hindered by the name of goodness, but must explore if it be goodness. Nothing "
        "is at last sacred but the integrity of your own mind. Absolve you to yourself, and you "
        "shall have the suffrage of the world. I remember an answer which when quite young I was "
        "prompted to make to an adviser.";
    // Spaces count against the 30 author-title characters, so the 30 letters run together.
    input.authorTitle = "EmersonSelfRelianceFirstSeries";
    input.quotationCharacters = letters.quotationCharacters();
    input.seedLetters = letters.seedLetters();
    RandomSource random(7);
    const Construction::Result built = Construction::BuildPuzzle(input, random);
    if (!built.record) {
        std::printf("construction failed: %s\n", qPrintable(built.message));
        return 1;
    }
    PuzzleRecord rec = *built.record;
    const CharSet counted = letters.seedLetters();

    qsizetype candidates = 0;
    const Timing fresh = timeEveryWord(rec, list, counted, &candidates);
    std::printf("%d words, initials only: %lld candidates in all; one word mean %.2f ms, "
                "worst %.2f ms (word %d)\n",
                rec.wordCount(), static_cast<long long>(candidates), fresh.mean, fresh.worst,
                fresh.worstWord);

    // Fill the words one after another from their first suggestion, timing each word just
    // before it is filled: the free letters shrink as a constructor's would.
    Timing filling;
    int filled = 0;
    for (int w = 1; w <= rec.wordCount(); ++w) {
        qsizetype total = 0;
        const double ms = timeWord(rec, w, list, counted, &total);
        filling.mean += ms / rec.wordCount();
        if (ms > filling.worst) {
            filling.worst = ms;
            filling.worstWord = w;
        }
        const auto result = Suggestions::suggest(rec, w, list, counted, {}, 1);
        if (result.shown.isEmpty())
            continue;
        for (const Square& sq : result.shown.first().squares)
            WordOps::pickSquare(rec, sq.column, sq.row, w);
        ++filled;
    }
    std::printf("filling the words one by one (%d filled): one word mean %.2f ms, worst %.2f ms "
                "(word %d)\n",
                filled, filling.mean, filling.worst, filling.worstWord);

    // With its initial taken out a word has no prefix: every word of the list is looked at.
    WordOps::spill(rec, 1);
    WordOps::takeLetterOut(rec, 1, 1);
    qsizetype total = 0;
    const double open = timeWord(rec, 1, list, counted, &total);
    std::printf("a word with no letters (the whole list looked at): %.2f ms, %lld candidates\n",
                open, static_cast<long long>(total));

    // The square choice at its hardest: a 30-letter candidate whose first letter's earliest
    // quotation words are each needed by the letters after it, so each is tried and refused.
    PuzzleRecord hard = PuzzleRecord::zeroed();
    hard.ClearPuzzle(30, 2, "");
    const QByteArray rows[2] = {"S#AB#AB#AB#AB#AB#AB#AB#AB#AB#A", "B#AB#AB#AB#AB#AB#AB#AB#AB#AB#A"};
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 30; ++c) {
            const char ch = rows[r - 1][c - 1];
            hard.letter(c, r) = ch == '#' ? BlackSquare : quint8(ch);
            hard.code(c, r) = ch == '#' ? CodeBlack : CodeFree;
        }
    }
    hard.setCode(1, 1, 101);
    const QByteArray candidate = "SA" + QByteArray(19, 'B');
    std::vector<double> rounds;
    bool repeater = true;
    for (int i = 0; i < 9; ++i) {
        QElapsedTimer t;
        t.start();
        repeater = Suggestions::place(hard, 1, candidate).repeater;
        rounds.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("squares of a %lld-letter candidate that refuses the earliest squares: %.3f ms%s\n",
                static_cast<long long>(candidate.size()), median(rounds),
                repeater ? " (repeater)" : "");
    return 0;
}
