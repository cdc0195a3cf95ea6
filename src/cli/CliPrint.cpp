#include "cli/CliPrint.h"

#include "base/Codepage.h"
#include "base/Errors.h"
#include "cli/CliSupport.h"
#include "output/ComposerOptions.h"
#include "output/PrintPageTarget.h"
#include "output/SolutionText.h"
#include "preview/GmDocument.h"
#include "preview/ui/TGmPrinter.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <variant>

namespace Cli {

namespace {

struct PrintRequest {
    QString file;
    QString printer; // empty: the default printer
    ComposerOptions options;
    std::optional<QString> title; // none: the puzzle file's name
    int copies = 1;
};

// A whole number from low to high.
std::optional<int> numberIn(const QString& text, int low, int high) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= low && n <= high ? std::optional<int>(n) : std::nullopt;
}

// One option: its name, its value as the usage names it (none: a switch), and what it adds to
// the request (false: the value is wrong).
struct PrintOption {
    const char* name;
    const char* value;
    std::function<bool(PrintRequest&, const QString&)> take;
};

const QList<PrintOption>& printOptions() {
    static const QList<PrintOption> table = {
        {"--printer", "NAME",
         [](PrintRequest& r, const QString& v) {
             r.printer = v;
             return !v.isEmpty();
         }},
        {"--pages", "LIST",
         [](PrintRequest& r, const QString& v) { return r.options.choosePages(v); }},
        {"--copies", "N",
         [](PrintRequest& r, const QString& v) {
             const auto n = numberIn(v, 1, 100);
             r.copies = n.value_or(1);
             return n.has_value();
         }},
        {"--title", "TEXT",
         [](PrintRequest& r, const QString& v) {
             r.title = v;
             return true;
         }},
        {"--margin", "N",
         [](PrintRequest& r, const QString& v) {
             const auto n =
                 numberIn(v, ComposerOptions::kMinBottomMargin, ComposerOptions::kMaxBottomMargin);
             r.options.bottomMargin = n.value_or(ComposerOptions::kMinBottomMargin);
             return n.has_value();
         }},
        {"--gray", nullptr,
         [](PrintRequest& r, const QString&) {
             r.options.blackSquareColour = ComposerOptions::blackSquareColourFor(true);
             return true;
         }},
    };
    return table;
}

std::optional<PrintRequest> parse(const QStringList& args) {
    if (args.isEmpty() || args[0].startsWith(QStringLiteral("--")))
        return std::nullopt;
    PrintRequest request;
    request.file = args[0];
    for (qsizetype i = 1; i < args.size(); ++i) {
        const auto option =
            std::find_if(printOptions().begin(), printOptions().end(),
                         [&](const PrintOption& o) { return args[i] == QLatin1String(o.name); });
        if (option == printOptions().end())
            return std::nullopt;
        QString value;
        if (option->value) {
            if (++i >= args.size())
                return std::nullopt;
            value = args[i];
        }
        if (!option->take(request, value))
            return std::nullopt;
    }
    return request;
}

QString count(int n, const char* one, const char* many) {
    return QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? one : many);
}

} // namespace

QString printUsage() {
    QString call = QStringLiteral("  ixenvar-cli print FILE.ixv");
    for (const PrintOption& option : printOptions())
        call += option.value ? QStringLiteral(" [%1 %2]")
                                   .arg(QLatin1String(option.name), QLatin1String(option.value))
                             : QStringLiteral(" [%1]").arg(QLatin1String(option.name));
    return call +
           QStringLiteral("\n      LIST as for export; copies 1 to 100, the margin 1 to 9\n");
}

int runPrint(const QStringList& args) {
    std::optional<PrintRequest> request = parse(args);
    if (!request)
        return usage();
    const auto read = readPuzzle(request->file);
    if (const int* code = std::get_if<int>(&read))
        return *code;
    const PuzzleRecord& record = std::get<PuzzleRecord>(read);

    ComposerOptions& options = request->options;
    options.pageTitle = request->title ? pageTitleText(*request->title)
                                       : ComposerOptions::titleFromFileName(request->file);
    options.solutionLines = SolutionText(record).lines();

    TGmPrinter printer;
    if (!request->printer.isEmpty() && !printer.SetPrinterName(request->printer))
        return refuse(QStringLiteral("There is no printer named \"%1\".").arg(request->printer));
    if (!printer.HasPrinter())
        return refuse(TGmPrinter::NoPrinterText());

    const auto procs = openProcs();
    TGmDocument document;
    PrintDocument::setUp(document);
    document.SetPrinterFacts(&printer);
    PrintDocument::compose(document, record, *procs, options, nullptr);
    document.SetPrintCopies(request->copies);
    if (document.Print(printer) != TGmPrintResult::Printed)
        return refuse(document.PrintError());
    out() << request->file << ": " << count(document.NumPages(), "page", "pages") << ", "
          << count(request->copies, "copy", "copies") << ", sent to " << printer.PrinterName()
          << '\n';
    return 0;
}

} // namespace Cli
