#pragma once

#include <QByteArray>
#include <QString>

// Whole-file writing that never destroys the previous file, and bounded reading of files that
// come from outside.
namespace SafeFile {

// Replaces the file with the bytes. They go to a temporary file beside it, written without
// buffering and checked byte for byte, synced to the disk, renamed over the file, and the
// folder is synced, so that a full disk, a failed write or a kill at any moment leaves the
// previous file as it was. An existing file's permissions are kept. Leftover temporary files of
// this program's naming whose writer has gone are removed from the folder first. Raises IoError
// naming the file, with the system's reason.
void write(const QString& fileName, const QByteArray& bytes);

// The temporary file name write() uses beside fileName for the process pid; exposed so that
// tests can leave one behind as a killed writer would.
QString temporaryName(const QString& fileName, qint64 pid, int serial);

// Reads a regular file of at most maxBytes. Anything that is not a regular file (a folder, a
// FIFO, a device) is refused before it is opened, so that reading never hangs or runs without
// end; a larger file is refused as too large. Raises IoError naming the file.
QByteArray readRegular(const QString& fileName, qint64 maxBytes);

// Why the path cannot be read as a regular file, or empty when it can be opened for reading.
// Does not open the file.
QString notRegularReason(const QString& fileName);

} // namespace SafeFile
