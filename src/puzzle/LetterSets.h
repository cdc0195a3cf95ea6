#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <bitset>

// A set of 8-bit characters.
class CharSet {
public:
    CharSet() = default;
    explicit CharSet(const QByteArray& chars) { add(chars); }
    void add(quint8 ch) { m_bits.set(ch); }
    void add(const QByteArray& chars) {
        for (char c : chars)
            add(static_cast<quint8>(c));
    }
    void addRange(quint8 from, quint8 to) {
        for (int c = from; c <= to; ++c)
            add(static_cast<quint8>(c));
    }
    void add(const CharSet& other) { m_bits |= other.m_bits; }
    bool contains(quint8 ch) const { return m_bits.test(ch); }
    bool contains(char ch) const { return contains(static_cast<quint8>(ch)); }
    bool isEmpty() const { return m_bits.none(); }
    bool operator==(const CharSet&) const = default;

private:
    std::bitset<256> m_bits;
};

namespace LetterSets {

constexpr quint8 Apostrophe = 0x27;
constexpr quint8 Hyphen = 0x2D;

// 'A'..'Z'.
CharSet BaseLetters();
// The upper-case accented letters of grid language 0..8; empty for any other value.
CharSet LanguageLetters(int gridLanguage);

} // namespace LetterSets

// The letter sets in force for this run of the program. The grid language's letters are
// loaded when the quotation grid window is shown and stay until the next load; apostrophe and
// hyphen, once taken in by a window while AllowHyph was 1, stay until the program ends.
class LetterState {
public:
    const CharSet& languageLetters() const { return m_languageLetters; }
    // Loads the letters of the language; a value above 8 leaves the set as it was.
    void loadLanguage(int gridLanguage);

    // Construction's quotation characters: space and 'A'..'Z', plus apostrophe and hyphen
    // once construction has opened while AllowHyph was 1.
    bool constructionHyphens() const { return m_constructionHyphens; }
    void takeConstructionHyphens() { m_constructionHyphens = true; }
    CharSet quotationCharacters() const;
    // Space, 'A'..'Z', 'a'..'z' and the language letters: what the count beside the quotation
    // counts.
    CharSet counterCharacters() const;
    // 'A'..'Z' and the language letters: author-title characters that become words.
    CharSet seedLetters() const;

    // The grid window keeps its own apostrophe-and-hyphen switch.
    bool gridHyphens() const { return m_gridHyphens; }
    void takeGridHyphens() { m_gridHyphens = true; }

private:
    CharSet m_languageLetters;
    bool m_constructionHyphens = false;
    bool m_gridHyphens = false;
};
