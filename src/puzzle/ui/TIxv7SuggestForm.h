#pragma once

#include "puzzle/WordList.h"
#include "puzzle/WordSuggestions.h"
#include "puzzle/ui/EditingWindow.h"

class AppContext;
struct EditorSet;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// Word suggestions beside the construction tool window: the words of the word list that the
// selected acrostic word could become with the letters still free, longest first, each with its
// length and a mark when it cannot avoid a repeater. A double click or Enter picks the word's
// squares into the acrostic word, as clicks on the grid would. Made on first use, then kept for
// the run.
class TIxv7SuggestForm : public EditingWindow {
    Q_OBJECT
public:
    TIxv7SuggestForm(AppContext& ctx, EditorSet& editors, QWidget* parent = nullptr);

    // Shows the window beside the construction tool window, with the list up to date.
    void FormShow();
    // Called whenever the puzzle, the selected word or the free letters may have changed;
    // draws the candidates again only when one of them did.
    void followChanges();
    // Picks the squares of the list's row into the selected word.
    void pickRow(int row);

    QLabel* WordLbl = nullptr;
    QLineEdit* FilterEd = nullptr;
    QTreeWidget* SuggestList = nullptr;
    QLabel* CountLbl = nullptr;
    QPushButton* CloseBtn = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the list was drawn from; the list is drawn again when any of it differs.
    struct Source {
        QString file;
        int word = 0;
        QByteArray grid; // the letters and codes of the squares
        CharSet letters; // the counted letters of the grid language
        QByteArray filter;
        QString wordListFile;
        bool operator==(const Source&) const = default;
    };
    Source currentSource() const;
    void refresh(bool always);
    void fill(const QString& message);
    void placeBesideToolWindow();

    AppContext& m_ctx;
    EditorSet& m_editors;
    WordListCache m_lists;
    Source m_source;
    Suggestions::Result m_result;
    bool m_picking = false;
};
