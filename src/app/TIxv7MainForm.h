#pragma once

#include <QMainWindow>

class AppContext;
class QLabel;
class QPushButton;

// The main window. For now it offers the two ways into a puzzle that exist: creating a new one
// through the construction dialog, and opening a file.
class TIxv7MainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TIxv7MainForm(AppContext& ctx, QWidget* parent = nullptr);

    void CreateNewBtnClick();
    void OpenPuzzleBtnClick();
    // Opens a puzzle file; false (with the message shown) when it is not a puzzle.
    bool openPuzzleFile(const QString& fileName);

    QPushButton* CreateNewBtn = nullptr;
    QPushButton* OpenPuzzleBtn = nullptr;

private:
    QString startFolder() const;
    void showPuzzle();

    AppContext& m_ctx;
    QLabel* m_view = nullptr;
};
