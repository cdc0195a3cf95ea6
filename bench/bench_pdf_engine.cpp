// Prints how long the PDF engine takes to write a document of 8 grid-like pages, each with
// about 400 rectangles and 600 short texts, and how large the file is: with the standard
// families (not embedded) and with an embedded TrueType font.
#include "BenchSupport.h"
#include "pdf/PdfEngine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kPages = 8;
constexpr int kRuns = 20;

// A 20 x 20 grid of squares with a number, a label and a letter in each (1200 texts), every
// other square's texts skipped so that a page has 400 squares and 600 texts.
void drawPage(PdfEngine& engine, const QString& numbers, const QString& letters) {
    constexpr int kSide = 90;
    constexpr int kLeft = 180;
    constexpr int kTop = 400;
    int count = 0;
    engine.Pen().setWidth(1);
    for (int row = 0; row < 20; ++row) {
        for (int column = 0; column < 20; ++column) {
            const int x = kLeft + column * kSide;
            const int y = kTop + row * kSide;
            engine.Brush().setColour((row * 7 + column) % 11 == 0 ? 0x000000 : 0xFFFFFF);
            engine.Rectangle(x, y, x + kSide + 1, y + kSide + 1);
            if ((row + column) % 2 == 1)
                continue;
            ++count;
            engine.Brush().setStyle(PdfBrushStyle::Clear);
            engine.Font().setName(numbers);
            engine.Font().setHeight(11);
            engine.TextOut(x + 4, y + 1, QByteArray::number(count));
            engine.TextOut(x + kSide - engine.TextWidth("aa") - 4, y + 1, "aa");
            engine.Font().setName(letters);
            engine.Font().setHeight(24);
            engine.TextOut(x + kSide - engine.TextWidth("M") - 12, y + kSide / 5,
                           QByteArray(1, char('A' + (row + column) % 26)));
        }
    }
}

struct Result {
    double medianMs = 0;
    qint64 bytes = 0;
};

Result measure(const QString& file, const QString& numbers, const QString& letters) {
    const double ms = Bench::medianMs(kRuns, [&] {
        PdfEngine engine;
        engine.setChannel(TOutputChannel::chPDF);
        engine.setFileName(file);
        engine.BeginDoc();
        for (int page = 1; page <= kPages; ++page) {
            if (page > 1)
                engine.NewPage();
            drawPage(engine, numbers, letters);
        }
        engine.EndDoc();
    });
    return {ms, QFileInfo(file).size()};
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("bench.pdf"));
    const Result standard =
        measure(file, QStringLiteral("Arial"), QStringLiteral("Times New Roman"));
    const Result embedded = measure(file, QStringLiteral("Arial"), QStringLiteral("DejaVu Serif"));
    std::printf("%d pages, 400 rectangles and 600 texts a page, median of %d runs\n", kPages,
                kRuns);
    std::printf("Arial and Times New Roman (not embedded): %.2f ms, %lld bytes\n",
                standard.medianMs, qlonglong(standard.bytes));
    std::printf("Arial and DejaVu Serif (embedded whole):  %.2f ms, %lld bytes\n",
                embedded.medianMs, qlonglong(embedded.bytes));
    return 0;
}
