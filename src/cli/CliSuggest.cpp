#include "cli/CliSuggest.h"

#include "base/Codepage.h"
#include "base/Errors.h"
#include "prefs/SettingsCatalogue.h"
#include "puzzle/PuzzleFile.h"
#include "puzzle/WordOperations.h"
#include "puzzle/WordSuggestions.h"

#include <QTextStream>
#include <optional>

namespace Cli {

namespace {

struct Arguments {
    QString puzzle;
    int word = 0;
    QString wordList;
    int limit = Suggestions::kShownMost;
};

// Labels exactly as the program shows them: "A".."Z", "aa".."dd".
int wordOfLabel(const QString& label) {
    for (int w = 1; w <= kMaxWords; ++w) {
        if (WordLabel(w) == label)
            return w;
    }
    return 0;
}

std::optional<Arguments> parse(const QStringList& args) {
    if (args.isEmpty() || args[0].startsWith(QStringLiteral("--")))
        return std::nullopt;
    Arguments a;
    a.puzzle = args[0];
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (i + 1 >= args.size())
            return std::nullopt;
        const QString& value = args[++i];
        if (args[i - 1] == QStringLiteral("--word")) {
            a.word = wordOfLabel(value);
            if (a.word == 0)
                return std::nullopt;
        } else if (args[i - 1] == QStringLiteral("--words")) {
            a.wordList = value;
        } else if (args[i - 1] == QStringLiteral("--limit")) {
            bool ok = false;
            a.limit = value.toInt(&ok);
            if (!ok || a.limit < 1)
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    if (a.word == 0)
        return std::nullopt;
    return a;
}

} // namespace

int runSuggest(const QStringList& args, const SettingsAccess& settings, QTextStream& out,
               QTextStream& err) {
    const auto a = parse(args);
    if (!a)
        return 2;
    auto refuse = [&](const QString& message) {
        err << message << '\n';
        err.flush();
        return 1;
    };
    PuzzleRecord rec;
    try {
        rec = PuzzleFile::ReadPuzzle(a->puzzle);
    } catch (const PuzzleFormatError&) {
        return refuse(
            QStringLiteral("%1: Puzzle not in Ixenvar format or is corrupt.").arg(a->puzzle));
    } catch (const IoError& e) {
        return refuse(QStringLiteral("%1 cannot be opened: %2").arg(e.fileName(), e.reason()));
    }
    if (!WordOps::holdsAnyLetter(rec, a->word))
        return refuse(
            QStringLiteral("%1 has no acrostic word %2.").arg(a->puzzle, WordLabel(a->word)));

    const QString listFile =
        a->wordList.isEmpty()
            ? WordList::pathFor(Settings::readText(settings, Settings::WordListPath))
            : a->wordList;
    WordList list;
    try {
        list = WordList::load(listFile);
    } catch (const IoError& e) {
        return refuse(e.message());
    }
    LetterState letters;
    letters.loadLanguage(Settings::readInt(settings, Settings::GridLanguage));
    const Suggestions::Result result =
        Suggestions::suggest(rec, a->word, list, letters.seedLetters(), {}, a->limit);
    for (const Suggestions::Candidate& c : result.shown)
        out << Codepage::toUnicode(c.word) << (c.repeater ? "*" : "") << '\n';
    return 0;
}

} // namespace Cli
