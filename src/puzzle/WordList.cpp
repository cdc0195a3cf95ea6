#include "puzzle/WordList.h"

#include "base/Codepage.h"
#include "base/Errors.h"
#include "base/SafeFile.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

namespace {

bool isApostrophe(char16_t u) {
    return u == u'\'' || u == u'\u2019';
}

// Most lines of a list are plain ASCII: these are kept or refused without decoding.
std::optional<QByteArray> normalizeAscii(std::string_view line) {
    QByteArray word;
    word.reserve(qsizetype(line.size()));
    for (char ch : line) {
        if (ch == '\'')
            continue;
        if (ch >= 'a' && ch <= 'z')
            word += char(ch - 'a' + 'A');
        else if (ch >= 'A' && ch <= 'Z')
            word += ch;
        else
            return std::nullopt;
    }
    return word;
}

bool isAscii(std::string_view line) {
    return std::all_of(line.begin(), line.end(), [](char ch) { return quint8(ch) < 0x80; });
}

std::string_view trimmed(std::string_view line) {
    auto blank = [](char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\f'; };
    while (!line.empty() && blank(line.front()))
        line.remove_prefix(1);
    while (!line.empty() && blank(line.back()))
        line.remove_suffix(1);
    return line;
}

} // namespace

std::optional<QByteArray> WordList::normalize(QStringView word) {
    QByteArray out;
    out.reserve(word.size());
    for (QChar ch : word) {
        if (isApostrophe(ch.unicode()))
            continue;
        if (!ch.isLetter())
            return std::nullopt;
        const auto byte = Codepage::fromUnicode(ch.toUpper());
        if (!byte)
            return std::nullopt;
        out += char(*byte);
    }
    return out;
}

void WordList::add(std::string_view word) {
    if (word.size() < size_t(kShortest) || word.size() > size_t(kLongest))
        return;
    m_entries.push_back({quint32(m_chars.size()), quint8(word.size())});
    m_chars.append(word.data(), qsizetype(word.size()));
}

void WordList::sortAndDropRepeats() {
    std::sort(m_entries.begin(), m_entries.end(),
              [&](const Entry& a, const Entry& b) { return view(a) < view(b); });
    m_entries.erase(std::unique(m_entries.begin(), m_entries.end(),
                                [&](const Entry& a, const Entry& b) { return view(a) == view(b); }),
                    m_entries.end());
}

WordList WordList::fromText(const QByteArray& text) {
    WordList list;
    list.m_chars.reserve(text.size());
    std::string_view rest(text.constData(), size_t(text.size()));
    if (rest.substr(0, 3) == "\xEF\xBB\xBF")
        rest.remove_prefix(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        const std::string_view line = trimmed(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        // No line this long can hold a word of 30 letters, however they are encoded.
        if (line.empty() || line.size() > 4 * size_t(kLongest))
            continue;
        std::optional<QByteArray> word;
        if (isAscii(line)) {
            word = normalizeAscii(line);
        } else {
            const QByteArray bytes(line.data(), qsizetype(line.size()));
            utf8.resetState();
            QString decoded = utf8(bytes);
            if (utf8.hasError())
                decoded = Codepage::toUnicode(bytes);
            word = normalize(decoded);
        }
        if (word)
            list.add(std::string_view(word->constData(), size_t(word->size())));
    }
    list.sortAndDropRepeats();
    list.m_chars.squeeze();
    return list;
}

WordList WordList::load(const QString& fileName) {
    return fromText(SafeFile::readRegular(fileName, kMaxFileBytes));
}

QString WordList::defaultPath() {
    return QStringLiteral("/usr/share/dict/words");
}

QString WordList::pathFor(const QString& setting) {
    return setting.trimmed().isEmpty() ? defaultPath() : setting.trimmed();
}

std::pair<qsizetype, qsizetype> WordList::range(std::string_view prefix) const {
    const auto first =
        std::lower_bound(m_entries.begin(), m_entries.end(), prefix,
                         [&](const Entry& e, std::string_view p) { return view(e) < p; });
    const auto last = std::find_if(first, m_entries.end(),
                                   [&](const Entry& e) { return !view(e).starts_with(prefix); });
    return {first - m_entries.begin(), last - m_entries.begin()};
}

const WordList& WordListCache::listFor(const QString& fileName) {
    const QFileInfo info(fileName);
    const qint64 size = info.exists() ? info.size() : -1;
    const qint64 modified = info.exists() ? info.lastModified().toMSecsSinceEpoch() : -1;
    if (fileName != m_fileName || size != m_size || modified != m_modified || size < 0) {
        m_fileName.clear();
        m_list = WordList::load(fileName);
        m_fileName = fileName;
        m_size = size;
        m_modified = modified;
    }
    return m_list;
}
