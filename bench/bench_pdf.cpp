// Prints how long the whole document of a full-size puzzle takes to become a PDF file, and how
// large the file is: written by the program's PDF engine, and for comparison by Qt's
// QPdfWriter drawing the same pages through a QPainter canvas. The puzzle has a 31 x 12 grid
// and 30 words with 80-character clues; the document holds all five page kinds. Run once with
// the standard families (not embedded) and once with the puzzle page in DejaVu Serif
// (embedded whole by the engine, as a subset by QPdfWriter).
//
//     bench_pdf [FOLDER]
#include "BenchSupport.h"
#include "output/ComposerOptions.h"
#include "output/PageCanvas.h"
#include "output/PageComposer.h"
#include "output/PdfPageTarget.h"
#include "output/SolutionText.h"
#include "pdf/PdfEngine.h"
#include "prefs/SettingsAccess.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kRuns = 21;

// The page composer's canvas on a QPainter over a QPdfWriter at 254 dots an inch, so that a
// device pixel is a tenth of a millimetre, as on the program's PDF target.
class QPdfWriterCanvas : public PageCanvas {
public:
    explicit QPdfWriterCanvas(const QString& file) : m_file(file) {}

    void BeginDocument() override {
        m_writer = std::make_unique<QPdfWriter>(m_file);
        m_writer->setResolution(254);
        m_writer->setPageSize(QPageSize(QPageSize::Letter));
        m_writer->setPageMargins(QMarginsF(0, 0, 0, 0));
        m_painter = std::make_unique<QPainter>(m_writer.get());
        m_page = 1;
        applyFont();
    }
    void EndDocument() override {
        m_painter->end();
        m_painter.reset();
        m_writer.reset();
    }
    int PageWidth() const override { return 2159; }
    int PageHeight() const override { return 2794; }
    int PageNumber() const override { return m_page; }
    void NewPage() override {
        m_writer->newPage();
        ++m_page;
    }
    void SetFontName(const QString& name) override {
        m_font.setFamily(name);
        applyFont();
    }
    // Points; a pixel height of 1/96 inch becomes the size the PDF engine gives it.
    void SetFontSize(int points) override {
        m_font.setPointSize(qMax(1, points));
        applyFont();
    }
    void SetFontHeight(int height) override { SetFontSize(qRound(height * 72.0 / 96.0)); }
    void SetFontStyle(int style) override {
        m_font.setBold(style & 1);
        m_font.setItalic(style & 2);
        m_font.setUnderline(style & 4);
        m_font.setStrikeOut(style & 8);
        applyFont();
    }
    void SetFontColour(quint32 colour) override { m_fontColour = colour; }
    void SetBrushColour(quint32 colour) override { m_painter->setBrush(qColor(colour)); }
    void SetBrushClear() override { m_painter->setBrush(Qt::NoBrush); }
    void SetPenWidth(int width) override { m_penWidth = width; }
    int TextWidth(const QByteArray& text) override {
        return m_painter->fontMetrics().horizontalAdvance(QString::fromLatin1(text));
    }
    int TextHeight(const QByteArray&) override { return m_painter->fontMetrics().height(); }
    void TextOut(int x, int y, const QByteArray& text) override {
        m_painter->setPen(qColor(m_fontColour));
        m_painter->drawText(QPointF(x, y + m_painter->fontMetrics().ascent()),
                            QString::fromLatin1(text));
    }
    void Rectangle(int x1, int y1, int x2, int y2) override {
        m_painter->setPen(QPen(Qt::black, m_penWidth));
        m_painter->drawRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)));
    }
    void MoveTo(int x, int y) override { m_position = QPoint(x, y); }
    void LineTo(int x, int y) override {
        m_painter->setPen(QPen(Qt::black, m_penWidth));
        m_painter->drawLine(m_position, QPoint(x, y));
        m_position = QPoint(x, y);
    }

private:
    static QColor qColor(quint32 bgr) {
        return QColor(int(bgr & 0xFF), int(bgr >> 8 & 0xFF), int(bgr >> 16 & 0xFF));
    }
    void applyFont() {
        if (m_painter)
            m_painter->setFont(m_font);
    }

    QString m_file;
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QPainter> m_painter;
    QFont m_font;
    quint32 m_fontColour = 0;
    int m_penWidth = 1;
    int m_page = 0;
    QPoint m_position;
};

struct Result {
    double medianMs = 0;
    qint64 bytes = 0;
};

Result measure(const std::function<void()>& write, const std::function<qint64()>& size) {
    return {Bench::medianMs(kRuns, write), size()};
}

void compare(const char* heading, const PuzzleRecord& record, const SettingsAccess& settings,
             const ComposerOptions& options, const QString& folder) {
    const QString ours = folder + QStringLiteral("/engine.pdf");
    const QString theirs = folder + QStringLiteral("/qpdfwriter.pdf");
    PdfEngine engine;
    PdfDocument::setUp(engine, record, QStringLiteral("Bench.ixv"));

    engine.setChannel(TOutputChannel::chPDF);
    engine.setFileName(ours);
    const Result file = measure([&] { PdfDocument::compose(engine, record, settings, options); },
                                [&] { return QFileInfo(ours).size(); });
    engine.setChannel(TOutputChannel::chDisplay);
    const Result memory = measure([&] { PdfDocument::compose(engine, record, settings, options); },
                                  [&] { return qint64(engine.lastDocument().size()); });
    const Result writer = measure(
        [&] {
            QPdfWriterCanvas canvas(theirs);
            PageComposer(record, settings, PageTarget::pdfTarget(canvas), options)
                .ComposeDocument();
        },
        [&] { return QFileInfo(theirs).size(); });

    std::printf("%s\n", heading);
    std::printf("  PDF engine, to a file (synced): %8.2f ms  %9lld bytes\n", file.medianMs,
                qlonglong(file.bytes));
    std::printf("  PDF engine, in memory:          %8.2f ms  %9lld bytes\n", memory.medianMs,
                qlonglong(memory.bytes));
    std::printf("  QPdfWriter, to a file:          %8.2f ms  %9lld bytes\n", writer.medianMs,
                qlonglong(writer.bytes));
    std::printf("  time ratio engine / QPdfWriter: %.3f (file), %.3f (in memory)\n",
                file.medianMs / writer.medianMs, memory.medianMs / writer.medianMs);
    std::printf("  size ratio engine / QPdfWriter: %.3f\n",
                double(file.bytes) / double(writer.bytes));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // A folder given on the command line keeps the last files written, to look at.
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const PuzzleRecord record = Bench::fullPuzzle();
    Bench::MemorySettings settings;
    ComposerOptions options;
    options.pageTitle = "Bench";
    options.manuscriptGrid = options.numberedGrid = options.solutionGrid = true;
    options.puzzlePage = true;
    options.solutionLines = SolutionText(record).lines();

    std::printf("31 x 12 grid, 30 words, 80-character clues; every page kind; median of %d "
                "runs\n",
                kRuns);
    compare("Standard families (Courier New, Arial, Times New Roman; not embedded):", record,
            settings, options, folder);
    settings.WriteSetting(QStringLiteral("PPFontName"), SettingValue::text("DejaVu Serif"));
    compare("Puzzle page in DejaVu Serif (embedded):", record, settings, options, folder);
    return 0;
}
