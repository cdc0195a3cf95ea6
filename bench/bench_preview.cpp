// Prints how long the print preview takes to compose a ten-page document and show its first
// page, how long a page flip takes, and the peak resident memory. The document: a 372-square
// puzzle of 30 words with 80-character clues; its manuscript (four pages, the manuscript grid
// and the solution page), the numbered and solution grids, and the puzzle page with its
// continuation. Run offscreen (QT_QPA_PLATFORM=offscreen) in a Release build.
#include "output/PrintPageTarget.h"
#include "output/SolutionText.h"
#include "prefs/SettingsAccess.h"
#include "prefs/SettingsCatalogue.h"
#include "preview/ui/TGmPaperImage.h"
#include "preview/ui/TGmPreview.h"
#include "puzzle/Construction.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Settings as they are at first, but no solution page after the puzzle page.
class DefaultSettings : public SettingsAccess {
public:
    SettingValue ReadSetting(const QString& name, const SettingValue& defaultValue) const override {
        return name == QLatin1String(Settings::PuzPageSol.name) ? SettingValue::boolean(false)
                                                                : defaultValue;
    }
    void WriteSetting(const QString&, const SettingValue&) override {}
    int DefaultSquareSize() const override { return 37; }
    const ScreenMetrics& metrics() const override { return m_metrics; }

private:
    ScreenMetrics m_metrics;
};

// The pane of a window on a 1024-pixel screen.
struct PaneView : PrintPreviewView {
    const TGmPreview& preview;
    explicit PaneView(const TGmPreview& p) : preview(p) {}
    int PaneHeight() const override { return preview.viewport()->height(); }
    int MaxZoom() const override { return 117; }
};

// 30 words: the author-title letters seed them, then every free square goes to the word whose
// turn it is, up to 30 letters a word; every clue is 80 characters.
PuzzleRecord thirtyWordPuzzle() {
    LetterState letters;
    Construction::Input input;
    QByteArray quotation;
    const QByteArray words = "THE QUICK BROWN FOX JUMPS OVER A LAZY DOG WHILE IT IS SUNNY ";
    while (quotation.size() < 372)
        quotation += words;
    input.quotation = quotation.left(372);
    input.authorTitle = "QUICKBROWNFOXJUMPSOVERTHELAZYD";
    input.quotationCharacters = letters.quotationCharacters();
    input.seedLetters = letters.seedLetters();
    RandomSource random(7);
    PuzzleRecord rec = *Construction::BuildPuzzle(input, random).record;
    std::vector<int> length(kMaxWords + 1, 1);
    int w = 0;
    for (int r = 1; r <= rec.GridHeight; ++r) {
        for (int c = 1; c <= rec.GridWidth; ++c) {
            if (rec.code(c, r) != CodeFree)
                continue;
            w = w % kMaxWords + 1;
            if (length[w] < kMaxWordLetters)
                rec.setCode(c, r, qint16(++length[w] * 100 + w));
        }
    }
    for (int word = 1; word <= kMaxWords; ++word) {
        QByteArray clue = "Clue " + QByteArray::number(word) + ": a long description of it";
        while (clue.size() < kMaxStringLength)
            clue += " more";
        rec.clue(word).assign(clue.left(kMaxStringLength));
    }
    return rec;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

long peakResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const PuzzleRecord rec = thirtyWordPuzzle();
    DefaultSettings settings;
    ComposerOptions options;
    options.pageTitle = "Benchmark";
    options.manuscript = options.numberedGrid = options.solutionGrid = options.puzzlePage = true;
    options.solutionLines = SolutionText(rec).lines();

    TGmPreview preview;
    preview.resize(800, 990);
    PrintDocument::setUp(preview.Document());
    preview.SetGutter(4);
    preview.show();
    while (!preview.windowHandle() || !preview.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    PaneView view(preview);
    TGmDocument& document = preview.Document();

    constexpr int kRuns = 15;
    std::vector<double> compose, flip;
    QElapsedTimer timer;
    for (int run = 0; run < kRuns; ++run) {
        timer.start();
        PrintDocument::compose(document, rec, settings, options, &view);
        preview.PaperImage().repaint();
        compose.push_back(double(timer.nsecsElapsed()) / 1e6);
        for (int page = 2; page <= document.NumPages(); ++page) {
            timer.start();
            document.NextPage();
            preview.PaperImage().repaint();
            flip.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
    }
    std::printf("%d pages (%d words, %d x %d grid), zoom %d, printer %s\n", document.NumPages(),
                rec.wordCount(), rec.GridWidth, rec.GridHeight, document.Zoom(),
                document.HasPrinter() ? "installed" : "none");
    std::printf("compose and show page 1: median %.1f ms, slowest %.1f ms (%d runs)\n",
                median(compose), *std::max_element(compose.begin(), compose.end()), kRuns);
    std::printf("page flip: median %.1f ms, slowest %.1f ms (%zu flips)\n", median(flip),
                *std::max_element(flip.begin(), flip.end()), flip.size());
    std::printf("peak resident memory (VmHWM): %.1f MB\n", peakResidentKb() / 1024.0);
    return 0;
}
