#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The list of recently opened puzzles: IxvHistory.LISZT in the Tamberlin folder of the user's
// data folder, one full path a line, most recent first, lines ended by CR LF.
class History {
public:
    // dataFolder: the user's application-data folder, without a trailing separator.
    explicit History(const QString& dataFolder);

    QString folder() const { return m_folder; }
    QString filePath() const { return m_file; }
    bool exists() const;

    // The lines of the file; empty when there is none or it cannot be read.
    QStringList read() const;
    // The lines of the file, empty when there is none; nothing when it exists but cannot be
    // read (it is not an ordinary file, or too large, or the system refuses it). Such a file is
    // never written over: it may be the user's list on a disk that is failing for a moment.
    std::optional<QStringList> readIfReadable() const;
    // Writes the lines; raises IoError when the file cannot be written.
    void write(const QStringList& lines) const;

    // Keeps only the lines naming a file that exists and writes the list back. Failures are
    // ignored, and an unreadable file is left as it is.
    void PruneHistory() const;

    // Puts currentFile at the top: lines naming the same file (compared upper-cased, keeping
    // their own spelling) move up, otherwise it is inserted; the list is cut to maximum lines
    // and written. Returns the list. The folder is created when missing. An unreadable file is
    // left as it is, and the list returned is empty.
    QStringList AddToHistory(const QString& currentFile, int maximum) const;

    // Whether a history line stands for the file being opened: the same name with case ignored,
    // naming the same file on disk. On a file system that tells letter case apart, X.ixv and
    // x.ixv are two puzzles and do not match.
    static bool sameEntry(const QString& line, const QString& currentFile);

private:
    QString m_folder;
    QString m_file;
};
