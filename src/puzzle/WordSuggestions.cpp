#include "puzzle/WordSuggestions.h"

#include "base/Codepage.h"

#include <algorithm>
#include <vector>

namespace Suggestions {

namespace {

// Finding the earliest squares is a search over assignments; once a repeater-free assignment is
// known, each candidate may spend this many steps (quotation words looked at) moving its letters
// to earlier squares. Past that the letters keep the quotation words they have, which still
// avoids the repeater: the bound only gives up the earliest squares, never the avoidance.
constexpr int kRefineSteps = 50000;

// The free squares of the grid by quotation word, and which quotation words already give a
// letter to the acrostic word. Quotation words are the runs between black squares in reading
// order, running on from one grid row to the next, as the repeater scan reads them.
class SquareChooser {
public:
    SquareChooser(const PuzzleRecord& rec, int word);
    Candidate place(const QByteArray& candidate) const;

private:
    struct FreeSquare {
        Square square;
        int quotationWord;
    };
    struct Assignment;

    WordShape m_shape;
    std::vector<FreeSquare> m_free;                      // reading order
    std::array<std::vector<int>, 256> m_freeByLetter;    // indexes into m_free
    std::array<std::vector<int>, 256> m_wordsWithLetter; // open quotation words, reading order
    std::vector<char> m_taken; // by quotation word: it gives a letter to the acrostic word
    bool m_heldRepeat = false; // the letters held already make a repeater
};

// A matching of the candidate's letters (to place) to quotation words, one letter a word.
struct SquareChooser::Assignment {
    const SquareChooser& chooser;
    const std::vector<quint8>& letters;
    std::vector<int> wordOf;   // by letter: its quotation word, -1 for none
    std::vector<int> letterOf; // by quotation word: its letter, -1 for none
    std::vector<char> fixed;   // by letter: its square is chosen, it no longer moves
    std::vector<int> visited;  // by quotation word: the search that last looked at it
    int search = 0;
    int steps = 0;

    Assignment(const SquareChooser& c, const std::vector<quint8>& l)
        : chooser(c), letters(l), wordOf(l.size(), -1), letterOf(c.m_taken.size(), -1),
          fixed(l.size(), 0), visited(c.m_taken.size(), 0) {}

    // Finds a quotation word for letter i, moving letters that are not fixed along the way.
    bool augment(int i) {
        for (int q : chooser.m_wordsWithLetter[letters[size_t(i)]]) {
            if (visited[size_t(q)] == search)
                continue;
            visited[size_t(q)] = search;
            ++steps;
            const int j = letterOf[size_t(q)];
            if (j < 0 || (!fixed[size_t(j)] && augment(j))) {
                letterOf[size_t(q)] = i;
                wordOf[size_t(i)] = q;
                return true;
            }
        }
        return false;
    }

    bool matchAll() {
        for (int i = 0; i < int(letters.size()); ++i) {
            ++search;
            if (!augment(i))
                return false;
        }
        return true;
    }

