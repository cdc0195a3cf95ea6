// The main window's handling of the open puzzle: open, create, save, revert and the start-up
// opening.
#include "app/AppContext.h"
#include "app/AppTitle.h"
#include "app/DialogFolders.h"
#include "app/Dialogs.h"
#include "base/Errors.h"
#include "app/ui/TIxv7MainForm.h"
#include "app/ui/TMsgBar.h"
#include "output/ui/TIxv7OutputForm.h"
#include "prefs/SettingsCatalogue.h"
#include "base/Codepage.h"
#include "puzzle/ui/GridView.h"
#include "puzzle/Statistics.h"
#include "puzzle/ui/TIxv7AutoForm.h"
#include "puzzle/ui/TIxv7GridForm.h"
#include "puzzle/ui/TIxv7InputForm.h"
#include "puzzle/ui/TIxv7SpecsForm.h"
#include "puzzle/ui/TIxv7TitleForm.h"
#include "puzzle/ui/TIxv7ToolForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTabBar>
#include <QToolButton>

namespace {
const QString kNotAPuzzle = QStringLiteral("Puzzle not in Ixenvar format or is corrupt.");
const QString kNoPuzzle = QStringLiteral("No Puzzle Currently Opened!");
const QString kNothingToRevert = QStringLiteral("No Unsaved Changes to Revert!");

Dialogs::FileRequest newPuzzleRequest(const QString& title, const QString& folder,
                                      const QString& fileName) {
    Dialogs::FileRequest request;
    request.title = title;
    request.folder = folder;
    request.fileName = fileName;
    request.defaultSuffix = QStringLiteral("ixv");
    request.filters = {QStringLiteral("Ixenvar Puzzle (*.ixv)")};
    request.confirmOverwrite = true;
    return request;
}
} // namespace

QString TIxv7MainForm::startFolder() const {
    DialogFolders::Places places;
    places.lastChosen = m_lastChosenFolder;
    places.current = QDir::currentPath();
    places.home = QDir::homePath();
    places.program = QCoreApplication::applicationDirPath();
    places.documents = TIxvProcs::SpecialFolderPath(5);
    return DialogFolders::startFolder(places);
}

// The file dialogs follow the folder of the puzzle file last chosen in them.
QString TIxv7MainForm::chosen(const QString& fileName) {
    if (!fileName.isEmpty())
        m_lastChosenFolder = QFileInfo(fileName).absolutePath();
    return fileName;
}

bool TIxv7MainForm::AskSaveChanges() {
    switch (m_ctx.procs.dialogs()->askYesNoCancel(
        this, QStringLiteral("Attention"),
        QStringLiteral("Puzzle has changed. Save current changes?"))) {
    case Dialogs::Answer::Yes:
        takeConstructorName(); // the name typed in "By:" is part of the changes
        m_ctx.SavePuzzle(m_ctx.CurrentFile);
        return true;
    case Dialogs::Answer::No:
        // Declined, not yet discarded: the changes go only when another puzzle replaces them,
        // so an open that fails or is cancelled keeps them, still marked.
        return true;
    default:
        return false;
    }
}

void TIxv7MainForm::FlashNoPuzzle() {
    MsgBar->setPanelText(1, kNoPuzzle);
    m_ctx.procs.WaitPumping(1000);
    MsgBar->setPanelText(1, QString());
}

void TIxv7MainForm::OpenPuzzleBtnClick() {
    if (m_ctx.Edited() && !AskSaveChanges())
        return;
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Open existing puzzle for editing");
    request.folder = startFolder();
    request.defaultSuffix = QStringLiteral("ixv");
    request.filters = {QStringLiteral("Ixenvar Acrostic Puzzle (*.ixv)")};
    const QString fileName = chosen(m_ctx.procs.dialogs()->openFile(this, request));
    if (fileName.isEmpty())
        return;
    try {
        // The puzzle is read aside first: a file that fails leaves the open puzzle as it was.
        m_ctx.LoadPuzzle(fileName);
    } catch (const IoError&) {
        m_ctx.procs.ShowAttention(kNotAPuzzle, this);
        return;
    }
    m_ctx.CurrentFile = fileName;
    m_ctx.SetEdited(false);
    ShowOpenedPuzzle();
}

void TIxv7MainForm::CreateNewBtnClick() {
    if (m_ctx.Edited() && !AskSaveChanges())
        return;
    const QString fileName = chosen(m_ctx.procs.dialogs()->saveFile(
        this, newPuzzleRequest(QStringLiteral("New puzzle for constructing"), startFolder(),
                               QStringLiteral("untitled.ixv"))));
    if (fileName.isEmpty())
        return;
    TIxv7InputForm form(m_ctx, fileName, this);
    if (form.exec() != QDialog::Accepted || !form.builtPuzzle())
        return;
    m_ctx.puzzle = *form.builtPuzzle();
    m_ctx.CurrentFile = fileName;
    try {
        m_ctx.SavePuzzle(fileName);
    } catch (const IoError&) {
        // The new puzzle lives only in memory: it is shown, and closing must ask.
        refreshOpenedPuzzle();
        m_ctx.SetEdited(true);
        throw;
    }
    ShowOpenedPuzzle();
}

// The name typed in "By:", without surrounding blanks and control characters, goes into the
// puzzle when it is saved.
void TIxv7MainForm::takeConstructorName() {
    if (!m_editors.tool)
        return;
    QString name = m_editors.tool->ByEd->text();
    auto blank = [](QChar ch) { return ch.isSpace() || ch.category() == QChar::Other_Control; };
    while (!name.isEmpty() && blank(name.front()))
        name.remove(0, 1);
    while (!name.isEmpty() && blank(name.back()))
        name.chop(1);
    const QByteArray bytes = Codepage::fromUnicodeLossy(name).left(kMaxStringLength);
    if (bytes != m_ctx.puzzle.ConstructorName.bytes())
        m_ctx.puzzle.ConstructorName.assign(bytes);
}

