#include "cli/Cli.h"

#include "app/AppTitle.h"
#include "app/TIxvProcs.h"
#include "base/Codepage.h"
#include "base/Errors.h"
#include "base/SafeFile.h"
#include "output/PrintPageTarget.h"
#include "output/SolutionText.h"
#include "prefs/SettingsBackup.h"
#include "prefs/SettingsCatalogue.h"
#include "preview/GmDocument.h"
#include "preview/ui/TGmPrinter.h"
#include "puzzle/Construction.h"
#include "puzzle/PuzzleFile.h"
#include "puzzle/Statistics.h"

#include <QStringDecoder>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>

namespace Cli {

namespace {

QTextStream& out() {
    static QTextStream s(stdout);
    return s;
}
QTextStream& err() {
    static QTextStream s(stderr);
    return s;
}

const char* const kUsage =
    "usage:\n"
    "  ixenvar-cli new OUT.ixv --quotation-file FILE --author-title TEXT\n"
    "                  [--manual WIDTH HEIGHT] [--seed N] [--allow-hyph 0|1]\n"
    "  ixenvar-cli show FILE.ixv\n"
    "  ixenvar-cli print FILE.ixv [--printer NAME] [--pages LIST] [--copies N]\n"
    "                  [--title TEXT] [--margin N] [--gray]\n"
    "                  LIST: ms,msg,ng,sg,pp (default ms); copies 1 to 100; margin 1 to 9\n"
    "  ixenvar-cli config list\n"
    "  ixenvar-cli config get NAME\n"
    "  ixenvar-cli config set NAME TEXT\n"
    "  ixenvar-cli config set-int NAME N\n"
    "  ixenvar-cli config backup OUT.reg\n";

int usage() {
    err() << kUsage;
    err().flush();
    return 2;
}

// --help and --version answer on standard output and succeed; a wrong command is a usage
// error on standard error.
int help() {
    out() << kUsage;
    return 0;
}

int version() {
    out() << "ixenvar-cli " << applicationVersion() << '\n';
    return 0;
}

int refuse(const QString& message) {
    err() << message << '\n';
    err().flush();
    return 1;
}

// A quotation has at most 372 letters; with spaces, punctuation and several bytes a character
// this is far more than one can need, and a bound for files that never end.
constexpr qint64 kMaxQuotationFileBytes = 16 * 1024;

std::unique_ptr<TIxvProcs> openProcs() {
    auto store = std::make_unique<SettingsStore>(SettingsStore::defaultPath());
    store->setDamageNotifier([](const QString& text) { err() << text << '\n'; });
    return std::make_unique<TIxvProcs>(std::move(store), ScreenMetrics{});
}

// Text of the command line or a file as puzzle bytes; the first character the code page
// cannot hold is named.
std::optional<QByteArray> toPuzzleText(const QString& text, const QString& what, QString* why) {
    const qsizetype bad = Codepage::firstUnencodable(text);
    if (bad < 0)
        return Codepage::fromUnicode(text);
    *why = QStringLiteral("The %1 contains the character %2, which a puzzle cannot hold.")
               .arg(what, Codepage::describeCharacter(text, bad));
    return std::nullopt;
}

int runNew(const QStringList& args) {
    if (args.isEmpty() || args[0].startsWith(QStringLiteral("--")))
        return usage();
    const QString outFile = args[0];
    QString quotationFile, authorTitle;
    bool haveAuthorTitle = false, manual = false;
    QString width, height;
    std::optional<quint64> seed;
    std::optional<int> allowHyph;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        auto next = [&]() -> std::optional<QString> {
            if (i + 1 >= args.size())
                return std::nullopt;
            return args[++i];
        };
        if (a == QStringLiteral("--quotation-file")) {
            const auto v = next();
            if (!v)
                return usage();
            quotationFile = *v;
        } else if (a == QStringLiteral("--author-title")) {
            const auto v = next();
            if (!v)
                return usage();
            authorTitle = *v;
            haveAuthorTitle = true;
        } else if (a == QStringLiteral("--manual")) {
            const auto w = next();
            const auto h = next();
            if (!w || !h)
                return usage();
            manual = true;
            width = *w;
            height = *h;
        } else if (a == QStringLiteral("--seed")) {
            const auto v = next();
            bool ok = false;
            const quint64 s = v ? v->toULongLong(&ok) : 0;
            if (!ok)
                return usage();
            seed = s;
        } else if (a == QStringLiteral("--allow-hyph")) {
            const auto v = next();
            if (!v || (*v != QStringLiteral("0") && *v != QStringLiteral("1")))
                return usage();
            allowHyph = v->toInt();
        } else {
            return usage();
        }
    }
    if (quotationFile.isEmpty() || !haveAuthorTitle)
        return usage();

