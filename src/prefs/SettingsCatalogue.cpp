#include "prefs/SettingsCatalogue.h"

#include "prefs/ColourText.h"
#include "prefs/SettingsAccess.h"

namespace Settings {

namespace {

QString name(const char* n) {
    return QString::fromLatin1(n);
}

Entry entry(const TextSetting& s) {
    return {name(s.name), Kind::Text, QString::fromUtf8(s.absent)};
}
Entry entry(const IntSetting& s) {
    switch (s.derived) {
    case Derived::ScreenWidthLess24:
        return {name(s.name), Kind::Integer, "screen width - 24"};
    case Derived::ScreenHeightLess24:
        return {name(s.name), Kind::Integer, "screen height - 24"};
    case Derived::DefaultSquareSize:
        return {name(s.name), Kind::Integer, "DefaultSquareSize"};
    case Derived::None:
        break;
    }
    return {name(s.name), Kind::Integer, QString::number(s.absent)};
}
Entry entry(const FlagSetting& s) {
    return {name(s.name), Kind::Flag, QString::number(s.absent)};
}
Entry entry(const BoolSetting& s) {
    return {name(s.name), Kind::Boolean, s.absent ? "true" : "false"};
}
Entry entry(const FontStyleSetting& s) {
    return {name(s.name), Kind::FontStyle, QString::number(s.absent)};
}
Entry entry(const ColourSetting& s) {
    return {name(s.name), Kind::Colour, QString::fromUtf8(s.absent)};
}

template <typename... S> QList<Entry> entries(const S&... s) {
    return {entry(s)...};
}

} // namespace

const QList<Entry>& catalogue() {
    static const QList<Entry> table = entries(
        PlaySounds, UseCursors, AllowHyph, OpenLastEdit, HistoryMaximum, DefClipOption, SlideOn,
        FilledSqColor, BlankSqColor, HiliteSqColor, InitialSqColor, FontColor, FontName, FontSize,
        FontSizeOnRescale, FontStyle, FontStyleOnPage, UserDesktop, NameInDialog, NameInDocument,
        NameInRecord, Add1InDialog, Add1InDocument, Add2InDialog, Add2InDocument, Add3InDialog,
        Add3InDocument, Add4, PaperSize, DictPath, ThesPath, ToolsOnTop, QuotPath, ScraPath,
        MailPath, AutoFontName, AutoFontSizeInDialog, AutoFontSize, AutoFontStyle, AutoFontColor,
        DefsFontName, DefsFontSizeInDialog, DefsFontSize, DefsFontStyle, DefsFontColor,
        GridLanguage, UserLeft, UserTop, UserWidth, UserHeight, CurrentPuzzle, MSFontName,
        MSFontSize, MSFontStyle, MSFontColor, PPFontName, PPFontSize, PPFontStyle, PPFontColor,
        PPLeading, PuzPageSol, ScreenSquare, ScreenBoundsGrid, AuthorTitleSquare,
        ScreenBoundsAuthorTitle, WordListPath);
    return table;
}

QString readText(const SettingsAccess& procs, const TextSetting& s) {
    return procs.ReadSetting(name(s.name), SettingValue::text(QString::fromUtf8(s.absent)))
        .toText();
}

qint32 readInt(const SettingsAccess& procs, const IntSetting& s) {
    qint32 absent = s.absent;
    switch (s.derived) {
    case Derived::ScreenWidthLess24:
        absent = procs.metrics().screenWidth - 24;
        break;
    case Derived::ScreenHeightLess24:
        absent = procs.metrics().screenHeight - 24;
        break;
    case Derived::DefaultSquareSize:
        absent = procs.DefaultSquareSize();
        break;
    case Derived::None:
        break;
    }
    return procs.ReadSetting(name(s.name), SettingValue::integer(absent)).toInt();
}

qint32 readFlagValue(const SettingsAccess& procs, const FlagSetting& s) {
    return procs.ReadSetting(name(s.name), SettingValue::integer(s.absent)).toInt();
}

bool readFlag(const SettingsAccess& procs, const FlagSetting& s) {
    return readFlagValue(procs, s) != 0;
}

bool readBool(const SettingsAccess& procs, const BoolSetting& s) {
    return procs.ReadSetting(name(s.name), SettingValue::boolean(s.absent)).toInt() != 0;
}

bool readBoolEqualsTrue(const SettingsAccess& procs, const BoolSetting& s) {
    return procs.ReadSetting(name(s.name), SettingValue::boolean(s.absent)).toInt() == -1;
}

qint32 readFontStyle(const SettingsAccess& procs, const FontStyleSetting& s) {
    return procs.ReadSetting(name(s.name), SettingValue::integer(s.absent)).toInt();
}

quint32 readColour(const SettingsAccess& procs, const ColourSetting& s) {
    return ColourText::fromText(
        procs.ReadSetting(name(s.name), SettingValue::text(QString::fromUtf8(s.absent))).toText());
}

void writeText(SettingsAccess& procs, const TextSetting& s, const QString& value) {
    procs.WriteSetting(name(s.name), SettingValue::text(value));
}
void writeInt(SettingsAccess& procs, const IntSetting& s, qint32 value) {
    procs.WriteSetting(name(s.name), SettingValue::integer(value));
}
void writeFlag(SettingsAccess& procs, const FlagSetting& s, bool on) {
    procs.WriteSetting(name(s.name), SettingValue::integer(on ? 1 : 0));
}
void writeBool(SettingsAccess& procs, const BoolSetting& s, bool value) {
    procs.WriteSetting(name(s.name), SettingValue::boolean(value));
}
void writeFontStyle(SettingsAccess& procs, const FontStyleSetting& s, qint32 style) {
    procs.WriteSetting(name(s.name), SettingValue::integer(style & 0xFF));
}
void writeColour(SettingsAccess& procs, const ColourSetting& s, quint32 colour) {
    procs.WriteSetting(name(s.name), SettingValue::text(ColourText::toText(colour)));
}

} // namespace Settings
