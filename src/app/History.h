#pragma once

#include <QString>
#include <QStringList>

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
    // Writes the lines; raises IoError when the file cannot be written.
    void write(const QStringList& lines) const;

    // Keeps only the lines naming a file that exists and writes the list back. Failures are
    // ignored.
    void PruneHistory() const;

    // Puts currentFile at the top: lines naming the same file (compared upper-cased, keeping
    // their own spelling) move up, otherwise it is inserted; the list is cut to maximum lines
    // and written. Returns the list. The folder is created when missing.
    QStringList AddToHistory(const QString& currentFile, int maximum) const;

    // Whether a history line stands for the file being opened: the same name with case ignored,
    // naming the same file on disk. On a file system that tells letter case apart, X.ixv and
    // x.ixv are two puzzles and do not match.
    static bool sameEntry(const QString& line, const QString& currentFile);

private:
    QString m_folder;
    QString m_file;
};
