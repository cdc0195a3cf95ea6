#pragma once

#include "app/DesktopServices.h"
#include "puzzle/Construction.h"

#include <QList>
#include <QUrl>
#include <functional>

// The puzzle the window tests work on: a 16 x 8 grid of 99 letters, 45 of them vowels, whose
// author-title line "Emerson Trail" seeds 12 words.
inline const QByteArray kEmersonQuotation =
    "The only way to have a friend is to be one. Do not go where the path may lead, "
    "go instead where there is no path and leave a trail.";

inline PuzzleRecord emersonPuzzle(quint64 seed = 5) {
    LetterState sets;
    Construction::Input in;
    in.quotation = kEmersonQuotation;
    in.authorTitle = "Emerson Trail";
    in.quotationCharacters = sets.quotationCharacters();
    in.seedLetters = sets.seedLetters();
    RandomSource random(seed);
    return *Construction::BuildPuzzle(in, random).record;
}

// Records what the program asked the desktop to open.
class RecordingDesktop : public DesktopServices {
public:
    QList<QUrl> opened;
    std::function<void(const QUrl&)> onOpen; // told of each opening as it happens
    bool openUrl(const QUrl& url) override {
        opened << url;
        if (onOpen)
            onOpen(url);
        return true;
    }
};

#include "TestEnv.h"
#include "app/TIxvProcs.h"

#include <QFile>

// The application data module over an empty settings store, answering through the test's
// dialogs and sounds, on the given screen.
inline std::unique_ptr<TIxvProcs> freshProcs(Dialogs* dialogs, SoundEffects* sounds = nullptr,
                                             const ScreenMetrics& screen = {}) {
    QFile::remove(TestEnv::settingsPath());
    auto procs = std::make_unique<TIxvProcs>(
        std::make_unique<SettingsStore>(TestEnv::settingsPath()), screen);
    procs->setDialogs(dialogs);
    procs->setSounds(sounds);
    return procs;
}

// The puzzle above with every letter in a word and a clue for each word: the free squares are
// dealt to the 12 words in reading order, one to each in turn, after their initial letters.
// The clues run from a few words to the full 80 characters, with quotation marks, an
// apostrophe and parentheses.
inline PuzzleRecord completedEmersonPuzzle(quint64 seed = 5) {
    PuzzleRecord rec = emersonPuzzle(seed);
    const int words = rec.wordCount();
    QList<int> next(words + 1, 2);
    int w = 0;
    for (int r = 1; r <= rec.GridHeight; ++r) {
        for (int c = 1; c <= rec.GridWidth; ++c) {
            if (rec.code(c, r) != CodeFree || rec.letter(c, r) == BlackSquare)
                continue;
            w = w % words + 1;
            rec.setCode(c, r, qint16(next[w]++ * 100 + w));
        }
    }
    static const char* const clues[] = {
        "Not yet fixed in place (8)",
        "\"A little learning is a dangerous thing,\" said he",
        "Farewell, in the language of the Bard's Verona",
        "What a compass (or a conscience) gives",
        "Seaside bird heard before it is seen; also, a gull's cry on a grey November dawn",
        "Opposite of \"closed\"",
        "Without a name, like the author of many ballads",
        "Path through the woods",
        "Rain, in the forecast of a cautious meteorologist",
        "Roughly; more or less (abbr.)",
        "In the direction of the rising sun",
        "Way in; the opposite of an exit",
    };
    for (int i = 1; i <= words && i <= 12; ++i)
        rec.clue(i).assign(clues[i - 1]);
    return rec;
}
