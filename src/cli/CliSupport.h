#pragma once

#include "app/TIxvProcs.h"
#include "puzzle/PuzzleRecord.h"

#include <QString>
#include <QTextStream>
#include <memory>
#include <variant>

// What every command of the command line shares: its streams, its answers and the settings.
namespace Cli {

QTextStream& out();
QTextStream& err();
// Prints the usage on standard error; returns the exit code of wrong arguments (2).
int usage();
// Prints the message on standard error; returns the exit code of a refusal or failure (1).
int refuse(const QString& message);
// The application data module over the user's settings store.
std::unique_ptr<TIxvProcs> openProcs();
// The puzzle in the file, or the exit code of its refusal (printed): a file that cannot be
// opened is named with the system's reason, one that opens but is no puzzle is called so.
std::variant<PuzzleRecord, int> readPuzzle(const QString& file);
// A page title given on the command line, in Windows-1252; a character the code page cannot
// hold throws IxvError naming it.
QByteArray pageTitleText(const QString& title);

} // namespace Cli
