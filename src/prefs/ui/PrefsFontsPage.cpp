// The Fonts page: the fonts of the clue editing window's field and list, each on a sample.
#include "app/TIxvProcs.h"
#include "prefs/ui/PrefsPages.h"
#include "prefs/ui/PrefsWidgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

PrefsFontsPage::PrefsFontsPage(TIxvProcs& procs, QWidget* parent)
    : PrefsPageWidget(parent), m_procs(procs) {
    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(0, 1);
    grid->setVerticalSpacing(4);

    PrefAutoEd = new FontSampleEdit(this);
    PrefAutoEd->setObjectName(QStringLiteral("PrefAutoEd"));
    PrefAutoEd->setText(QStringLiteral("Ixenvar acrostic definition"));
    AutoFontBtn = new QPushButton(QStringLiteral("Set Font..."), this);
    AutoFontBtn->setObjectName(QStringLiteral("AutoFontBtn"));
    connect(AutoFontBtn, &QPushButton::clicked, this, &PrefsFontsPage::AutoFontBtnClick);

    PrefDefsEd = new FontSampleList(
        [&procs](int height) { return procs.ScaleToPixelsPerInch(height); }, this);
    PrefDefsEd->setObjectName(QStringLiteral("PrefDefsEd"));
    for (char letter = 'A'; letter <= 'M'; ++letter)
        PrefDefsEd->addItem(QStringLiteral("%1. Acrostic definition | IXENVAR").arg(letter));
    DefsFontBtn = new QPushButton(QStringLiteral("Set Font..."), this);
    DefsFontBtn->setObjectName(QStringLiteral("DefsFontBtn"));
    connect(DefsFontBtn, &QPushButton::clicked, this, &PrefsFontsPage::DefsFontBtnClick);

    grid->addWidget(new QLabel(QStringLiteral("Autoclue:"), this), 0, 0, 1, 2);
    grid->addWidget(PrefAutoEd, 1, 0);
    grid->addWidget(AutoFontBtn, 1, 1, Qt::AlignTop);
    grid->setRowMinimumHeight(2, 4);
    grid->addWidget(new QLabel(QStringLiteral("Clue Listings:"), this), 3, 0, 1, 2);
    grid->addWidget(PrefDefsEd, 4, 0);
    grid->addWidget(DefsFontBtn, 4, 1, Qt::AlignTop);
    grid->setRowStretch(4, 1);
}

void PrefsFontsPage::showValues(const PreferenceValues& v) {
    PrefAutoEd->setFontValue(v.autoFont);
    PrefDefsEd->setFontValue(v.defsFont);
    PrefDefsEd->setItemHeight(v.defsItemHeight);
}

void PrefsFontsPage::gather(PreferenceValues& v) const {
    v.autoFont = PrefAutoEd->fontValue();
    v.defsFont = PrefDefsEd->fontValue();
    v.defsItemHeight = PrefDefsEd->itemHeight();
}

void PrefsFontsPage::AutoFontBtnClick() {
    FontValue font = PrefAutoEd->fontValue();
    if (chooseFont(m_procs, this, font))
        PrefAutoEd->setFontValue(font);
}

// A confirmed font also gives the list its item height.
void PrefsFontsPage::DefsFontBtnClick() {
    FontValue font = PrefDefsEd->fontValue();
    if (!chooseFont(m_procs, this, font))
        return;
    PrefDefsEd->setFontValue(font);
    PrefDefsEd->setItemHeight(Preferences::itemHeightFor(font.size));
}
