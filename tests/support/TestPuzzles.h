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
