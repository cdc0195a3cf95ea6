#pragma once

#include <QMdiSubWindow>

class AppContext;
struct EditorSet;
class QLabel;
class QListWidget;
class QPushButton;

// The specifications window: the quotation as text, the author-title initials and one row per
// acrostic word with its letters at their positions. Made on demand, destroyed when closed.
class TIxv7SpecsForm : public QMdiSubWindow {
    Q_OBJECT
public:
    TIxv7SpecsForm(AppContext& ctx, EditorSet& editors, QWidget* parent = nullptr);

    void FormShow();
    void FillSpecsLabels();
    void FillWordRows();
    void AcrListMouseUp();

    QLabel* QuoLbl = nullptr;
    QLabel* AutLbl = nullptr;
    QListWidget* AcrList = nullptr;
    QPushButton* UpdateBtn = nullptr;
    QPushButton* CloseBtn = nullptr;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void layOut();

    AppContext& m_ctx;
    EditorSet& m_editors;
    QWidget* m_body = nullptr;
    bool m_shown = false;
};
