#pragma once

#include "puzzle/ui/EditingWindow.h"

#include <functional>

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
    // Opens the puzzle of a history row through open, or drops the row when its file no
    // longer exists.
    void openHistoryRow(int row, const std::function<void(const QString&)>& open);
    int smallestClientHeight() const override;

signals:
    // A history row was double-clicked; whoever owns the open puzzle decides whether it may be
    // left, then calls openHistoryRow.
    void historyEntryChosen(int row);

public:

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

    struct Box {
        QRect outline;
        QString text; // "A-3", or "#-2" for apostrophes and hyphens
        int count;
    };
    // The 27 boxes as they are drawn now, left to right.
    QList<Box> boxes() const;
    // The font the boxes' texts are drawn in.
    QFont textFont(const QList<Box>& boxes) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AppContext& m_ctx;
};
