#pragma once

#include <QString>
#include <QStringList>

// ixenvar-cli print: the pages the print preview shows for the same choices, printed on a CUPS
// printer with the same composition and the same printing as its "Print" button.
namespace Cli {

// The usage lines of the command.
QString printUsage();
// 0 once the job is with the printer; 1 when there is no such printer, no printer at all or
// the job failed; 2 for wrong arguments.
int runPrint(const QStringList& args);

} // namespace Cli