    QByteArray quotationBytes;
    try {
        quotationBytes = SafeFile::readRegular(quotationFile, kMaxQuotationFileBytes);
    } catch (const IoError& e) {
        return refuse(e.message());
    }
    // Stateless: a sequence cut off at the end of the file is an error too, not left pending.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString quotationText = utf8(quotationBytes);
    if (utf8.hasError())
        return refuse(QStringLiteral("%1 is not UTF-8 text.").arg(quotationFile));
    if (quotationBytes.contains('\0'))
        return refuse(QStringLiteral("%1 is not text: it holds NUL bytes.").arg(quotationFile));
    const auto missing = Construction::missingText(quotationText, authorTitle);
    if (missing != Construction::MissingText::None)
        return refuse(Construction::missingTextMessage(missing));

    QString why;
    const auto quotation = toPuzzleText(quotationText, QStringLiteral("quotation"), &why);
    if (!quotation)
        return refuse(why);
    const auto authorTitleBytes =
        toPuzzleText(authorTitle, QStringLiteral("author-title line"), &why);
    if (!authorTitleBytes)
        return refuse(why);

    const auto procs = openProcs();
    LetterState letters;
    letters.loadLanguage(Settings::readInt(*procs, Settings::GridLanguage));
    const int hyph = allowHyph ? *allowHyph : Settings::readFlagValue(*procs, Settings::AllowHyph);
    if (hyph == 1)
        letters.takeConstructionHyphens();

    Construction::Input input;
    input.quotation = *quotation;
    input.authorTitle = *authorTitleBytes;
    input.manual = manual;
    if (manual) {
        input.manualWidth = width;
        input.manualHeight = height;
    }
    input.quotationCharacters = letters.quotationCharacters();
    input.seedLetters = letters.seedLetters();
    input.constructorName =
        Codepage::fromUnicodeLossy(Settings::readText(*procs, Settings::NameInRecord));