    // Moves letter i to quotation word q when every later letter can still find one. Letter i
    // is fixed when this returns true.
    bool moveTo(int i, int q) {
        const int old = wordOf[size_t(i)];
        const int j = letterOf[size_t(q)];
        fixed[size_t(i)] = 1;
        letterOf[size_t(old)] = -1;
        wordOf[size_t(i)] = q;
        letterOf[size_t(q)] = i;
        if (j < 0)
            return true;
        wordOf[size_t(j)] = -1;
        ++search;
        visited[size_t(q)] = search;
        if (augment(j))
            return true;
        letterOf[size_t(q)] = j;
        wordOf[size_t(j)] = q;
        wordOf[size_t(i)] = old;
        letterOf[size_t(old)] = i;
        fixed[size_t(i)] = 0;
        return false;
    }
};

SquareChooser::SquareChooser(const PuzzleRecord& rec, int word) : m_shape(shapeOf(rec, word)) {
    bool inRun = false;
    for (int r = 1; r <= rec.GridHeight; ++r) {
        for (int c = 1; c <= rec.GridWidth; ++c) {
            const quint8 ch = rec.letter(c, r);
            if (ch == BlackSquare) {
                inRun = false;
                continue;
            }
            if (!inRun)
                m_taken.push_back(0);
            inRun = true;
            const int q = int(m_taken.size()) - 1;
            const int code = rec.code(c, r);
            if (code == CodeFree && ch != LetterSets::Apostrophe && ch != LetterSets::Hyphen) {
                m_freeByLetter[ch].push_back(int(m_free.size()));
                m_free.push_back({{c, r}, q});
            } else if (code >= 100 && code % 100 == word) {
                if (m_taken[size_t(q)])
                    m_heldRepeat = true;
                m_taken[size_t(q)] = 1;
            }
        }
    }
    for (int ch = 0; ch < 256; ++ch) {
        std::vector<int>& words = m_wordsWithLetter[size_t(ch)];
        for (int i : m_freeByLetter[size_t(ch)]) {
            const int q = m_free[size_t(i)].quotationWord;
            if (!m_taken[size_t(q)] && (words.empty() || words.back() != q))
                words.push_back(q);
        }
    }
}

Candidate SquareChooser::place(const QByteArray& candidate) const {
    Candidate out;
    out.word = candidate;
    std::vector<quint8> letters;
    for (int p = 1; p <= candidate.size() && p <= kMaxWordLetters; ++p) {
        if (!m_shape.held[size_t(p - 1)])
            letters.push_back(quint8(candidate[p - 1]));
    }
    Assignment a(*this, letters);
    const bool avoided = a.matchAll();
    out.repeater = m_heldRepeat || !avoided;
    std::vector<char> used(m_free.size(), 0);
    for (int i = 0; i < int(letters.size()); ++i) {
        const std::vector<int>& squares = m_freeByLetter[letters[size_t(i)]];
        int chosen = -1;
        if (!avoided) {
            for (int s : squares) {
                if (!used[size_t(s)]) {
                    chosen = s;
                    break;
                }
            }
        } else {
            std::vector<char> tried(m_taken.size(), 0);
            for (int s : squares) {
                const int q = m_free[size_t(s)].quotationWord;
                const int holder = a.letterOf[size_t(q)];
                if (m_taken[size_t(q)] || tried[size_t(q)] ||
                    (holder >= 0 && a.fixed[size_t(holder)]))
                    continue;
                tried[size_t(q)] = 1;
                if (q == a.wordOf[size_t(i)] || (a.steps <= kRefineSteps && a.moveTo(i, q))) {
                    chosen = s;
                    break;
                }
            }
            a.fixed[size_t(i)] = 1;
        }
        if (chosen < 0)
            continue;
        used[size_t(chosen)] = 1;
        out.squares << m_free[size_t(chosen)].square;
    }
    return out;
}

bool containsAll(std::string_view word, const std::vector<std::pair<quint8, int>>& wanted) {
    for (const auto& [ch, count] : wanted) {
        if (std::count(word.begin(), word.end(), char(ch)) < count)
            return false;
    }
    return true;
}

std::vector<std::pair<quint8, int>> letterCounts(const QByteArray& letters) {
    std::vector<std::pair<quint8, int>> counts;
    for (char ch : letters) {
        auto it = std::find_if(counts.begin(), counts.end(),
                               [&](const auto& e) { return e.first == quint8(ch); });
        if (it == counts.end())
            counts.emplace_back(quint8(ch), 1);
        else
            ++it->second;
    }
    return counts;
}

// Whether the word keeps what the acrostic word holds and its other letters fit the free ones.
bool fits(std::string_view w, const WordShape& shape, const std::array<int, 256>& free,
          const CharSet& letters) {
    const size_t n = w.size();
    if (n <= size_t(shape.prefix.size()) || n < size_t(shape.lastHeld) ||
        n > size_t(kMaxWordLetters))
        return false;
    if (!std::all_of(w.begin(), w.end(), [&](char ch) { return letters.contains(ch); }))
        return false;
    std::array<quint8, 256> need{};
    for (size_t p = size_t(shape.prefix.size()); p < n; ++p) {
        const quint8 ch = quint8(w[p]);
        if (shape.held[p]) {
            if (shape.held[p] != ch)
                return false;
        } else if (++need[ch] > free[ch]) {
            return false;
        }
    }
    return true;
}

} // namespace

WordShape shapeOf(const PuzzleRecord& rec, int word) {
    WordShape shape;
    if (word < 1 || word > kMaxWords)
        return shape;
    bool gap = false;
    for (int p = 1; p <= kMaxWordLetters; ++p) {
        const Square sq = rec.LocateCode(p * 100 + word);
        if (sq.column == 0 || !rec.insideGrid(sq.column, sq.row)) {
            gap = true;
            continue;
        }
        const quint8 ch = rec.letter(sq.column, sq.row);
        shape.held[size_t(p - 1)] = ch;
        shape.lastHeld = p;
        if (!gap)
            shape.prefix += char(ch);
    }
    return shape;
}

std::array<int, 256> freeLetters(const PuzzleRecord& rec, const CharSet& letters) {
    std::array<int, 256> free{};
    for (int r = 1; r <= rec.GridHeight; ++r) {
        for (int c = 1; c <= rec.GridWidth; ++c) {
            if (rec.code(c, r) == CodeFree && letters.contains(rec.letter(c, r)))
                ++free[rec.letter(c, r)];
        }
    }
    return free;
}

Result suggest(const PuzzleRecord& rec, int word, const WordList& list, const CharSet& letters,
               const QByteArray& filter, int limit) {
    Result result;
    if (word < 1 || word > kMaxWords)
        return result;
    const WordShape shape = shapeOf(rec, word);
    result.prefix = shape.prefix;
    const std::array<int, 256> free = freeLetters(rec, letters);
    const auto wanted = letterCounts(filter);

    std::vector<qsizetype> found;
    const auto [first, last] =
        list.range(std::string_view(shape.prefix.constData(), size_t(shape.prefix.size())));
    for (qsizetype i = first; i < last; ++i) {
        const std::string_view w = list.at(i);
        if (fits(w, shape, free, letters) && containsAll(w, wanted))
            found.push_back(i);
    }
    // The list is sorted, so ordering by length alone keeps each length alphabetical.
    std::stable_sort(found.begin(), found.end(), [&](qsizetype a, qsizetype b) {
        return list.at(a).size() > list.at(b).size();
    });
    result.total = qsizetype(found.size());

    const SquareChooser chooser(rec, word);
    const size_t shown = std::min(found.size(), size_t(std::max(limit, 0)));
    for (size_t k = 0; k < shown; ++k) {
        const std::string_view w = list.at(found[k]);
        result.shown << chooser.place(QByteArray(w.data(), qsizetype(w.size())));
    }
    return result;
}

Candidate place(const PuzzleRecord& rec, int word, const QByteArray& candidate) {
    return SquareChooser(rec, word).place(candidate);
}

QByteArray filterLetters(const QString& typed) {
    QByteArray letters;
    for (QChar ch : typed) {
        if (!ch.isLetter())
            continue;
        if (const auto normal = WordList::normalize(QStringView(&ch, 1)))
            letters += *normal;
    }
    return letters;
}

} // namespace Suggestions
