// The main window's "Preferences...": the dialog, and after a Save the settings that affect the
// windows already shown, applied at once. Every other setting takes effect when it is next read.
#include "app/AppContext.h"
#include "app/ui/TIxv7MainForm.h"
#include "prefs/SettingsCatalogue.h"
#include "prefs/ui/TIxv7PreferencesForm.h"
#include "puzzle/ui/CodepageInput.h"
#include "puzzle/ui/GridView.h"
#include "puzzle/ui/TIxv7AutoForm.h"
#include "puzzle/ui/TIxv7GridForm.h"
#include "puzzle/ui/TIxv7TitleForm.h"

#include <QLineEdit>
#include <QListWidget>

void TIxv7MainForm::PrefsBtnClick() {
    TIxv7PreferencesForm form(m_ctx.procs, this);
    form.SquareSize = m_ctx.procs.DefaultSquareSize();
    for (QLineEdit* field : form.textFields())
        CodepageInput::install(field, {0, true});
    form.move(geometry().center() - form.rect().center());
    if (form.ShowModal() != QDialog::Accepted)
        return;

    applyToolSettings();
    if (m_editors.grid && m_editors.grid->isShownNormally()) {
        m_editors.grid->LoadAppearance();
        m_editors.grid->canvas()->update();
    }
    if (m_editors.title && m_editors.title->isShownNormally()) {
        m_editors.title->LoadTitleAppearance();
        m_editors.title->canvas()->update();
    }
    if (m_editors.clues && m_editors.clues->isShownNormally()) {
        m_editors.clues->LoadClueFonts();
        m_editors.clues->ClueList->viewport()->update();
        m_editors.clues->DefEdit->update();
    }
    m_editors.slideOn = Settings::readBool(m_ctx.procs, Settings::SlideOn);
    if (form.keepDesktopChecked()) {
        Settings::writeInt(m_ctx.procs, Settings::UserLeft, x());
        Settings::writeInt(m_ctx.procs, Settings::UserTop, y());
        Settings::writeInt(m_ctx.procs, Settings::UserWidth, width());
        Settings::writeInt(m_ctx.procs, Settings::UserHeight, height());
    }
}
