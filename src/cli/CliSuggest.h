#pragma once

#include <QStringList>

class QTextStream;
class SettingsAccess;

namespace Cli {

// ixenvar-cli suggest FILE.ixv --word LABEL [--words FILE] [--limit N]: the words the acrostic
// word could become, one a line, "*" after those that would make a repeater. The word list is
// the one named, or the WordListPath setting's; the grid language comes from the settings.
// Returns 0 done, 1 refused (the message on err names the file), 2 wrong arguments (nothing
// printed: the caller shows the usage).
int runSuggest(const QStringList& args, const SettingsAccess& settings, QTextStream& out,
               QTextStream& err);

} // namespace Cli
