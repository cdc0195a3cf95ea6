// Prints how long construction, saving and loading take, per puzzle.
#include "puzzle/Construction.h"
#include "puzzle/PuzzleFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    LetterState letters;
    letters.takeConstructionHyphens();

    Construction::Input input;
    QByteArray quotation;
    const QByteArray words = "THE QUICK BROWN FOX JUMPS OVER A LAZY DOG WHILE IT'S SUNNY ";
    while (quotation.size() < 372)
        quotation += words;
    input.quotation = quotation.left(372);
    input.authorTitle = "QUICK BROWN FOX JUMPS LAZY DOG";
    input.quotationCharacters = letters.quotationCharacters();
    input.seedLetters = letters.seedLetters();

    constexpr int kBuilds = 20000;
    QElapsedTimer timer;
    timer.start();
    int words30 = 0;
    for (int seed = 0; seed < kBuilds; ++seed) {
        RandomSource random(static_cast<quint64>(seed));
        words30 += Construction::BuildPuzzle(input, random).record->wordCount() == 25;
    }
    const double buildUs = timer.nsecsElapsed() / 1000.0 / kBuilds;

    RandomSource random(1);
    const PuzzleRecord rec = *Construction::BuildPuzzle(input, random).record;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bench.ixv"));
    constexpr int kFiles = 2000;
    timer.restart();
    for (int i = 0; i < kFiles; ++i)
        PuzzleFile::SavePuzzle(file, rec);
    const double saveUs = timer.nsecsElapsed() / 1000.0 / kFiles;
    timer.restart();
    for (int i = 0; i < kFiles; ++i)
        (void)PuzzleFile::LoadPuzzle(file);
    const double loadUs = timer.nsecsElapsed() / 1000.0 / kFiles;

    std::printf("build a 372-square puzzle with 25 words: %.1f us (%d builds)\n", buildUs, words30);
    std::printf("save a puzzle (temporary file, flush, rename): %.1f us\n", saveUs);
    std::printf("load and check a puzzle: %.1f us\n", loadUs);
    return 0;
}
