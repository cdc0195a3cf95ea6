#pragma once

#include "puzzle/ui/EditingWindow.h"

#include <QPointer>

class AppContext;
class CodepageInput;
struct EditorSet;
class QLabel;
class QLineEdit;
class QListWidget;
class QToolBar;
class QToolButton;
class TCharMap7Form;

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
    int smallestClientHeight() const override;

    QLabel* ClueLbl = nullptr;
    QLabel* NumLbl = nullptr;
    QLineEdit* DefEdit = nullptr;
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
    CodepageInput* m_clueInput = nullptr;
    QPointer<TCharMap7Form> m_charMap;
    int m_loadedRow = -1; // the row whose clue the field holds
};
