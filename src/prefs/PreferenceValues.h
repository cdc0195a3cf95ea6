#pragma once

#include <QFont>
#include <QString>
#include <QtGlobal>
#include <array>

class SettingsAccess;

// A font as the preferences keep it: name, size in points, style bits and colour, exactly as
// stored, so that a value the font machinery would not take (a size of 0) goes back unchanged.
struct FontValue {
    QString name;
    qint32 size = 0;
    qint32 style = 0;
    quint32 colour = 0;

    // The font to draw with; a size below one point draws at one point.
    QFont toQFont() const;
    // The font a font dialog returned, in the given colour.
    static FontValue fromQFont(const QFont& font, quint32 colour);
    bool operator==(const FontValue&) const = default;
};

// The pages of the preferences, in the order of their buttons.
enum class PrefsPage { General, View, Print, Tools, Fonts, Language };

// Everything the preferences dialog shows and saves.
struct PreferenceValues {
    // General
    bool playSounds = false;
    bool useCursors = false;
    bool allowHyph = false;
    bool openLastEdit = false;
    qint32 historyMaximum = 0;
    int clipOption = -1; // item of the clipboard choice; -1 none
    bool slideOn = false;
    // View
    quint32 filledColor = 0;
    quint32 blankColor = 0;
    quint32 hiliteColor = 0;
    quint32 initialColor = 0;
    FontValue gridFont;
    bool desktopStored = false; // UserDesktop as loaded: on marks "Keep Desktop"
    bool keepDesktop = false;   // the two boxes; with neither checked UserDesktop is left alone
    bool defaultDesktop = false;
    // Print
    QString name;
    std::array<QString, 4> address; // Add1 to Add4
    int paper = 0;                  // 0 Letter, 1 A4
    // Tools
    QString dictPath;
    QString thesPath;
    QString quotPath;
    QString scraPath;
    QString mailPath;
    bool toolsOnTop = false;
    // Fonts
    FontValue autoFont;
    FontValue defsFont;
    int defsItemHeight = 0; // the clue-list sample's item height, before screen scaling
    // Language
    int language = -1; // -1 none

    // The check mark beside "Keep Desktop" and the one beside "Default Desktop": the stored
    // choice until a box is checked, then the checked box.
    bool keepMarked() const;
    bool defaultMarked() const;

    bool operator==(const PreferenceValues&) const = default;
};

namespace Preferences {

inline constexpr int kClipItems = 4;
inline constexpr int kLanguageItems = 9;
inline constexpr int kHistoryMinimum = 3;
inline constexpr int kHistoryMaximum = 200;

// The item a radio group of count items selects for a stored index: the last item for a larger
// index, none (-1) for one below 0.
int itemIndex(qint32 stored, int count);
// The clue-list sample's item height for a font size: size x 1.7, rounded half to even.
int itemHeightFor(qint32 fontSize);

// Reads every value in the dialog's loading order. Colour text that cannot be converted stops
// the loading with ColourConversionError, a value stored as the other kind with SettingsError.
PreferenceValues load(const SettingsAccess& settings);
// The Defaults button: the values of one page; the other pages keep theirs.
void defaults(PrefsPage page, PreferenceValues& values, const SettingsAccess& settings);
// Save: writes the values in the dialog's saving order. Name, address and paper come last and
// only where they differ from what loading would show, so that the fixed texts shown for an
// absent name and address never become stored values that the PDF and RTF manuscripts and new
// puzzles would take for the constructor's own.
void save(SettingsAccess& settings, const PreferenceValues& values);

} // namespace Preferences
