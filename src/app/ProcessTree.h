#pragma once

#include <QtGlobal>

// Processes as /proc shows them: who started whom, and who still runs.
namespace ProcessTree {

// The parent of a process, or 0 when it cannot be told.
qint64 parentOf(qint64 pid);
// Whether pid is ancestor or one of the processes it started, directly or through others.
bool descendsFrom(qint64 pid, qint64 ancestor);
// Still running and not a zombie.
bool running(qint64 pid);

} // namespace ProcessTree
