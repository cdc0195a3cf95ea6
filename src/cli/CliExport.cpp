#include "cli/CliExport.h"

#include "base/Errors.h"
#include "base/SafeFile.h"
#include "cli/CliSupport.h"
#include "output/CluesText.h"
#include "output/GridImageFiles.h"
#include "output/RtfManuscript.h"
#include "puzzle/PuzzleFile.h"

#include <QFileInfo>
#include <functional>

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

// The outputs asked for, made in the order given. Options that change how an output is made
// keep their values here beside them.
struct ExportRequest {
    QList<std::function<void(const ExportInput&)>> outputs;
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

const QList<ExportOption>& options() {
    static const QList<ExportOption> table = {
        {"--rtf", {"OUT.rtf"}, "the RTF manuscript", takeRtf},
        {"--clues", {"OUT.txt"}, "the clues text (Windows-1252, CR LF)", takeClues},
        {"--grid-image",
         {"KIND", "OUT"},
         "KIND 1 solving grid, 2 solution grid, 3 manuscript solution grid;\n"
         "                        OUT ends in .svg, .png or .eps",
         takeGridImage},
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
    if (request.outputs.isEmpty())
        return usage();

    PuzzleRecord record;
    try {
        record = PuzzleFile::ReadPuzzle(puzzleFile);
    } catch (const PuzzleFormatError&) {
        return refuse(
            QStringLiteral("%1: Puzzle not in Ixenvar format or is corrupt.").arg(puzzleFile));
    }
    const auto procs = openProcs();
    const ExportInput input{puzzleFile, record, *procs, request};
    for (const auto& output : request.outputs)
        output(input);
    return 0;
}

} // namespace Cli
