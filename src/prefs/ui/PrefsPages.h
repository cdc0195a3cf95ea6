#pragma once

#include "prefs/PreferenceValues.h"

#include <QWidget>

class ColorGrid;
class ColourSwatch;
class FontSampleEdit;
class FontSampleList;
class HorizontalUpDown;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RadioGroup;
class SampleGrid;
class TIxvProcs;

// A page of the preferences: it shows its part of the values and gathers it back from its
// controls.
class PrefsPageWidget : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    virtual void showValues(const PreferenceValues& v) = 0;
    virtual void gather(PreferenceValues& v) const = 0;
};

class PrefsGeneralPage : public PrefsPageWidget {
    Q_OBJECT
public:
    explicit PrefsGeneralPage(QWidget* parent = nullptr);
    void showValues(const PreferenceValues& v) override;
    void gather(PreferenceValues& v) const override;

    QLineEdit* RadioEd = nullptr;
    HorizontalUpDown* UpDown1 = nullptr;
    RadioGroup* CopyClipRadio = nullptr;
    QCheckBox* HyphensChk = nullptr;
    QCheckBox* PencilChk = nullptr;
    QCheckBox* MessageChk = nullptr;
    QCheckBox* LastEdChk = nullptr;
    QCheckBox* SlideWinChk = nullptr;
};

class PrefsViewPage : public PrefsPageWidget {
    Q_OBJECT
public:
    PrefsViewPage(TIxvProcs& procs, QWidget* parent = nullptr);
    void showValues(const PreferenceValues& v) override;
    void gather(PreferenceValues& v) const override;

    void ColorGrid1MouseUp(Qt::MouseButton released, Qt::KeyboardModifiers modifiers,
                           Qt::MouseButtons stillHeld);
    void FontBtnClick();
    void DeskChkClick();
    void DefDeskChkClick();

    SampleGrid* PrefGrid = nullptr;
    ColorGrid* ColorGrid1 = nullptr;
    ColourSwatch* Shape1 = nullptr; // letter squares
    ColourSwatch* Shape2 = nullptr; // filled squares
    ColourSwatch* Shape3 = nullptr; // highlight
    ColourSwatch* Shape4 = nullptr; // first letters
    QPushButton* FontBtn = nullptr;
    QCheckBox* DeskChk = nullptr;
    QCheckBox* DefDeskChk = nullptr;
    QLabel* ck1 = nullptr; // marks "Keep Desktop"
    QLabel* ck2 = nullptr; // marks "Default Desktop"

private:
    void showSwatches();
    void showMarks();

    TIxvProcs& m_procs;
    bool m_desktopStored = false;
};

class PrefsPrintPage : public PrefsPageWidget {
    Q_OBJECT
public:
    explicit PrefsPrintPage(QWidget* parent = nullptr);
    void showValues(const PreferenceValues& v) override;
    void gather(PreferenceValues& v) const override;

    QLineEdit* NameEd = nullptr;
    QLineEdit* Add1Ed = nullptr;
    QLineEdit* Add2Ed = nullptr;
    QLineEdit* Add3Ed = nullptr;
    QLineEdit* Add4Ed = nullptr;
    RadioGroup* PapersRadio = nullptr;
};

class PrefsToolsPage : public PrefsPageWidget {
    Q_OBJECT
public:
    PrefsToolsPage(TIxvProcs& procs, QWidget* parent = nullptr);
    void showValues(const PreferenceValues& v) override;
    void gather(PreferenceValues& v) const override;
    // One handler for the five Browse buttons, told apart by the sender.
    void BrowseToolsBtnClick(QPushButton* sender);

    QLineEdit* DictPathEd = nullptr;
    QPushButton* DictPathBtn = nullptr;
    QLineEdit* ThesPathEd = nullptr;
    QPushButton* ThesPathBtn = nullptr;
    QLineEdit* QuotPathEd = nullptr;
    QPushButton* CluePathBtn = nullptr;
    QLineEdit* ScraPathEd = nullptr;
    QPushButton* ScraPathBtn = nullptr;
    QLineEdit* MailPathEd = nullptr;
    QPushButton* MailPathBtn = nullptr;
    QCheckBox* ToolTopChk = nullptr;

private:
    TIxvProcs& m_procs;
};

class PrefsFontsPage : public PrefsPageWidget {
    Q_OBJECT
public:
    PrefsFontsPage(TIxvProcs& procs, QWidget* parent = nullptr);
    void showValues(const PreferenceValues& v) override;
    void gather(PreferenceValues& v) const override;
    void AutoFontBtnClick();
    void DefsFontBtnClick();

    FontSampleEdit* PrefAutoEd = nullptr;
    QPushButton* AutoFontBtn = nullptr;
    FontSampleList* PrefDefsEd = nullptr;
    QPushButton* DefsFontBtn = nullptr;

private:
    TIxvProcs& m_procs;
};

class PrefsLanguagePage : public PrefsPageWidget {
    Q_OBJECT
public:
    explicit PrefsLanguagePage(QWidget* parent = nullptr);
    void showValues(const PreferenceValues& v) override;
    void gather(PreferenceValues& v) const override;

    RadioGroup* LangGroup = nullptr;
};

// Runs the font dialog on a font being chosen; true when the user confirmed.
bool chooseFont(TIxvProcs& procs, QWidget* parent, FontValue& font);
