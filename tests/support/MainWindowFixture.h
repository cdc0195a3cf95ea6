#pragma once

#include "ScriptedDialogs.h"
#include "TestEnv.h"
#include "TestPuzzles.h"
#include "app/AppContext.h"
#include "app/History.h"
#include "app/ui/TIxv7MainForm.h"
#include "base/WindowFonts.h"
#include "puzzle/PuzzleFile.h"
#include "puzzle/ui/EditorSet.h"
#include "puzzle/ui/GridView.h"
#include "puzzle/ui/TIxv7AutoForm.h"
#include "puzzle/ui/TIxv7GridForm.h"
#include "puzzle/ui/TIxv7SpecsForm.h"
#include "puzzle/ui/TIxv7TitleForm.h"
#include "puzzle/ui/TIxv7ToolForm.h"
#include "puzzle/ui/WindowLook.h"

#include <QStackedWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

// The real main window over an empty settings store and history, with a temporary folder for
// puzzle files, scripted dialogs, recorded sounds and a recording desktop. A test class derives
// from it, calls setUp() from init() and tearDown() from cleanup(), and drives the window as a
// user would.
class MainWindowFixture : public QObject {
protected:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TIxvProcs> procs;
    std::unique_ptr<AppContext> ctx;
    ScriptedDialogs dialogs;
    RecordingSounds sounds;
    RecordingDesktop desktop;
    std::unique_ptr<TIxv7MainForm> form;

    void setUp() {
        TIxvProcs::setWaitScale(0.01);
        WindowFonts::installSubstitutions(); // as the program does at start-up
        QFile::remove(History(TIxvProcs::SpecialFolderPath(26)).filePath());
        dir = std::make_unique<QTemporaryDir>();
        useScreen({});
        dialogs = ScriptedDialogs();
        sounds.played.clear();
        desktop.opened.clear();
        desktop.onOpen = nullptr;
    }
    // The program on another screen, over an empty settings store; before showForm().
    void useScreen(const ScreenMetrics& screen) {
        ctx.reset();
        procs = freshProcs(&dialogs, &sounds, screen);
        ctx = std::make_unique<AppContext>(*procs);
    }
    // Unexpected questions fail the test.
    void tearDown() {
        QCoreApplication::processEvents();
        form.reset();
        ctx.reset();
        procs.reset();
        QVERIFY2(dialogs.unexpected.isEmpty(), qPrintable(dialogs.unexpected.join(" | ")));
    }

    // A file in the test's folder; an empty name stays empty.
    QString path(const QString& name) const { return name.isEmpty() ? name : dir->filePath(name); }
    QString savePuzzle(const QString& name, const PuzzleRecord& record) const {
        PuzzleFile::SavePuzzle(path(name), record);
        return path(name);
    }

    void showForm(const QStringList& arguments = {}) {
        form = std::make_unique<TIxv7MainForm>(*ctx, desktop, arguments);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get(), TestEnv::kEventWaitMs));
    }
    // After a puzzle opened: the grid, author-title and construction tool windows show.
    void waitForEditingWindows() {
        IXV_TRY_VERIFY(grid()->isShownNormally() && title()->isShownNormally() &&
                       tool()->isShownNormally() && !clues()->isVisible());
    }
    void showPuzzle(const QString& file) {
        showForm({file});
        waitForEditingWindows();
    }

    TIxv7GridForm* grid() { return form->editors().grid; }
    TIxv7TitleForm* title() { return form->editors().title; }
    TIxv7ToolForm* tool() { return form->editors().tool; }
    TIxv7AutoForm* clues() { return form->editors().clues; }
    TIxv7SpecsForm* specs() { return form->editors().specs; }
    const PuzzleRecord& rec() const { return ctx->puzzle; }

    // A click through the main window's native window, so that the MDI area hands it to
    // whatever lies at the point.
    void click(QWidget* widget, const QPoint& p) {
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, widget->mapTo(form.get(), p));
    }
    void clickCentre(QWidget* widget) { click(widget, widget->rect().center()); }
    void clickTab(int tab) {
        QTest::mouseClick(form->MenuTabs, Qt::LeftButton, {},
                          form->MenuTabs->tabRect(tab).center());
    }
    // Brings the button's tab to the front and clicks the button.
    void press(const QString& name) {
        QToolButton* b = form->button(name);
        clickTab(form->toolBarStack->indexOf(b->parentWidget()));
        QVERIFY(b->isVisible());
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void openClues() {
        press(QStringLiteral("AutoclueBtn"));
        IXV_TRY_VERIFY(clues()->isShownNormally() && !tool()->isVisible());
    }

    // The word's square in the author-title window's word row.
    void selectWord(int word) {
        const int s = title()->TitleSquare;
        click(title()->canvas(), QPoint((word - 1) * s + s / 2, s / 2));
    }
    // A square of the letter row below it.
    void letterRow(int position) {
        const int s = title()->TitleSquare;
        click(title()->canvas(), QPoint((position - 1) * s + s / 2, s + 5 + s / 2));
    }
    void pick(const Square& sq) {
        const int s = grid()->GridSquare;
        click(grid()->canvas(), QPoint((sq.column - 1) * s + s / 2, (sq.row - 1) * s + s / 2));
    }
    // Letter squares no word has taken, in reading order.
    static QList<Square> freeSquares(const PuzzleRecord& r) {
        QList<Square> out;
        for (int row = 1; row <= r.GridHeight; ++row)
            for (int c = 1; c <= r.GridWidth; ++c)
                if (r.code(c, row) == CodeFree && r.letter(c, row) >= 'A' &&
                    r.letter(c, row) <= 'Z')
                    out << Square{c, row};
        return out;
    }
};
