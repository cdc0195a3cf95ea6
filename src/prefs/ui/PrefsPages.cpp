// The General, Print and Language pages of the preferences, and the font choosing shared by
// the View and Fonts pages.
#include "prefs/ui/PrefsPages.h"

#include "app/Dialogs.h"
#include "app/TIxvProcs.h"
#include "prefs/ui/PrefsWidgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

bool chooseFont(TIxvProcs& procs, QWidget* parent, FontValue& font) {
    Dialogs::FontChoice choice{font.toQFont(), font.colour};
    if (!procs.dialogs() || !procs.dialogs()->chooseFont(parent, choice))
        return false;
    font = FontValue::fromQFont(choice.font, choice.colour);
    return true;
}

namespace {
QCheckBox* checkBox(const char* name, const char* text, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromLatin1(text), parent);
    box->setObjectName(QLatin1String(name));
    return box;
}
} // namespace

PrefsGeneralPage::PrefsGeneralPage(QWidget* parent) : PrefsPageWidget(parent) {
    auto* column = new QVBoxLayout(this);

    auto* history = new QGroupBox(QStringLiteral(" Limit History To "), this);
    auto* historyRow = new QHBoxLayout(history);
    RadioEd = new QLineEdit(QStringLiteral("20"), history);
    RadioEd->setObjectName(QStringLiteral("RadioEd"));
    RadioEd->setReadOnly(true);
    RadioEd->setFixedWidth(48);
    UpDown1 = new HorizontalUpDown(RadioEd, Preferences::kHistoryMinimum,
                                   Preferences::kHistoryMaximum, history);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    historyRow->addWidget(RadioEd);
    historyRow->addWidget(UpDown1);
    historyRow->addStretch(1);

    CopyClipRadio =
        new RadioGroup(QStringLiteral(" Copy to Clipboard Default "),
                       {QStringLiteral("Solving Grid"), QStringLiteral("Puzzle Clues"),
                        QStringLiteral("Solution Grid"), QStringLiteral("Manuscript Grid")},
                       2, this);
    CopyClipRadio->setObjectName(QStringLiteral("CopyClipRadio"));

    auto* top = new QHBoxLayout;
    top->addWidget(history);
    top->addWidget(CopyClipRadio, 1);
    column->addLayout(top);
    column->addSpacing(8);

    HyphensChk = checkBox("HyphensChk", "Show hyphens and apostrophes", this);
    PencilChk = checkBox("PencilChk", "Display pencil image cursor in puzzle grid", this);
    MessageChk = checkBox("MessageChk", "Sound effects enabled with messages", this);
    LastEdChk = checkBox("LastEdChk", "On launch always open last edited puzzle", this);
    SlideWinChk = checkBox("SlideWinChk", "Sliding tool windows", this);
    for (QCheckBox* box : {HyphensChk, PencilChk, MessageChk, LastEdChk, SlideWinChk})
        column->addWidget(box);
    column->addStretch(1);
}

void PrefsGeneralPage::showValues(const PreferenceValues& v) {
    MessageChk->setChecked(v.playSounds);
    PencilChk->setChecked(v.useCursors);
    HyphensChk->setChecked(v.allowHyph);
    LastEdChk->setChecked(v.openLastEdit);
    RadioEd->setText(QString::number(v.historyMaximum));
    CopyClipRadio->setItemIndex(v.clipOption);
    SlideWinChk->setChecked(v.slideOn);
}

void PrefsGeneralPage::gather(PreferenceValues& v) const {
    v.playSounds = MessageChk->isChecked();
    v.useCursors = PencilChk->isChecked();
    v.allowHyph = HyphensChk->isChecked();
    v.openLastEdit = LastEdChk->isChecked();
    v.historyMaximum = RadioEd->text().toInt();
    v.clipOption = CopyClipRadio->itemIndex();
    v.slideOn = SlideWinChk->isChecked();
}

PrefsPrintPage::PrefsPrintPage(QWidget* parent) : PrefsPageWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(1, 1);
    const auto edit = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        return e;
    };
    NameEd = edit("NameEd");
    Add1Ed = edit("Add1Ed");
    Add2Ed = edit("Add2Ed");
    Add3Ed = edit("Add3Ed");
    Add4Ed = edit("Add4Ed");
    grid->addWidget(new QLabel(QStringLiteral("Name:"), this), 0, 0);
    grid->addWidget(NameEd, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Address:"), this), 1, 0);
    grid->addWidget(Add1Ed, 1, 1);
    grid->addWidget(Add2Ed, 2, 1);
    grid->addWidget(Add3Ed, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Other:"), this), 4, 0);
    grid->addWidget(Add4Ed, 4, 1);
    grid->setRowMinimumHeight(5, 8);

    PapersRadio = new RadioGroup(QStringLiteral(" Paper Size "),
                                 {QStringLiteral("Letter"), QStringLiteral("A4")}, 1, this);
    PapersRadio->setObjectName(QStringLiteral("PapersRadio"));
    grid->addWidget(PapersRadio, 6, 1, Qt::AlignLeft);
    grid->setRowStretch(7, 1);
}

void PrefsPrintPage::showValues(const PreferenceValues& v) {
    NameEd->setText(v.name);
    Add1Ed->setText(v.address[0]);
    Add2Ed->setText(v.address[1]);
    Add3Ed->setText(v.address[2]);
    Add4Ed->setText(v.address[3]);
    PapersRadio->setItemIndex(v.paper);
}

void PrefsPrintPage::gather(PreferenceValues& v) const {
    v.name = NameEd->text();
    v.address = {Add1Ed->text(), Add2Ed->text(), Add3Ed->text(), Add4Ed->text()};
    v.paper = PapersRadio->itemIndex();
}

PrefsLanguagePage::PrefsLanguagePage(QWidget* parent) : PrefsPageWidget(parent) {
    auto* column = new QVBoxLayout(this);
    LangGroup = new RadioGroup(
        QString(),
        {QStringLiteral("English"), QStringLiteral("French"), QStringLiteral("Spanish"),
         QStringLiteral("Italian"), QStringLiteral("German"), QStringLiteral("Swedish"),
         QStringLiteral("Norwegian"), QStringLiteral("Danish"), QStringLiteral("Multilingual")},
        2, this);
    LangGroup->setObjectName(QStringLiteral("LangGroup"));
    column->addWidget(LangGroup);
    column->addStretch(1);
}

void PrefsLanguagePage::showValues(const PreferenceValues& v) {
    LangGroup->setItemIndex(v.language);
}

void PrefsLanguagePage::gather(PreferenceValues& v) const {
    v.language = LangGroup->itemIndex();
}
