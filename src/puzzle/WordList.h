#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

// The words suggestions are drawn from: a plain text file, one word a line. Each word is
// upper-cased and its apostrophes dropped; it is kept when it then has 2 to 30 characters, all
// of them letters that the puzzle's code page holds. The list keeps the words in that code page,
// sorted byte by byte, each once. Which of them suit a puzzle's grid language is decided when
// candidates are drawn, so one list serves every language.
class WordList {
public:
    static constexpr int kShortest = 2;
    static constexpr int kLongest = 30;
    // A word list is a few megabytes; anything far larger is not one.
    static constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

    WordList() = default;

    // Words from the text of a list: UTF-8, or Windows-1252 on lines that are not UTF-8.
    static WordList fromText(const QByteArray& text);
    // Reads the file; raises IoError naming it when it cannot be read or is too large.
    static WordList load(const QString& fileName);

    // The list every Debian system can have (package wamerican).
    static QString defaultPath();
    // The file the WordListPath setting names: the default list while the setting is empty.
    static QString pathFor(const QString& setting);

    // A word as the list keeps it, or nothing when a character is not a letter of the code
    // page. Only the case and apostrophes are changed, not the length.
    static std::optional<QByteArray> normalize(QStringView word);

    qsizetype size() const { return qsizetype(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    std::string_view at(qsizetype i) const { return view(m_entries[size_t(i)]); }
    // The indexes [first, last) of the words that start with prefix.
    std::pair<qsizetype, qsizetype> range(std::string_view prefix) const;

private:
    struct Entry {
        quint32 offset;
        quint8 length;
    };
    std::string_view view(const Entry& e) const {
        return {m_chars.constData() + e.offset, e.length};
    }
    void add(std::string_view word);
    void sortAndDropRepeats();

    QByteArray m_chars; // the kept words one after another
    std::vector<Entry> m_entries;
};

// The last list read, kept for as long as its file stays as it was: a list is read once, not at
// every change of the puzzle.
class WordListCache {
public:
    // The list in the file; raises IoError when it cannot be read.
    const WordList& listFor(const QString& fileName);

private:
    QString m_fileName;
    qint64 m_size = -1;
    qint64 m_modified = -1;
    WordList m_list;
};
