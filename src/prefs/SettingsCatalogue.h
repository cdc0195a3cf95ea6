#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

class SettingsAccess;

// Every named setting the program keeps, with its stored kind and the default each reader
// uses when the value is absent. No other code spells a setting name or a default.
namespace Settings {

enum class Kind {
    Text,
    Integer,
    Flag,      // integer, 1 on and 0 off
    Boolean,   // integer, -1 true and 0 false
    FontStyle, // integer bit set: 1 bold, 2 italic, 4 underline, 8 strike-out
    Colour,    // text: a colour name or "$" and 8 hex digits
};

// Defaults that depend on the screen, resolved when the setting is read.
enum class Derived { None, ScreenWidthLess24, ScreenHeightLess24, DefaultSquareSize };

struct TextSetting {
    const char* name;
    const char* absent;
};
struct IntSetting {
    const char* name;
    qint32 absent;
    Derived derived = Derived::None;
};
struct FlagSetting {
    const char* name;
    qint32 absent;
};
struct BoolSetting {
    const char* name;
    bool absent;
};
struct FontStyleSetting {
    const char* name;
    qint32 absent;
};
struct ColourSetting {
    const char* name;
    const char* absent;
};

// General page
inline constexpr FlagSetting PlaySounds{"PlaySounds", 1};
inline constexpr FlagSetting UseCursors{"UseCursors", 0};
inline constexpr FlagSetting AllowHyph{"AllowHyph", 1};
inline constexpr FlagSetting OpenLastEdit{"OpenLastEdit", 0};
inline constexpr IntSetting HistoryMaximum{"HistoryMaximum", 20};
inline constexpr IntSetting DefClipOption{"DefClipOption", 3};
inline constexpr BoolSetting SlideOn{"SlideOn", true};

// View page
inline constexpr ColourSetting FilledSqColor{"FilledSqColor", "clBlack"};
inline constexpr ColourSetting BlankSqColor{"BlankSqColor", "clWhite"};
inline constexpr ColourSetting HiliteSqColor{"HiliteSqColor", "clYellow"};
inline constexpr ColourSetting InitialSqColor{"InitialSqColor", "clLime"};
inline constexpr ColourSetting FontColor{"FontColor", "clBlack"};
inline constexpr TextSetting FontName{"FontName", "Arial"};
inline constexpr IntSetting FontSize{"FontSize", 11};
inline constexpr IntSetting FontSizeOnRescale{"FontSize", 16}; // grid window rescaling its font
inline constexpr FontStyleSetting FontStyle{"FontStyle", 0};
inline constexpr FontStyleSetting FontStyleOnPage{"FontStyle", 1}; // grid squares on pages
inline constexpr BoolSetting UserDesktop{"UserDesktop", false};

// Print page. The dialog and the printed manuscript fall back on the program's own sample
// identity; PDF and RTF manuscripts on placeholders; a new puzzle record on nothing.
inline constexpr TextSetting NameInDialog{"Name", "Ixenvar Constructor"};
inline constexpr TextSetting NameInDocument{"Name", "Your Name"};
inline constexpr TextSetting NameInRecord{"Name", ""};
inline constexpr TextSetting Add1InDialog{"Add1", "100 Crossword Lane"};
inline constexpr TextSetting Add1InDocument{"Add1", "Address 1"};
inline constexpr TextSetting Add2InDialog{"Add2", "Puzzleton, PA 19000"};
inline constexpr TextSetting Add2InDocument{"Add2", "Address 2"};
inline constexpr TextSetting Add3InDialog{"Add3", "Tel. (555) 010-0199"};
inline constexpr TextSetting Add3InDocument{"Add3", "Address 3"};
inline constexpr TextSetting Add4{"Add4", ""};
inline constexpr IntSetting PaperSize{"PaperSize", 0};

// Tools page
inline constexpr TextSetting DictPath{"DictPath", ""};
inline constexpr TextSetting ThesPath{"ThesPath", ""};
inline constexpr FlagSetting ToolsOnTop{"ToolsOnTop", 0};
// Command lines of the maker's three sibling tools, started from the Tools tab like the
// dictionary.
inline constexpr TextSetting QuotPath{"QuotPath", ""};
inline constexpr TextSetting ScraPath{"ScraPath", ""};
inline constexpr TextSetting MailPath{"MailPath", ""};

// Fonts page (clue editing window)
inline constexpr TextSetting AutoFontName{"AutoFontName", "Times New Roman"};
inline constexpr IntSetting AutoFontSizeInDialog{"AutoFontSize", 12};
inline constexpr IntSetting AutoFontSize{"AutoFontSize", 11};
inline constexpr FontStyleSetting AutoFontStyle{"AutoFontStyle", 0};
inline constexpr ColourSetting AutoFontColor{"AutoFontColor", "clBlack"};
inline constexpr TextSetting DefsFontName{"DefsFontName", "Times New Roman"};
inline constexpr IntSetting DefsFontSizeInDialog{"DefsFontSize", 11};
inline constexpr IntSetting DefsFontSize{"DefsFontSize", 12};
inline constexpr FontStyleSetting DefsFontStyle{"DefsFontStyle", 0};
inline constexpr ColourSetting DefsFontColor{"DefsFontColor", "clBlack"};

// Language page
inline constexpr IntSetting GridLanguage{"GridLanguage", 0};

// Main window and open puzzle
inline constexpr IntSetting UserLeft{"UserLeft", 12};
inline constexpr IntSetting UserTop{"UserTop", 12};
inline constexpr IntSetting UserWidth{"UserWidth", 0, Derived::ScreenWidthLess24};
inline constexpr IntSetting UserHeight{"UserHeight", 0, Derived::ScreenHeightLess24};
inline constexpr TextSetting CurrentPuzzle{"CurrentPuzzle", ""};

// Page output
inline constexpr TextSetting MSFontName{"MSFontName", "Courier New"};
inline constexpr IntSetting MSFontSize{"MSFontSize", 12};
inline constexpr FontStyleSetting MSFontStyle{"MSFontStyle", 0};
inline constexpr ColourSetting MSFontColor{"MSFontColor", "clBlack"};
inline constexpr TextSetting PPFontName{"PPFontName", "Times New Roman"};
inline constexpr IntSetting PPFontSize{"PPFontSize", 9};
inline constexpr FontStyleSetting PPFontStyle{"PPFontStyle", 0};
inline constexpr ColourSetting PPFontColor{"PPFontColor", "clBlack"};
inline constexpr IntSetting PPLeading{"PPLeading", 2};
inline constexpr BoolSetting PuzPageSol{"PuzPageSol", true};

// Quotation and author-title windows
inline constexpr IntSetting ScreenSquare{"ScreenSquare", 0, Derived::DefaultSquareSize};
inline constexpr TextSetting ScreenBoundsGrid{"ScreenBoundsGrid", ""};
inline constexpr IntSetting AuthorTitleSquare{"AuthorTitleSquare", 0, Derived::DefaultSquareSize};
inline constexpr TextSetting ScreenBoundsAuthorTitle{"ScreenBoundsAuthorTitle", ""};

// Word suggestions: the word list's file; empty for the system's list.
inline constexpr TextSetting WordListPath{"WordListPath", ""};

// What the preferences' Defaults button puts in. The Print page's texts and the tool paths are
// read again from the store instead; the clue list's item height is left as it was.
namespace DefaultsButton {
inline constexpr qint32 PlaySounds = 0;
inline constexpr qint32 UseCursors = 0;
inline constexpr qint32 AllowHyph = 1;
inline constexpr qint32 OpenLastEdit = 0;
inline constexpr qint32 HistoryMaximum = 20;
inline constexpr qint32 DefClipOption = 3;
inline constexpr bool SlideOn = true;
inline constexpr const char* FilledSqColor = "clBlack";
inline constexpr const char* BlankSqColor = "clWhite";
inline constexpr const char* HiliteSqColor = "clYellow";
inline constexpr const char* InitialSqColor = "clLime";
inline constexpr const char* FontColor = "clBlack";
inline constexpr const char* FontName = "Arial";
inline constexpr qint32 FontSize = 11;
inline constexpr qint32 FontStyle = 0;
inline constexpr bool UserDesktop = false;
inline constexpr qint32 PaperSize = 0;
inline constexpr qint32 ToolsOnTop = 0;
inline constexpr const char* AutoFontName = "Times New Roman";
inline constexpr qint32 AutoFontSize = 11;
inline constexpr qint32 AutoFontStyle = 0;
inline constexpr const char* AutoFontColor = "clBlack";
inline constexpr const char* DefsFontName = "Times New Roman";
inline constexpr qint32 DefsFontSize = 10;
inline constexpr qint32 DefsFontStyle = 0;
inline constexpr const char* DefsFontColor = "clBlack";
inline constexpr qint32 GridLanguage = 0;
} // namespace DefaultsButton

// One row of the catalogue: a setting as one reader sees it.
struct Entry {
    QString name;
    Kind kind;
    QString absentDefault; // as text; derived defaults are described in words
};
const QList<Entry>& catalogue();

// Readers: the stored value, or the setting's default when it is absent. A stored value of
// the other kind raises SettingsError; colour text that cannot be converted raises
// ColourConversionError.
QString readText(const SettingsAccess& procs, const TextSetting& s);
qint32 readInt(const SettingsAccess& procs, const IntSetting& s);
// On when the stored value is not 0.
bool readFlag(const SettingsAccess& procs, const FlagSetting& s);
// The stored integer itself, for readers that test for exactly 1 or exactly 0.
qint32 readFlagValue(const SettingsAccess& procs, const FlagSetting& s);
// True when the stored integer is not 0.
bool readBool(const SettingsAccess& procs, const BoolSetting& s);
// True only when the stored integer is -1 (a stored 1 is false here).
bool readBoolEqualsTrue(const SettingsAccess& procs, const BoolSetting& s);
qint32 readFontStyle(const SettingsAccess& procs, const FontStyleSetting& s);
quint32 readColour(const SettingsAccess& procs, const ColourSetting& s);

void writeText(SettingsAccess& procs, const TextSetting& s, const QString& value);
void writeInt(SettingsAccess& procs, const IntSetting& s, qint32 value);
void writeFlag(SettingsAccess& procs, const FlagSetting& s, bool on);
void writeBool(SettingsAccess& procs, const BoolSetting& s, bool value);
void writeFontStyle(SettingsAccess& procs, const FontStyleSetting& s, qint32 style);
void writeColour(SettingsAccess& procs, const ColourSetting& s, quint32 colour);

} // namespace Settings