    RandomSource random = seed ? RandomSource(*seed) : RandomSource::fromClock();
    const Construction::Result result = Construction::BuildPuzzle(input, random);
    if (!result.record)
        return refuse(result.message);
    PuzzleFile::SavePuzzle(outFile, *result.record);
    out() << outFile << ": " << result.record->GridWidth << " x " << result.record->GridHeight
          << " grid, " << result.record->wordCount() << " words\n";
    return 0;
}

QString printable(quint8 byte) {
    const QChar ch = Codepage::toUnicode(byte);
    return ch.isPrint() ? QString(ch) : QStringLiteral("?");
}

// The puzzle in the file, or the refusal's exit code.
std::optional<int> readPuzzle(const QString& file, PuzzleRecord& rec) {
    try {
        rec = PuzzleFile::ReadPuzzle(file);
    } catch (const PuzzleFormatError&) {
        return refuse(QStringLiteral("Puzzle not in Ixenvar format or is corrupt."));
    } catch (const IoError& e) {
        return refuse(QStringLiteral("%1 cannot be opened: %2").arg(e.fileName(), e.reason()));
    }
    return std::nullopt;
}

int runShow(const QStringList& args) {
    if (args.size() != 1)
        return usage();
    PuzzleRecord rec;
    if (const auto refused = readPuzzle(args[0], rec))
        return *refused;
    for (int r = 1; r <= rec.GridHeight; ++r) {
        QString line;
        for (int c = 1; c <= rec.GridWidth; ++c)
            line +=
                rec.letter(c, r) == BlackSquare ? QStringLiteral("#") : printable(rec.letter(c, r));
        out() << line << '\n';
    }
    QString initials;
    for (int w = 1; w <= kMaxWords; ++w) {
        const Square sq = rec.LocateCode(100 + w);
        if (sq.column != 0)
            initials += printable(rec.letter(sq.column, sq.row));
    }
    out() << "Author-title: " << initials << '\n';
    for (int w = 1; w <= kMaxWords; ++w) {
        if (rec.squareOf(100 + w) == 0)
            continue;
        int last = 1;
        for (int p = 1; p <= kMaxWordLetters; ++p) {
            if (rec.squareOf(p * 100 + w) != 0)
                last = p;
        }
        QString word;
        for (int p = 1; p <= last; ++p) {
            const Square sq = rec.LocateCode(p * 100 + w);
            word += sq.column == 0 ? QStringLiteral("_") : printable(rec.letter(sq.column, sq.row));
        }
        out() << WordLabel(w) << '\t' << word << '\t' << Codepage::toUnicode(rec.clue(w).bytes())
              << '\n';
    }
    out() << PuzzleStatistics(rec) << '\n';
    return 0;
}

int runConfig(const QStringList& args) {
    if (args.isEmpty())
        return usage();
    const auto procs = openProcs();
    const QString& verb = args[0];
    if (verb == QStringLiteral("list") && args.size() == 1) {
        for (const StoredSetting& s : procs->ListSettings()) {
            if (s.kind == StoredSetting::Kind::Text)
                out() << s.name << "\ttext\t" << s.text << '\n';
            else
                out() << s.name << "\tinteger\t" << s.integer << '\n';
        }
        return 0;
    }
    if (verb == QStringLiteral("get") && args.size() == 2) {
        const auto s = procs->store().find(args[1]);
        if (!s)
            return refuse(QStringLiteral("No setting named \"%1\" is stored.").arg(args[1]));
        if (s->kind == StoredSetting::Kind::Text)
            out() << s->text << '\n';
        else
            out() << s->integer << '\n';
        return 0;
    }
    if (verb == QStringLiteral("set") && args.size() == 3) {
        procs->WriteSetting(args[1], SettingValue::text(args[2]));
        return 0;
    }
    if (verb == QStringLiteral("set-int") && args.size() == 3) {
        bool ok = false;
        const qint32 v = args[2].toInt(&ok);
        if (!ok)
            return refuse(QStringLiteral("\"%1\" is not a 32-bit integer.").arg(args[2]));
        procs->WriteSetting(args[1], SettingValue::integer(v));
        return 0;
    }
    if (verb == QStringLiteral("backup") && args.size() == 2) {
        SettingsBackup::ExportSettingsFile(procs->store(), args[1]);
        return 0;
    }
    return usage();
}

struct PrintRequest {
    QString file;
    QString printer; // empty: the default printer
    QString pages = QStringLiteral("ms");
    int copies = 1;
    std::optional<QString> title; // none: the file's name
    int margin = ComposerOptions::kMinBottomMargin;
    bool gray = false;
};

// A whole number from low to high.
std::optional<int> numberIn(const QString& text, int low, int high) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= low && n <= high ? std::optional<int>(n) : std::nullopt;
}

// Each option of print; one taking a value is given the next argument, and false means the
// value is wrong.
struct PrintOption {
    const char* name;
    bool takesValue;
    std::function<bool(PrintRequest&, const QString&)> take;
};

