// The main window's Tools tab: the dictionary and thesaurus programs.
#include "AppContext.h"
#include "TIxv7MainForm.h"
#include "ToolLauncher.h"
#include "prefs/SettingsCatalogue.h"

#include <QCoreApplication>
#include <QToolButton>

void TIxv7MainForm::applyToolSettings() {
    button(QStringLiteral("DictBtn"))
        ->setEnabled(!Settings::readText(m_ctx.procs, Settings::DictPath).isEmpty());
    button(QStringLiteral("ThesBtn"))
        ->setEnabled(!Settings::readText(m_ctx.procs, Settings::ThesPath).isEmpty());
}

namespace {
bool launch(const QString& command) {
    ToolLauncher launcher([] { QCoreApplication::processEvents(); });
    return launcher.LaunchTool(command);
}
} // namespace

void TIxv7MainForm::DictBtnClick() {
    if (!launch(Settings::readText(m_ctx.procs, Settings::DictPath)))
        m_ctx.procs.ShowAttention(
            QStringLiteral(
                "Dictionary path not properly configured in Tools section of Preferences."),
            this);
}

void TIxv7MainForm::ThesBtnClick() {
    if (!launch(Settings::readText(m_ctx.procs, Settings::ThesPath)))
        m_ctx.procs.ShowAttention(
            QStringLiteral(
                "Thesaurus path not properly configured in Tools section of Preferences."),
            this);
}
