#pragma once

#include "prefs/SettingsCatalogue.h"

#include <QFont>

// A font as the settings keep it: four settings for its family, size, style and colour.
namespace Settings {

struct FontSettings {
    TextSetting name;
    IntSetting size;
    FontStyleSetting style;
    ColourSetting colour;
};

// The letters of the grid and author-title squares on screen.
inline constexpr FontSettings SquareFont{FontName, FontSize, FontStyle, FontColor};
// The clue field and the clue list.
inline constexpr FontSettings ClueFieldFont{AutoFontName, AutoFontSize, AutoFontStyle,
                                            AutoFontColor};
inline constexpr FontSettings ClueListFont{DefsFontName, DefsFontSize, DefsFontStyle,
                                           DefsFontColor};
// The manuscript pages and the page headers; the puzzle page's clues.
inline constexpr FontSettings ManuscriptFont{MSFontName, MSFontSize, MSFontStyle, MSFontColor};
inline constexpr FontSettings PuzzlePageFont{PPFontName, PPFontSize, PPFontStyle, PPFontColor};

struct StoredFont {
    QString family;
    qint32 size; // points
    qint32 style;
    quint32 colour;

    // The family in the style, at the given size in points (at least 1).
    QFont at(int points) const;
    QFont font() const { return at(size); }
};

StoredFont readFont(const SettingsAccess& procs, const FontSettings& s);

} // namespace Settings