const QList<PrintOption>& printOptions() {
    static const QList<PrintOption> options = {
        {"--printer", true,
         [](PrintRequest& r, const QString& v) {
             r.printer = v;
             return !v.isEmpty();
         }},
        {"--pages", true,
         [](PrintRequest& r, const QString& v) {
             r.pages = v;
             return ComposerOptions().choosePages(v);
         }},
        {"--copies", true,
         [](PrintRequest& r, const QString& v) {
             const auto n = numberIn(v, 1, 100);
             r.copies = n.value_or(0);
             return n.has_value();
         }},
        {"--title", true,
         [](PrintRequest& r, const QString& v) {
             r.title = v;
             return true;
         }},
        {"--margin", true,
         [](PrintRequest& r, const QString& v) {
             const auto n =
                 numberIn(v, ComposerOptions::kMinBottomMargin, ComposerOptions::kMaxBottomMargin);
             r.margin = n.value_or(0);
             return n.has_value();
         }},
        {"--gray", false,
         [](PrintRequest& r, const QString&) {
             r.gray = true;
             return true;
         }},
    };
    return options;
}

std::optional<PrintRequest> parsePrint(const QStringList& args) {
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
        if (option->takesValue) {
            if (++i >= args.size())
                return std::nullopt;
            value = args[i];
        }
        if (!option->take(request, value))
            return std::nullopt;
    }
    return request;
}

// The pages the print preview shows for these choices, printed on a CUPS printer: the same
// composition and the same printing as its "Print" button.
int runPrint(const QStringList& args) {
    const std::optional<PrintRequest> request = parsePrint(args);
    if (!request)
        return usage();
    PuzzleRecord rec;
    if (const auto refused = readPuzzle(request->file, rec))
        return *refused;

    ComposerOptions options;
    options.choosePages(request->pages);
    options.pageTitle = ComposerOptions::titleFromFileName(request->file);
    if (request->title) {
        QString why;
        const auto title = toPuzzleText(*request->title, QStringLiteral("title"), &why);
        if (!title)
            return refuse(why);
        options.pageTitle = *title;
    }
    options.bottomMargin = request->margin;
    options.blackSquareColour = ComposerOptions::blackSquareColourFor(request->gray);
    options.solutionLines = SolutionText(rec).lines();

    TGmPrinter printer;
    if (!request->printer.isEmpty() && !printer.SetPrinterName(request->printer))
        return refuse(QStringLiteral("There is no printer named \"%1\".").arg(request->printer));
    if (!printer.HasPrinter())
        return refuse(TGmPrinter::NoPrinterText());

    const auto procs = openProcs();
    TGmDocument document;
    PrintDocument::setUp(document);
    document.SetPrinterFacts(&printer);
    PrintDocument::compose(document, rec, *procs, options, nullptr);
    document.SetPrintCopies(request->copies);
    if (document.Print(printer) != TGmPrintResult::Printed)
        return refuse(document.PrintError());
    const auto count = [](int n, const char* one, const char* many) {
        return QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? one : many);
    };
    out() << request->file << ": " << count(document.NumPages(), "page", "pages") << ", "
          << count(request->copies, "copy", "copies") << ", sent to " << printer.PrinterName()
          << '\n';
    return 0;
}

} // namespace

int run(const QStringList& args) {
    if (args.isEmpty())
        return usage();
    const QStringList rest = args.mid(1);
    int code = 2;
    try {
        if (args[0] == QStringLiteral("--help") || args[0] == QStringLiteral("-h"))
            code = help();
        else if (args[0] == QStringLiteral("--version"))
            code = version();
        else if (args[0] == QStringLiteral("new"))
            code = runNew(rest);
        else if (args[0] == QStringLiteral("show"))
            code = runShow(rest);
        else if (args[0] == QStringLiteral("print"))
            code = runPrint(rest);
        else if (args[0] == QStringLiteral("config"))
            code = runConfig(rest);
        else
            code = usage();
    } catch (const IxvError& e) {
        code = refuse(e.message());
    }
    out().flush();
    return code;
}

} // namespace Cli
