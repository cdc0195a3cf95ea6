#include "cli/CliExport.h"

#include "base/SafeFile.h"
#include "cli/CliSupport.h"
#include "output/CluesText.h"
#include "output/ComposerOptions.h"
#include "output/GridImageFiles.h"
#include "output/PdfPageTarget.h"
#include "output/RtfManuscript.h"
#include "output/SolutionText.h"
#include "pdf/PdfEngine.h"
#include "puzzle/PuzzleFile.h"

#include <QFileInfo>
#include <functional>
#include <optional>
#include <variant>

namespace Cli {

namespace {

// What every output of one run reads: the puzzle and its file, the settings, and the request
// (so that an output can read options given anywhere on the line).
struct ExportRequest;
struct ExportInput {
    QString puzzleFile;
    const PuzzleRecord& record;
    const SettingsAccess& settings;
    const ExportRequest& request;
};

// The choices of the PDF file, as the PDF preview window offers them: the page kinds, the
// title (the puzzle file's name when none is given), the bottom margin, the credit line and
// the solution page after the puzzle page.
struct PdfChoices {
    ComposerOptions options;
    std::optional<QString> title;
    QStringList given; // the choices given, each once; they ask for --pdf

    // Notes a choice; false when it was given before.
    bool give(const char* option) {
        if (given.contains(QLatin1String(option)))
            return false;
        given << QLatin1String(option);
        return true;
    }
};

// The outputs asked for, made in the order given. Options that change how an output is made
// keep their values here beside them.
struct ExportRequest {
    QList<std::function<void(const ExportInput&)>> outputs;
    PdfChoices pdf;
    bool pdfAsked = false;
};

// One option of the command: its name, the values it takes as the usage names them, a note for
// the usage, and what it adds to the request (false: the values are wrong).
struct ExportOption {
    const char* name;
    QStringList values;
    const char* note;
    std::function<bool(ExportRequest&, const QStringList&)> take;
};

bool takeRtf(ExportRequest& request, const QStringList& values) {
    const QString file = values[0];
    request.outputs << [file](const ExportInput& in) {
        RtfManuscript::WriteRtfManuscript(in.record, in.settings, file);
    };
    return true;
}

bool takeClues(ExportRequest& request, const QStringList& values) {
    const QString file = values[0];
    request.outputs <<
        [file](const ExportInput& in) { SafeFile::write(file, CluesText(in.record)); };
    return true;
}

bool takeGridImage(ExportRequest& request, const QStringList& values) {
    bool ok = false;
    const int kind = values[0].toInt(&ok);
    const auto format = GridImageFiles::formatOf(values[1]);
    if (!ok || kind < 1 || kind > 3 || !format)
        return false;
    const QString file = values[1];
    request.outputs << [kind, format, file](const ExportInput& in) {
        const GridImage image = layoutGridImage(in.record, GridImageKind(kind));
        GridImageFiles::write(file, image, *format, QFileInfo(in.puzzleFile).fileName());
    };
    return true;
}

// The PDF file "Print to PDF..." makes with the same choices, complete or not written at all.
void writePdf(const ExportInput& in, const QString& file) {
    ComposerOptions options = in.request.pdf.options;
    options.pageTitle = ComposerOptions::titleFromFileName(in.puzzleFile);
    if (const auto& title = in.request.pdf.title)
        options.pageTitle = pageTitleText(*title);
    options.solutionLines = SolutionText(in.record).lines();
    PdfEngine engine;
    PdfDocument::setUp(engine, in.record, in.puzzleFile);
    engine.setChannel(TOutputChannel::chPDF);
    engine.setFileName(file);
    PdfDocument::compose(engine, in.record, in.settings, options);
}

bool takePdf(ExportRequest& request, const QStringList& values) {
    const QString file = values[0];
    if (request.pdfAsked)
        return false;
    request.pdfAsked = true;
    request.outputs << [file](const ExportInput& in) { writePdf(in, file); };
    return true;
}

// "--pages": the page kinds of the list, in place of the default manuscript.
bool takePages(ExportRequest& request, const QStringList& values) {
    return request.pdf.give("--pages") && request.pdf.options.choosePages(values[0]);
}

bool takeTitle(ExportRequest& request, const QStringList& values) {
    if (!request.pdf.give("--title"))
        return false;
    request.pdf.title = values[0];
    return true;
}

bool takeMargin(ExportRequest& request, const QStringList& values) {
    if (!request.pdf.give("--margin"))
        return false;
    bool ok = false;
    const int margin = values[0].toInt(&ok);
    if (!ok || margin < ComposerOptions::kMinBottomMargin ||
        margin > ComposerOptions::kMaxBottomMargin)
        return false;
    request.pdf.options.bottomMargin = margin;
    return true;
}

bool takeNoBy(ExportRequest& request, const QStringList&) {
    if (!request.pdf.give("--no-by"))
        return false;
    request.pdf.options.by = false;
    return true;
}

bool takeNoSolution(ExportRequest& request, const QStringList&) {
    if (!request.pdf.give("--no-sol"))
        return false;
    request.pdf.options.solutionWithPuzzlePage = false;
    return true;
}

const QList<ExportOption>& options() {
    static const QList<ExportOption> table = {
        {"--rtf", {"OUT.rtf"}, "the RTF manuscript", takeRtf},
        {"--clues", {"OUT.txt"}, "the clues text (Windows-1252, CR LF)", takeClues},
        {"--grid-image",
         {"KIND", "OUT"},
         "KIND 1 solving grid, 2 solution grid, 3 manuscript solution grid;\n"
         "                        OUT ends in .svg, .png or .eps",
         takeGridImage},
        {"--pdf",
         {"OUT.pdf"},
         "the pages \"Print to PDF...\" writes, with these choices:",
         takePdf},
        {"--pages",
         {"LIST"},
         "comma-separated ms,msg,ng,sg,pp (manuscript, manuscript grid only,\n"
         "                        numbered grid, solution grid, puzzle page); default ms",
         takePages},
        {"--title", {"TEXT"}, "the page title; default the puzzle file's name", takeTitle},
        {"--margin", {"N"}, "the bottom margin in lines, 1 to 9; default 1", takeMargin},
        {"--no-by", {}, "no credit line on the puzzle page", takeNoBy},
        {"--no-sol", {}, "no solution page after the puzzle page", takeNoSolution},
    };
    return table;
}

const ExportOption* findOption(const QString& name) {
    for (const ExportOption& option : options())
        if (name == QLatin1String(option.name))
            return &option;
    return nullptr;
}

} // namespace

QString exportUsage() {
    QString text = QStringLiteral("  ixenvar-cli export FILE.ixv OPTION...\n");
    for (const ExportOption& option : options()) {
        const QString call =
            QStringLiteral("%1 %2").arg(QLatin1String(option.name), option.values.join(u' '));
        text += QStringLiteral("      %1  %2\n").arg(call, -20).arg(QLatin1String(option.note));
    }
    return text;
}

int runExport(const QStringList& args) {
    if (args.isEmpty() || args[0].startsWith(QStringLiteral("--")))
        return usage();
    const QString puzzleFile = args[0];
    ExportRequest request;
    for (qsizetype i = 1; i < args.size();) {
        const ExportOption* option = findOption(args[i]);
        if (!option || i + option->values.size() >= args.size())
            return usage();
        if (!option->take(request, args.mid(i + 1, option->values.size())))
            return usage();
        i += 1 + option->values.size();
    }
    if (request.outputs.isEmpty() || (!request.pdf.given.isEmpty() && !request.pdfAsked))
        return usage();

    const auto read = readPuzzle(puzzleFile);
    if (const int* code = std::get_if<int>(&read))
        return *code;
    const PuzzleRecord& record = std::get<PuzzleRecord>(read);
    const auto procs = openProcs();
    const ExportInput input{puzzleFile, record, *procs, request};
    for (const auto& output : request.outputs)
        output(input);
    return 0;
}

} // namespace Cli
