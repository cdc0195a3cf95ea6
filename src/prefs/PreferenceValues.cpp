#include "prefs/PreferenceValues.h"

#include "base/Rounding.h"
#include "prefs/ColourText.h"
#include "prefs/FontStyle.h"
#include "prefs/SettingsCatalogue.h"

#include <QFontInfo>

namespace {

namespace DB = Settings::DefaultsButton;

FontValue readFont(const SettingsAccess& s, const Settings::ColourSetting& colour,
                   const Settings::TextSetting& name, const Settings::IntSetting& size,
                   const Settings::FontStyleSetting& style) {
    FontValue font;
    font.colour = Settings::readColour(s, colour);
    font.name = Settings::readText(s, name);
    font.size = Settings::readInt(s, size);
    font.style = Settings::readFontStyle(s, style);
    return font;
}

FontValue buttonFont(const char* name, qint32 size, qint32 style, const char* colour) {
    return {QString::fromLatin1(name), size, style, ColourText::fromText(QLatin1String(colour))};
}

void loadPrint(PreferenceValues& v, const SettingsAccess& s) {
    v.name = Settings::readText(s, Settings::NameInDialog);
    v.address = {Settings::readText(s, Settings::Add1InDialog),
                 Settings::readText(s, Settings::Add2InDialog),
                 Settings::readText(s, Settings::Add3InDialog),
                 Settings::readText(s, Settings::Add4)};
    // The readers take 0 as Letter and every other value as A4.
    v.paper = Settings::readInt(s, Settings::PaperSize) == 0 ? 0 : 1;
}

void loadToolPaths(PreferenceValues& v, const SettingsAccess& s) {
    v.dictPath = Settings::readText(s, Settings::DictPath);
    v.thesPath = Settings::readText(s, Settings::ThesPath);
    v.quotPath = Settings::readText(s, Settings::QuotPath);
    v.scraPath = Settings::readText(s, Settings::ScraPath);
    v.mailPath = Settings::readText(s, Settings::MailPath);
}

void saveFont(SettingsAccess& s, const FontValue& font, const Settings::TextSetting& name,
              const Settings::ColourSetting& colour, const Settings::IntSetting& size,
              const Settings::FontStyleSetting& style) {
    Settings::writeText(s, name, font.name);
    Settings::writeColour(s, colour, font.colour);
    Settings::writeInt(s, size, font.size);
    Settings::writeFontStyle(s, style, font.style);
}

void savePrint(SettingsAccess& s, const PreferenceValues& v) {
    PreferenceValues shown;
    loadPrint(shown, s);
    const Settings::TextSetting* const texts[] = {&Settings::Add1InDialog, &Settings::Add2InDialog,
                                                  &Settings::Add3InDialog, &Settings::Add4};
    if (v.name != shown.name)
        Settings::writeText(s, Settings::NameInDialog, v.name);
    for (size_t i = 0; i < v.address.size(); ++i) {
        if (v.address[i] != shown.address[i])
            Settings::writeText(s, *texts[i], v.address[i]);
    }
    if (v.paper != shown.paper)
        Settings::writeInt(s, Settings::PaperSize, v.paper);
}

} // namespace

QFont FontValue::toQFont() const {
    QFont font(name);
    font.setPointSize(qMax(1, size));
    FontStyle::applyTo(font, style);
    return font;
}

FontValue FontValue::fromQFont(const QFont& font, quint32 colour) {
    const int points = font.pointSize() > 0 ? font.pointSize() : QFontInfo(font).pointSize();
    return {font.family(), points, FontStyle::fromFont(font), colour};
}

bool PreferenceValues::keepMarked() const {
    return keepDesktop || defaultDesktop ? keepDesktop : desktopStored;
}

bool PreferenceValues::defaultMarked() const {
    return keepDesktop || defaultDesktop ? defaultDesktop : !desktopStored;
}

