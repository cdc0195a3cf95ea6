#pragma once

#include "EditingWindow.h"

class AppContext;
struct EditorSet;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class LetterBox;

// The construction tool window: the constructor's name, the history list of recent puzzles,
// the repeater scan and the box of letters still free.
class TIxv7ToolForm : public EditingWindow {
    Q_OBJECT
public:
    TIxv7ToolForm(AppContext& ctx, EditorSet& editors, QWidget* parent = nullptr);

    void FormShow();
    void fillHistory(const QStringList& paths);
    void ScanBtnClick();
    void HistoryListDblClick();

    QLineEdit* ByEd = nullptr;
    QListWidget* HistoryList = nullptr;
    QListWidget* ScanList = nullptr;
    QPushButton* ScanBtn = nullptr;
    QLabel* ErrPanel = nullptr;
    LetterBox* LtrBox = nullptr;

private:
    void ByEdKeyUp();
    void ScanListClick();
    void layOut();
    bool eventFilter(QObject* watched, QEvent* event) override;

    AppContext& m_ctx;
    EditorSet& m_editors;
    QWidget* m_body = nullptr;
    QLabel* m_byLabel = nullptr;
    QLabel* m_historyLabel = nullptr;
    QLabel* m_scanLabel = nullptr;
    QLabel* m_lettersLabel = nullptr;
};

// The letters still free in the quotation, one box a letter and one for apostrophes and hyphens.
class LetterBox : public QWidget {
    Q_OBJECT
public:
    LetterBox(AppContext& ctx, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AppContext& m_ctx;
};
