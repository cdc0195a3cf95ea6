// The main window's Tools tab: the dictionary, the thesaurus and the maker's three sibling
// tools, each started from the command line its setting holds, and the word suggestions.
#include "app/AppContext.h"
#include "app/ToolLauncher.h"
#include "app/ui/TIxv7MainForm.h"
#include "app/ui/X11WindowFinder.h"
#include "prefs/SettingsCatalogue.h"
#include "puzzle/ui/TIxv7SuggestForm.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QToolButton>

namespace {

struct Tool {
    const char* button;
    const Settings::TextSetting* command;
    const char* name; // as the message names it
};

const Tool kTools[] = {
    {"DictBtn", &Settings::DictPath, "Dictionary"}, {"ThesBtn", &Settings::ThesPath, "Thesaurus"},
    {"QuoteBtn", &Settings::QuotPath, "Saywell"},   {"ScratchBtn", &Settings::ScraPath, "Jotwell"},
    {"MailBtn", &Settings::MailPath, "Postrill"},
};

bool launch(const QString& command) {
    X11WindowFinder windows;
    ToolLauncher launcher(&windows, [] { QCoreApplication::processEvents(); });
    return launcher.LaunchTool(command);
}

} // namespace

void TIxv7MainForm::applyToolSettings() {
    for (const Tool& tool : kTools)
        button(QLatin1String(tool.button))
            ->setEnabled(!Settings::readText(m_ctx.procs, *tool.command).isEmpty());
}

void TIxv7MainForm::launchTool(const QString& toolName) {
    for (const Tool& tool : kTools) {
        if (toolName != QLatin1String(tool.name))
            continue;
        if (!launch(Settings::readText(m_ctx.procs, *tool.command)))
            m_ctx.procs.ShowAttention(
                QStringLiteral("%1 path not properly configured in Tools section of Preferences.")
                    .arg(toolName),
                this);
        return;
    }
}

void TIxv7MainForm::DictBtnClick() {
    launchTool(QStringLiteral("Dictionary"));
}

void TIxv7MainForm::ThesBtnClick() {
    launchTool(QStringLiteral("Thesaurus"));
}

void TIxv7MainForm::QuoteBtnClick() {
    launchTool(QStringLiteral("Saywell"));
}

void TIxv7MainForm::ScratchBtnClick() {
    launchTool(QStringLiteral("Jotwell"));
}

void TIxv7MainForm::MailBtnClick() {
    launchTool(QStringLiteral("Postrill"));
}

void TIxv7MainForm::SuggestBtnClick() {
    if (!m_editors.suggest) {
        auto* suggest = new TIxv7SuggestForm(m_ctx, m_editors);
        mdiArea->addSubWindow(suggest);
        m_editors.suggest = suggest;
    }
    m_editors.suggest->FormShow();
}
