#pragma once

#include "output/ComposerOptions.h"
#include "prefs/FontSettings.h"

#include <QTabWidget>
#include <QWidget>

#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QToolButton;
class TIxvProcs;
struct ScreenMetrics;

// Two arrow buttons side by side that step through the pages: left -1, right +1.
class PageArrows : public QWidget {
    Q_OBJECT
public:
    explicit PageArrows(QWidget* parent = nullptr);
    QToolButton* leftButton() const { return m_left; }
    QToolButton* rightButton() const { return m_right; }

signals:
    void step(int delta);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* m_left = nullptr;
    QToolButton* m_right = nullptr;
};

// A tab control whose tabs all have one fixed size.
class FixedTabWidget : public QTabWidget {
    Q_OBJECT
public:
    explicit FixedTabWidget(QWidget* parent = nullptr);
    void setTabSize(const QSize& size);
};

// How the two preview windows' panels differ.
struct PreviewPanelKind {
    QString actionName;    // the button that writes the pages out: object name ...
    QString actionCaption; // ... and caption
    bool printerLabel = false;
    bool copies = false;      // "Copies:" with its box and arrows, in " Options "
    bool graySquares = false; // "Gray squares" under the bottom margin
    int marginTop = 0;        // of the bottom-margin box, inside its group
    bool keyboardPaging = false;

    // "Make PDF...", black squares always black, the margin box 12 pixels lower.
    static PreviewPanelKind pdf();
    // "Print", the printer's name, copies, gray squares and Page Up / Page Down.
    static PreviewPanelKind print();
};

// The right-hand panel the print preview and PDF preview windows share, 208 pixels wide: the
// page arrows, the "Setup" tab (the pages and options), the "Customize" tab (fonts, the bottom
// margin, the title), "Redraw Preview", "Solution", the button that writes the pages out and
// "Close", with the progress bar shown after an output. Places are pixels at 96 dots an inch,
// scaled for the screen. The windows connect the buttons to their own handlers.
class PreviewPanel : public QWidget {
    Q_OBJECT
public:
    PreviewPanel(TIxvProcs& procs, const PreviewPanelKind& kind, QWidget* parent = nullptr);

    static constexpr int kWidth = 208;

    QProgressBar* PrintBar = nullptr;
    PageArrows* UpDown1 = nullptr;
    FixedTabWidget* PageControl1 = nullptr;
    QWidget* SetupPage = nullptr;
    QWidget* CustomPage = nullptr;
    QPushButton* RedrawBtn = nullptr;
    QLabel* PrinterLbl = nullptr; // print only
    QPushButton* SolBtn = nullptr;
    QPushButton* ActionBtn = nullptr; // MakePDFBtn or PrintBtn
    QPushButton* CloseBtn = nullptr;

    // "Setup"
    QGroupBox* PagesGroup = nullptr;
    QCheckBox* MSChk = nullptr;
    QCheckBox* MSGChk = nullptr;
    QCheckBox* NGChk = nullptr;
    QCheckBox* SGChk = nullptr;
    QCheckBox* PPChk = nullptr;
    QGroupBox* OptionsGroup = nullptr;
    QLabel* CopyLbl = nullptr;  // print only
    QSpinBox* CopyEd = nullptr; // print only; its arrows are CopyUpDn
    QCheckBox* SolOkChk = nullptr;

    // "Customize"
    QGroupBox* FontsGroup = nullptr;
    QPushButton* MsFontBtn = nullptr;
    QPushButton* PuzzPgFontBtn = nullptr;
    QCheckBox* ByChk = nullptr;
    QGroupBox* MarginGroup = nullptr;
    QSpinBox* MarginEd = nullptr; // its arrows are UpDown3
    QLabel* MarginLbl = nullptr;
    QCheckBox* GrayChk = nullptr; // print only
    QGroupBox* TitleGroup = nullptr;
    QLineEdit* TitleEd = nullptr;

    // What the window opens with: "Manuscript" and "Sol with Puzzle Page" checked, the title,
    // the "Setup" tab in front, the tabs each half the control's width.
    void resetChoices(const QString& title);
    // The choices as the composer reads them; the solution lines are the window's to add.
    ComposerOptions options() const;
    // Composes the chosen pages with the solution lines under a busy cursor. A failure is
    // reported in an error box over the window, and false is returned.
    bool compose(const QList<QByteArray>& solutionLines,
                 const std::function<void(const ComposerOptions&)>& composition);
    bool anyPageChosen() const;
    // The "Nothing to Redraw" warning when no page is chosen; false then.
    bool checkPagesChosen();
    // The font dialog started from the stored font; on confirmation the name, style, size and
    // colour are stored, in that order, and true is returned.
    bool chooseFont(const Settings::FontSettings& font);
    // Sizes the window holding the panel as wide as a Letter page as tall as the screen, plus
    // the panel, and as tall as the screen below one caption; moves it to just below the top
    // caption and, where it was placed to reach past the screen's right edge, left until it
    // fits.
    void placeWindow(const ScreenMetrics& screen);
    // After an output: the bar steps to full in ten steps of 25 ms, stays 750 ms, and hides.
    void runProgress();

signals:
    // Left and right arrow, and Page Up and Page Down where the window pages by keyboard.
    void pageStep(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildSetupPage();
    void buildCustomPage();
    QRect scaled(int x, int y, int w, int h) const;

    TIxvProcs& m_procs;
    PreviewPanelKind m_kind;
    bool m_keysWatched = false;
};
