// The main window's Tools tab: the dictionary and thesaurus programs.
#include "app/AppContext.h"
#include "app/ui/TIxv7MainForm.h"
#include "app/ToolLauncher.h"
#include "app/ui/X11WindowFinder.h"
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
    X11WindowFinder windows;
    ToolLauncher launcher(&windows, [] { QCoreApplication::processEvents(); });
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
