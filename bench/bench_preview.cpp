// Prints how long the print preview takes to compose a ten-page document and show its first
// page, how long a page flip takes, and the peak resident memory. The document: a 372-square
// puzzle of 30 words with 80-character clues; its manuscript (four pages, the manuscript grid
// and the solution page), the numbered and solution grids, and the puzzle page with its
// continuation. Run offscreen (QT_QPA_PLATFORM=offscreen) in a Release build.
#include "BenchSupport.h"
#include "output/PrintPageTarget.h"
#include "output/SolutionText.h"
#include "prefs/SettingsAccess.h"
#include "prefs/SettingsCatalogue.h"
#include "preview/ui/TGmPaperImage.h"
#include "preview/ui/TGmPreview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The pane of a window on a 1024-pixel screen.
struct PaneView : PrintPreviewView {
    const TGmPreview& preview;
    explicit PaneView(const TGmPreview& p) : preview(p) {}
    int PaneHeight() const override { return preview.viewport()->height(); }
    int MaxZoom() const override { return 117; }
};

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
    const PuzzleRecord rec = Bench::fullPuzzle();
    Bench::MemorySettings settings; // no solution page after the puzzle page
    Settings::writeBool(settings, Settings::PuzPageSol, false);
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
                Bench::median(compose), *std::max_element(compose.begin(), compose.end()), kRuns);
    std::printf("page flip: median %.1f ms, slowest %.1f ms (%zu flips)\n", Bench::median(flip),
                *std::max_element(flip.begin(), flip.end()), flip.size());
    std::printf("peak resident memory (VmHWM): %.1f MB\n", peakResidentKb() / 1024.0);
    return 0;
}
