#pragma once

#include "prefs/PreferenceValues.h"

#include <QDialog>
#include <QList>

class PrefsFontsPage;
class PrefsGeneralPage;
class PrefsLanguagePage;
class PrefsPageWidget;
class PrefsPrintPage;
class PrefsToolsPage;
class PrefsViewPage;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;
class TIxvProcs;

// The preferences: six pages chosen from a bar of toggle buttons, Defaults for the page showing,
// Save, Cancel, and Backup of the stored settings into a registry-editor file.
class TIxv7PreferencesForm : public QDialog {
    Q_OBJECT
public:
    explicit TIxv7PreferencesForm(TIxvProcs& procs, QWidget* parent = nullptr);

    // The side of a sample grid square in pixels; the opener sets it before showing.
    int SquareSize = 0;

    // Loads the stored settings, then shows the dialog modally and returns its result. A
    // setting that cannot be read raises before anything is shown, so that Save can never
    // store what the dialog failed to load.
    int ShowModal();
    // Presses the General button and loads every page from the stored settings.
    void FormShow();
    void ToolBtnClick(int index);
    void DefaultsBtnClick();
    void SaveBtnClick();
    void BackupBtnClick();
    void ExportSettingsFile(const QString& fileName);

    // What the pages hold now.
    PreferenceValues values() const;
    bool keepDesktopChecked() const;
    // The fields where text is typed, for the opener to give them the program's input filter.
    QList<QLineEdit*> textFields() const;

    QWidget* PrefTools = nullptr;
    QToolButton* PrefGeneralBtn = nullptr;
    QToolButton* PrefViewBtn = nullptr;
    QToolButton* PrefPrintBtn = nullptr;
    QToolButton* PrefToolsBtn = nullptr;
    QToolButton* PrefFontsBtn = nullptr;
    QToolButton* PrefLanguageBtn = nullptr;
    QStackedWidget* pages = nullptr;
    PrefsGeneralPage* GeneralPage = nullptr;
    PrefsViewPage* ViewPage = nullptr;
    PrefsPrintPage* PrintPage = nullptr;
    PrefsToolsPage* ToolsPage = nullptr;
    PrefsFontsPage* FontsPage = nullptr;
    PrefsLanguagePage* LanguagePage = nullptr;
    QPushButton* DefaultsBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* SaveBtn = nullptr;
    QPushButton* BackupBtn = nullptr;

private:
    void buildPageBar();
    void buildButtons();
    void showValues(const PreferenceValues& v);
    void reportFailure(const QString& text);

    TIxvProcs& m_procs;
    QList<QToolButton*> m_pageButtons;
    QList<PrefsPageWidget*> m_pages; // in the order of their buttons
    // Values without a control of their own (the stored desktop choice) come from here.
    PreferenceValues m_loaded;
};
