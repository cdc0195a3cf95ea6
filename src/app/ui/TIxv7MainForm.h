#pragma once

#include "output/GridImageFiles.h"
#include "puzzle/ui/EditorSet.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QPrinter>

#include <functional>

class AppContext;
class DesktopServices;
class HelpWindow;
class QMdiArea;
class QMenu;
class QStackedWidget;
class QTabBar;
class QToolBar;
class QToolButton;
class TMsgBar;

// The main window: a strip of seven tabs, each bringing its tool bar of captioned pictures to the
// front, the area of the editing windows, and the four-panel status bar.
class TIxv7MainForm : public QMainWindow {
    Q_OBJECT
public:
    TIxv7MainForm(AppContext& ctx, DesktopServices& desktop, QStringList arguments = {},
                  QWidget* parent = nullptr);
    ~TIxv7MainForm() override;

    // Components by their names, for the handlers of other windows and for tests.
    QTabBar* MenuTabs = nullptr;
    QStackedWidget* toolBarStack = nullptr;
    TMsgBar* MsgBar = nullptr;
    QMenu* StatBarPop = nullptr;
    QMdiArea* mdiArea = nullptr;
    QToolButton* button(const QString& name) const { return m_buttons.value(name); }
    QToolBar* toolBar(const QString& name) const { return m_bars.value(name); }
    QAction* SaveAction = nullptr;

    QPrinter& printer() { return m_printer; }
    HelpWindow* helpWindow() const;
    bool slideOn() const { return m_editors.slideOn; }

    // Open puzzle
    void OpenPuzzleBtnClick();
    void CreateNewBtnClick();
    void SaveBtnClick();
    void SaveAsBtnClick();
    void RevertBtnClick();
    bool AskSaveChanges();
    void FlashNoPuzzle();
    void ShowOpenedPuzzle();

    // Frame
    void MenuTabsClick();
    void CloseBtnClick();
    void PrnSetupBtnClick();
    void XMLBtnClick();
    void HelpContentsClick();
    void HelpKeywordIndexClick();
    void AboutBtnClick();

    // Editing modes and words
    void SquaresBtnClick();
    void LettersBtnClick();
    void SpillBtnClick();
    void SpillActionExecute();
    void AutoclueBtnClick();
    void SpecsBtnClick();
    QAction* SpillAction = nullptr;
    // Opens a puzzle chosen in the history list of the construction tool window.
    void openHistoryEntry(const QString& file);
    // Called once when the main window is first shown, before anything there can show a
    // message: the splash screen closes, so that no message hides under it.
    void setBeforeStartup(std::function<void()> hook) { m_beforeStartup = std::move(hook); }
    EditorSet& editors() { return m_editors; }

    // Output: the RTF manuscript, the clipboard and the grid files
    void RTFMsBtnClick();
    // The button copies the item the setting DefClipOption names; an item of ClipMenu copies
    // itself.
    void ClipbdBtnClick(QAction* item = nullptr);
    void MetaBtnClick();
    void EPSBtnClick();
    QMenu* ClipMenu = nullptr;

    // External tools: each button is enabled exactly when its command line is set.
    void DictBtnClick();
    void ThesBtnClick();
    void QuoteBtnClick();
    void ScratchBtnClick();
    void MailBtnClick();
    void applyToolSettings();
    // Word suggestions for the selected word, in a window beside the construction tool window.
    void SuggestBtnClick();

    // Outputs of the open puzzle.
    void PrintBtnClick();
    void ToPDFBtnClick();

    // Preferences: the dialog, then the settings of the windows already shown applied at once.
    void PrefsBtnClick();

    // Undo and redo of the open puzzle's edits, from the Edit tab's buttons and from the keys
    // (Ctrl+Z; Ctrl+Shift+Z and Ctrl+Y), which in a text field undo and redo its own typing.
    void UndoBtnClick();
    void RedoBtnClick();
    QAction* UndoAction = nullptr;
    QAction* RedoAction = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void buildToolBars();
    void placeWindow();
    void connectButtons();
    void connectOutputButtons();
    void writeGridFiles(GridImageFiles::Format format);
    void StartupOpening();
    bool openAtStartup(const QString& file, bool reportFailure);
    QString startFolder() const;
    QString chosen(const QString& fileName);
    void MsgBarMouseDown();
    void updateEnabledButtons();
    void createEditingWindows();
    void setCluesButton(bool cluesShown);
    void takeConstructorName();
    void refreshOpenedPuzzle();
    void rememberInHistory(const QString& fileName);
    void launchTool(const QString& toolName);
    void setUpUndo();
    void updateUndoButtons();
    void stepThroughHistory(bool back);
    void showRestoredPuzzle(bool nameChanged);

    AppContext& m_ctx;
    DesktopServices& m_desktop;
    QStringList m_arguments;
    QPrinter m_printer;
    QPointer<HelpWindow> m_help;
    QHash<QString, QToolButton*> m_buttons;
    QHash<QString, QToolBar*> m_bars;
    EditorSet m_editors;
    bool m_shown = false;
    std::function<void()> m_beforeStartup;
    QString m_lastChosenFolder;
};
