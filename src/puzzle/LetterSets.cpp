#include "puzzle/LetterSets.h"

namespace LetterSets {

CharSet BaseLetters() {
    CharSet set;
    set.addRange('A', 'Z');
    return set;
}

CharSet LanguageLetters(int gridLanguage) {
    CharSet set;
    switch (gridLanguage) {
    case 1:
        set.add(QByteArray("\xC0\xC7\xC8\xC9\xD9"));
        break; // French
    case 2:
        set.add(QByteArray("\xC9\xD1"));
        break; // Spanish
    case 3:
        set.add(QByteArray("\xC0\xC8\xC9\xD2\xD9"));
        break; // Italian
    case 4:
        set.add(QByteArray("\xC4\xD6\xDC\xDF"));
        break; // German
    case 5:
        set.add(QByteArray("\xC4\xC5\xD6"));
        break; // Swedish
    case 6:    // Norwegian
    case 7:
        set.add(QByteArray("\xC5\xC6\xD8"));
        break; // Danish
    case 8:    // Multilingual
        set.add(QByteArray("\x8A\x8C\x9F\xDF"));
        set.addRange(0xC0, 0xD6);
        set.addRange(0xD8, 0xDD);
        break;
    default:
        break;
    }
    return set;
}

} // namespace LetterSets

void LetterState::loadLanguage(int gridLanguage) {
    if (gridLanguage > 8)
        return;
    m_languageLetters = LetterSets::LanguageLetters(gridLanguage);
}

CharSet LetterState::quotationCharacters() const {
    CharSet set = LetterSets::BaseLetters();
    set.add(' ');
    if (m_constructionHyphens) {
        set.add(LetterSets::Apostrophe);
        set.add(LetterSets::Hyphen);
    }
    return set;
}

CharSet LetterState::counterCharacters() const {
    CharSet set = LetterSets::BaseLetters();
    set.add(' ');
    set.addRange('a', 'z');
    set.add(m_languageLetters);
    return set;
}

CharSet LetterState::seedLetters() const {
    CharSet set = LetterSets::BaseLetters();
    set.add(m_languageLetters);
    return set;
}
