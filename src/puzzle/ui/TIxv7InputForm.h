#pragma once

#include "puzzle/PuzzleRecord.h"

#include <QDialog>
#include <optional>

class AppContext;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class QFrame;

// The construction dialog: the constructor types the quotation and the author-title line,
// chooses automatic or manual grid size, and builds the new puzzle. The build goes into a
// record of the dialog's own; the open puzzle is replaced by the caller only after OK.
class TIxv7InputForm : public QDialog {
    Q_OBJECT
public:
    TIxv7InputForm(AppContext& ctx, const QString& newFileName, QWidget* parent = nullptr);

    // The new puzzle, once the dialog has closed with OK.
    const std::optional<PuzzleRecord>& builtPuzzle() const { return m_built; }

    // The font family of both text boxes: the first of Consolas, Lucida Console and Courier New
    // that is installed (Courier New when none is).
    static QString textFontFamily();
    static QString captionFor(const QString& newFileName);

    // Controls by their component names, for the tests that drive the dialog.
    QPlainTextEdit* QuoteMemo = nullptr;
    QLineEdit* AcrosticEdit = nullptr;
    QRadioButton* AutoBtn = nullptr;
    QRadioButton* ManualBtn = nullptr;
    QLineEdit* WidthEd = nullptr;
    QLineEdit* HeightEd = nullptr;
    QLabel* QcLbl = nullptr;
    QPushButton* FormatBtn = nullptr;
    QPushButton* MakeBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void FormResize();
    void AutoBtnClick();
    void QuoteMemoKeyPress(const QString& typed);
    void QuoteMemoKeyUp(int key);
    void FormatBtnClick();
    void MakeBtnClick();
    bool BuildPuzzle();
    void layOut();
    int countCharacters() const;

    AppContext& m_ctx;
    QString m_fileName;
    bool m_needsBuild = true;
    std::optional<PuzzleRecord> m_built;
    int m_rememberedWidth = 0;
    int m_rememberedFontSize = 0;

    QWidget* m_rightColumn = nullptr;
    QFrame* m_modeBevel = nullptr;
    QLabel* m_widthLabel = nullptr;
    QLabel* m_heightLabel = nullptr;
    QLabel* m_countHeading = nullptr;
    QToolButton* m_widthUp = nullptr;
    QToolButton* m_widthDown = nullptr;
    QToolButton* m_heightUp = nullptr;
    QToolButton* m_heightDown = nullptr;
    QWidget* m_paintBox1 = nullptr;
    QWidget* m_paintBox2 = nullptr;
    QWidget* m_paintBox3 = nullptr;
};