void TIxv7MainForm::SaveBtnClick() {
    if (!m_ctx.puzzleOpen()) {
        FlashNoPuzzle();
        return;
    }
    takeConstructorName();
    // Saved is what was written now; an edit made while the progress runs stays marked.
    m_ctx.SavePuzzle(m_ctx.CurrentFile);
    TIxv7OutputForm progress(QStringLiteral("Saving current puzzle ..."), this);
    progress.showAndRun(m_ctx.procs);
    progress.hide();
}

void TIxv7MainForm::SaveAsBtnClick() {
    if (!m_ctx.puzzleOpen()) {
        FlashNoPuzzle();
        return;
    }
    const QString fileName = chosen(m_ctx.procs.dialogs()->saveFile(
        this, newPuzzleRequest(QStringLiteral("Save puzzle as"), startFolder(),
                               QFileInfo(m_ctx.CurrentFile).fileName())));
    if (fileName.isEmpty())
        return;
    takeConstructorName();
    m_ctx.SavePuzzle(fileName);
    m_ctx.CurrentFile = fileName;
    Settings::writeText(m_ctx.procs, Settings::CurrentPuzzle, fileName);
    rememberInHistory(fileName);
}

// Every change of the history file shows in the construction tool window's list.
void TIxv7MainForm::rememberInHistory(const QString& fileName) {
    const QStringList history = m_ctx.history().AddToHistory(
        fileName, Settings::readInt(m_ctx.procs, Settings::HistoryMaximum));
    if (m_editors.tool)
        m_editors.tool->fillHistory(history);
}

void TIxv7MainForm::RevertBtnClick() {
    if (!m_ctx.puzzleOpen()) {
        FlashNoPuzzle();
        return;
    }
    if (!m_ctx.Edited()) {
        MsgBar->setPanelText(1, kNothingToRevert);
        m_ctx.procs.WaitPumping(1000);
        MsgBar->setPanelText(1, QString());
        return;
    }
    m_ctx.procs.PlayWarningSound();
    if (m_ctx.procs.dialogs()->askYesNo(
            this, QStringLiteral("Undo Everything"),
            QStringLiteral("Discard all recent changes and return to last saved puzzle?")) !=
        Dialogs::Answer::Yes)
        return;
    m_ctx.LoadPuzzle(m_ctx.CurrentFile);
    m_ctx.SelectedWord = 0;
    if (m_editors.grid)
        m_editors.grid->clearSelectedSquare();
    m_editors.repaintGrid();
    m_editors.repaintTitle();
    m_editors.repaintLetterBox();
    if (m_editors.clueWindowShown())
        m_editors.clues->reloadClues();
    SpecsBtnClick();
    m_ctx.SetEdited(false);
}

// The open refresh: shows the editing windows for the puzzle just opened or created, and
// remembers its file.
void TIxv7MainForm::ShowOpenedPuzzle() {
    refreshOpenedPuzzle();
    Settings::writeText(m_ctx.procs, Settings::CurrentPuzzle, m_ctx.CurrentFile);
    rememberInHistory(m_ctx.CurrentFile);
    if (m_editors.grid)
        m_editors.grid->canvas()->setFocus();
}

void TIxv7MainForm::refreshOpenedPuzzle() {
    m_ctx.startHistory();
    MenuTabs->setCurrentIndex(1);
    MenuTabsClick();
    MsgBar->setPanelText(1, PuzzleStatistics(m_ctx.puzzle));
    button(QStringLiteral("LettersBtn"))->setChecked(true);
    m_ctx.EditMode = 2;
    m_ctx.SelectedWord = 0;
    if (m_editors.specs)
        m_editors.specs->close();
    if (m_editors.grid)
        m_editors.grid->FormShow();
    if (m_editors.title)
        m_editors.title->FormShow();
    if (m_editors.clues) {
        m_editors.clues->CloseCharMap();
        m_editors.clues->minimizeToHidden();
    }
    if (m_editors.tool)
        m_editors.tool->FormShow();
    setCluesButton(false);
    m_editors.followChanges();
}

// Opens a puzzle at start-up. A failure leaves no puzzle open, so that a later Save can never
// write over the file that failed to load.
bool TIxv7MainForm::openAtStartup(const QString& given, bool reportFailure) {
    // A name given relative to the folder the program was started in is kept absolute, so that
    // the history and the next start-up find it from anywhere.
    const QString file = given.isEmpty() ? given : QFileInfo(given).absoluteFilePath();
    try {
        m_ctx.LoadPuzzle(file);
    } catch (const IxvError& e) {
        m_ctx.CurrentFile.clear();
        if (reportFailure)
            m_ctx.procs.dialogs()->error(this, applicationTitle(), e.message());
        return false;
    }
    m_ctx.CurrentFile = file;
    m_ctx.SetEdited(false);
    ShowOpenedPuzzle();
    return true;
}

void TIxv7MainForm::StartupOpening() {
    if (!m_arguments.isEmpty()) {
        openAtStartup(m_arguments.first(), true);
        return;
    }
    if (Settings::readFlagValue(m_ctx.procs, Settings::OpenLastEdit) != 1)
        return;
    const QString last = Settings::readText(m_ctx.procs, Settings::CurrentPuzzle);
    if (!last.isEmpty() && QFileInfo::exists(last)) {
        openAtStartup(last, false);
        return;
    }
    const History history = m_ctx.history();
    if (!history.exists())
        return;
    const QStringList lines = history.read();
    if (!lines.isEmpty())
        openAtStartup(lines.first(), false);
}
