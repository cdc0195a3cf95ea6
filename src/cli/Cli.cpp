#include "cli/Cli.h"

#include "app/AppTitle.h"
#include "app/TIxvProcs.h"
#include "base/Codepage.h"
#include "base/Errors.h"
#include "base/SafeFile.h"
#include "cli/CliExport.h"
#include "cli/CliPrint.h"
#include "cli/CliSuggest.h"
#include "cli/CliSupport.h"
#include "prefs/SettingsBackup.h"
#include "prefs/SettingsCatalogue.h"
#include "puzzle/Construction.h"
#include "puzzle/PuzzleFile.h"
#include "puzzle/Statistics.h"

#include <QStringDecoder>
#include <QTextStream>
#include <cstdio>
#include <optional>
#include <variant>

namespace Cli {

QTextStream& out() {
    static QTextStream s(stdout);
    return s;
}
QTextStream& err() {
    static QTextStream s(stderr);
    return s;
}

namespace {

const char* const kUsage =
    "usage:\n"
    "  ixenvar-cli new OUT.ixv --quotation-file FILE --author-title TEXT\n"
    "                  [--manual WIDTH HEIGHT] [--seed N] [--allow-hyph 0|1]\n"
    "  ixenvar-cli show FILE.ixv\n"
    "  ixenvar-cli config list\n"
    "  ixenvar-cli config get NAME\n"
    "  ixenvar-cli config set NAME TEXT\n"
    "  ixenvar-cli config set-int NAME N\n"
    "  ixenvar-cli config backup OUT.reg\n"
    "  ixenvar-cli suggest FILE.ixv --word LABEL [--words FILE] [--limit N]\n";

QString usageText() {
    return QLatin1String(kUsage) + exportUsage() + printUsage();
}

// --help and --version answer on standard output and succeed; a wrong command is a usage
// error on standard error.
int help() {
    out() << usageText();
    return 0;
}

int version() {
    out() << "ixenvar-cli " << applicationVersion() << '\n';
    return 0;
}

} // namespace

int usage() {
    err() << usageText();
    err().flush();
    return 2;
}

int refuse(const QString& message) {
    err() << message << '\n';
    err().flush();
    return 1;
}

std::unique_ptr<TIxvProcs> openProcs() {
    auto store = std::make_unique<SettingsStore>(SettingsStore::defaultPath());
    store->setDamageNotifier([](const QString& text) { err() << text << '\n'; });
    return std::make_unique<TIxvProcs>(std::move(store), ScreenMetrics{});
}

// The puzzle in the file, or the exit code of its refusal.
std::variant<PuzzleRecord, int> readPuzzle(const QString& file) {
    try {
        return PuzzleFile::ReadPuzzle(file);
    } catch (const PuzzleFormatError&) {
        return refuse(QStringLiteral("%1: Puzzle not in Ixenvar format or is corrupt.").arg(file));
    } catch (const IoError& e) {
        return refuse(QStringLiteral("%1 cannot be opened: %2").arg(e.fileName(), e.reason()));
    }
}

QByteArray pageTitleText(const QString& title) {
    const qsizetype bad = Codepage::firstUnencodable(title);
    if (bad >= 0)
        throw IxvError(
            QStringLiteral("The title contains the character %1, which a page cannot hold.")
                .arg(Codepage::describeCharacter(title, bad)));
    return Codepage::fromUnicodeLossy(title);
}

namespace {

// A quotation has at most 372 letters; with spaces, punctuation and several bytes a character
// this is far more than one can need, and a bound for files that never end.
constexpr qint64 kMaxQuotationFileBytes = 16 * 1024;

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

int runShow(const QStringList& args) {
    if (args.size() != 1)
        return usage();
    const auto read = readPuzzle(args[0]);
    if (const int* code = std::get_if<int>(&read))
        return *code;
    const PuzzleRecord& rec = std::get<PuzzleRecord>(read);
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

int suggest(const QStringList& args) {
    const int code = runSuggest(args, *openProcs(), out(), err());
    return code == 2 ? usage() : code;
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
        else if (args[0] == QStringLiteral("config"))
            code = runConfig(rest);
        else if (args[0] == QStringLiteral("suggest"))
            code = suggest(rest);
        else if (args[0] == QStringLiteral("export"))
            code = runExport(rest);
        else if (args[0] == QStringLiteral("print"))
            code = runPrint(rest);
        else
            code = usage();
    } catch (const IxvError& e) {
        code = refuse(e.message());
    }
    out().flush();
    return code;
}

} // namespace Cli
