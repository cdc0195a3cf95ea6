#pragma once

#include "puzzle/ui/EditingWindow.h"

#include <QLineEdit>
#include <QPointer>

class AppContext;
struct EditorSet;
class QLabel;
class QListWidget;
class QToolBar;
class QToolButton;
class TCharMap7Form;

// The clue field: takes at most 80 characters typed or pasted, and only characters a puzzle
// can hold. Text the program sets may be longer.
class ClueEdit : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int kLimit = 80;
    explicit ClueEdit(QWidget* parent = nullptr);
    // Inserts text at the caret, replacing the selection, cut to what fits in the limit.
    void insertWithinLimit(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromClipboard();
};

// The clue editing window: the clue list on the right, the selected word's clue in an edit
// field on the left, and a tool bar to move between clues and insert text.
class TIxv7AutoForm : public EditingWindow {
    Q_OBJECT
public:
    TIxv7AutoForm(AppContext& ctx, EditorSet& editors, QWidget* parent = nullptr);

    void FormShow();
    void LoadClueFonts();
    void FillClueList();
    void ShowWordLabels();
    // Loads the selected row's clue; a real click (x above 0) also selects the word.
    void ClueListMouseUp(int x);
    void selectRow(int row);
    // After the puzzle was read again from its file: the list and the field show the record.
    void reloadClues();
    void PrevBtnClick();
    void NextBtnClick();
    void InsertBtnClick();
    void CharsBtnClick();
    void BlankBtnClick();
    void CountBtnClick();
    void CloseCharMap();
    TCharMap7Form* charMap() const;

    QLabel* ClueLbl = nullptr;
    QLabel* NumLbl = nullptr;
    ClueEdit* DefEdit = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QListWidget* ClueList = nullptr;
    QToolButton* PrevBtn = nullptr;
    QToolButton* NextBtn = nullptr;
    QToolButton* InsertBtn = nullptr;
    QToolButton* CharsBtn = nullptr;
    QToolButton* BlankBtn = nullptr;
    QToolButton* CountBtn = nullptr;

private:
    void DefEditChange(const QString& text);
    void loadRowClue();
    void afterWordChange();
    void layOut();
    bool eventFilter(QObject* watched, QEvent* event) override;

    AppContext& m_ctx;
    EditorSet& m_editors;
    QWidget* m_body = nullptr;
    QPointer<TCharMap7Form> m_charMap;
    int m_loadedRow = -1; // the row whose clue the field holds
};
