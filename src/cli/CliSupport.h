#pragma once

#include "app/TIxvProcs.h"

#include <QString>
#include <QTextStream>
#include <memory>

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

} // namespace Cli