namespace Preferences {

int itemIndex(qint32 stored, int count) {
    if (stored < 0)
        return -1;
    return qMin(stored, count - 1);
}

int itemHeightFor(qint32 fontSize) {
    return static_cast<int>(roundDivHalfEven(qint64(fontSize) * 17, 10));
}

PreferenceValues load(const SettingsAccess& s) {
    PreferenceValues v;
    v.playSounds = Settings::readFlag(s, Settings::PlaySounds);
    v.useCursors = Settings::readFlag(s, Settings::UseCursors);
    v.allowHyph = Settings::readFlag(s, Settings::AllowHyph);
    v.openLastEdit = Settings::readFlag(s, Settings::OpenLastEdit);
    v.historyMaximum = Settings::readInt(s, Settings::HistoryMaximum);
    v.clipOption = itemIndex(Settings::readInt(s, Settings::DefClipOption), kClipItems);
    v.slideOn = Settings::readBool(s, Settings::SlideOn);

    v.filledColor = Settings::readColour(s, Settings::FilledSqColor);
    v.blankColor = Settings::readColour(s, Settings::BlankSqColor);
    v.hiliteColor = Settings::readColour(s, Settings::HiliteSqColor);
    v.initialColor = Settings::readColour(s, Settings::InitialSqColor);
    v.gridFont = readFont(s, Settings::FontColor, Settings::FontName, Settings::FontSize,
                          Settings::FontStyle);
    v.desktopStored = Settings::readBool(s, Settings::UserDesktop);

    loadPrint(v, s);

    v.defsFont = readFont(s, Settings::DefsFontColor, Settings::DefsFontName,
                          Settings::DefsFontSizeInDialog, Settings::DefsFontStyle);
    v.defsItemHeight = itemHeightFor(v.defsFont.size);
    v.autoFont = readFont(s, Settings::AutoFontColor, Settings::AutoFontName,
                          Settings::AutoFontSizeInDialog, Settings::AutoFontStyle);

    loadToolPaths(v, s);
    v.toolsOnTop = Settings::readFlag(s, Settings::ToolsOnTop);

    v.language = itemIndex(Settings::readInt(s, Settings::GridLanguage), kLanguageItems);
    return v;
}

void defaults(PrefsPage page, PreferenceValues& v, const SettingsAccess& s) {
    switch (page) {
    case PrefsPage::General:
        v.playSounds = DB::PlaySounds != 0;
        v.useCursors = DB::UseCursors != 0;
        v.allowHyph = DB::AllowHyph != 0;
        v.openLastEdit = DB::OpenLastEdit != 0;
        v.slideOn = DB::SlideOn;
        v.historyMaximum = DB::HistoryMaximum;
        v.clipOption = DB::DefClipOption;
        break;
    case PrefsPage::View:
        v.blankColor = ColourText::fromText(QLatin1String(DB::BlankSqColor));
        v.filledColor = ColourText::fromText(QLatin1String(DB::FilledSqColor));
        v.hiliteColor = ColourText::fromText(QLatin1String(DB::HiliteSqColor));
        v.initialColor = ColourText::fromText(QLatin1String(DB::InitialSqColor));
        v.gridFont = buttonFont(DB::FontName, DB::FontSize, DB::FontStyle, DB::FontColor);
        v.keepDesktop = DB::UserDesktop;
        v.defaultDesktop = !DB::UserDesktop;
        break;
    case PrefsPage::Print:
        loadPrint(v, s);
        v.paper = DB::PaperSize;
        break;
    case PrefsPage::Tools:
        loadToolPaths(v, s);
        v.toolsOnTop = DB::ToolsOnTop != 0;
        break;
    case PrefsPage::Fonts:
        v.defsFont =
            buttonFont(DB::DefsFontName, DB::DefsFontSize, DB::DefsFontStyle, DB::DefsFontColor);
        v.autoFont =
            buttonFont(DB::AutoFontName, DB::AutoFontSize, DB::AutoFontStyle, DB::AutoFontColor);
        break;
    case PrefsPage::Language:
        v.language = DB::GridLanguage;
        break;
    }
}

void save(SettingsAccess& s, const PreferenceValues& v) {
    Settings::writeInt(s, Settings::HistoryMaximum, v.historyMaximum);
    Settings::writeInt(s, Settings::DefClipOption, v.clipOption);
    Settings::writeFlag(s, Settings::PlaySounds, v.playSounds);
    Settings::writeFlag(s, Settings::UseCursors, v.useCursors);
    Settings::writeFlag(s, Settings::AllowHyph, v.allowHyph);
    Settings::writeFlag(s, Settings::OpenLastEdit, v.openLastEdit);
    Settings::writeBool(s, Settings::SlideOn, v.slideOn);

    Settings::writeColour(s, Settings::FilledSqColor, v.filledColor);
    Settings::writeColour(s, Settings::BlankSqColor, v.blankColor);
    Settings::writeColour(s, Settings::HiliteSqColor, v.hiliteColor);
    Settings::writeColour(s, Settings::InitialSqColor, v.initialColor);
    Settings::writeColour(s, Settings::FontColor, v.gridFont.colour);
    Settings::writeText(s, Settings::FontName, v.gridFont.name);
    Settings::writeInt(s, Settings::FontSize, v.gridFont.size);
    Settings::writeFontStyle(s, Settings::FontStyle, v.gridFont.style);
    if (v.keepDesktop || v.defaultDesktop)
        Settings::writeBool(s, Settings::UserDesktop, v.keepDesktop);

    Settings::writeText(s, Settings::DictPath, v.dictPath);
    Settings::writeText(s, Settings::ThesPath, v.thesPath);
    Settings::writeFlag(s, Settings::ToolsOnTop, v.toolsOnTop);

    saveFont(s, v.defsFont, Settings::DefsFontName, Settings::DefsFontColor, Settings::DefsFontSize,
             Settings::DefsFontStyle);
    saveFont(s, v.autoFont, Settings::AutoFontName, Settings::AutoFontColor, Settings::AutoFontSize,
             Settings::AutoFontStyle);
    Settings::writeInt(s, Settings::GridLanguage, v.language);

    savePrint(s, v);
    Settings::writeText(s, Settings::QuotPath, v.quotPath);
    Settings::writeText(s, Settings::ScraPath, v.scraPath);
    Settings::writeText(s, Settings::MailPath, v.mailPath);
}

} // namespace Preferences
