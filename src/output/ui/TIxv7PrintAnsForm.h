#pragma once

#include "output/SolutionText.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// "Solution": the solution text of the open puzzle, which the user may correct or switch to
// lower or upper case before composing. Each preview window keeps one for as long as it is
// open; the solution page prints the box's lines exactly as the box wraps them.
class TIxv7PrintAnsForm : public QDialog {
    Q_OBJECT
public:
    TIxv7PrintAnsForm(const PuzzleRecord& record, QWidget* owner);

    static constexpr int kClientWidth = 486;
    static constexpr int kClientHeight = 306;

    QPlainTextEdit* QuoteMemo = nullptr;
    QPushButton* CaseBtn = nullptr;
    QPushButton* CloseBtn = nullptr;

    // The text as it stands in the box, in Windows-1252.
    QByteArray text() const;
    // The lines the solution page prints.
    QList<QByteArray> SolutionText() const;
    // Shows the window modally, centred on its owner.
    int ShowModal();

    void CaseBtnClick();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ::SolutionText m_solution;
};
