#pragma once

#include <QString>
#include <QStringList>

// ixenvar-cli export: the manuscript, the clues and the grid pictures of a puzzle as files,
// made by the same code as the program's exports.
namespace Cli {

// The usage lines of the command and its options.
QString exportUsage();
int runExport(const QStringList& args);

} // namespace Cli
