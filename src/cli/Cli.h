#pragma once

#include <QStringList>

// The command line: building, showing and configuring puzzles from scripts with the same code
// the program uses. Returns the exit code: 0 done, 1 refused, 2 wrong arguments.
namespace Cli {
int run(const QStringList& args);
}
