// The View page: the colours and letter font of the puzzle grids, shown on a sample grid, and
// whether the main window keeps its own place on the desktop.
#include "prefs/GridSample.h"
#include "prefs/ui/PrefsPages.h"
#include "prefs/ui/PrefsWidgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* checkMark(QWidget* parent) {
    auto* mark = new QLabel(parent);
    mark->setFixedSize(16, 16);
    mark->setPixmap(QIcon(QStringLiteral(":/icons/prefs-check.svg")).pixmap(16, 16));
    // The boxes stay where they are whether or not a mark is shown.
    QSizePolicy policy = mark->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    mark->setSizePolicy(policy);
    return mark;
}

} // namespace

PrefsViewPage::PrefsViewPage(TIxvProcs& procs, QWidget* parent)
    : PrefsPageWidget(parent), m_procs(procs) {
    auto* row = new QHBoxLayout(this);
    PrefGrid = new SampleGrid(this);
    PrefGrid->setObjectName(QStringLiteral("PrefGrid"));
    row->addWidget(PrefGrid, 0, Qt::AlignTop);
    row->addSpacing(6);

    auto* right = new QVBoxLayout;
    ColorGrid1 = new ColorGrid(this);
    ColorGrid1->setObjectName(QStringLiteral("ColorGrid1"));
    const QString hint =
        QStringLiteral("Click mouse buttons here as explained in legend to select grid colors");
    ColorGrid1->setToolTip(hint);
    ColorGrid1->setStatusTip(hint);
    right->addWidget(ColorGrid1);
    right->addSpacing(6);

    auto* legend = new QGridLayout;
    legend->setHorizontalSpacing(6);
    const char* const labels[] = {
        "Left mouse button = letter square", "Right mouse button = filled square",
        "Ctrl+Right mouse button = highlight", "Ctrl+Left mouse button = first letter"};
    ColourSwatch** swatches[] = {&Shape1, &Shape2, &Shape3, &Shape4};
    for (int i = 0; i < 4; ++i) {
        *swatches[i] = new ColourSwatch(this);
        (*swatches[i])->setObjectName(QStringLiteral("Shape%1").arg(i + 1));
        legend->addWidget(*swatches[i], i, 0);
        legend->addWidget(new QLabel(QString::fromLatin1(labels[i]), this), i, 1);
    }
    right->addLayout(legend);
    right->addSpacing(10);

    FontBtn = new QPushButton(QStringLiteral("Set Grid Font..."), this);
    FontBtn->setObjectName(QStringLiteral("FontBtn"));
    connect(FontBtn, &QPushButton::clicked, this, &PrefsViewPage::FontBtnClick);
    right->addWidget(FontBtn, 0, Qt::AlignLeft);
    right->addStretch(1);

    DeskChk = new QCheckBox(QStringLiteral("Keep Desktop"), this);
    DeskChk->setObjectName(QStringLiteral("DeskChk"));
    DefDeskChk = new QCheckBox(QStringLiteral("Default Desktop"), this);
    DefDeskChk->setObjectName(QStringLiteral("DefDeskChk"));
    ck1 = checkMark(this);
    ck1->setObjectName(QStringLiteral("ck1"));
    ck2 = checkMark(this);
    ck2->setObjectName(QStringLiteral("ck2"));
    auto* desk = new QGridLayout;
    desk->addWidget(DeskChk, 0, 0);
    desk->addWidget(ck1, 0, 1);
    desk->addWidget(DefDeskChk, 1, 0);
    desk->addWidget(ck2, 1, 1);
    desk->setColumnStretch(2, 1);
    right->addLayout(desk);
    connect(DeskChk, &QCheckBox::clicked, this, &PrefsViewPage::DeskChkClick);
    connect(DefDeskChk, &QCheckBox::clicked, this, &PrefsViewPage::DefDeskChkClick);
    connect(ColorGrid1, &ColorGrid::mouseUp, this, &PrefsViewPage::ColorGrid1MouseUp);

    row->addLayout(right, 1);
}

void PrefsViewPage::showValues(const PreferenceValues& v) {
    PrefGrid->filled = v.filledColor;
    PrefGrid->blank = v.blankColor;
    PrefGrid->hilite = v.hiliteColor;
    PrefGrid->initial = v.initialColor;
    PrefGrid->font = v.gridFont;
    m_desktopStored = v.desktopStored;
    DeskChk->setChecked(v.keepDesktop);
    DefDeskChk->setChecked(v.defaultDesktop);
    showSwatches();
    showMarks();
}

void PrefsViewPage::gather(PreferenceValues& v) const {
    v.filledColor = PrefGrid->filled;
    v.blankColor = PrefGrid->blank;
    v.hiliteColor = PrefGrid->hilite;
    v.initialColor = PrefGrid->initial;
    v.gridFont = PrefGrid->font;
    v.desktopStored = m_desktopStored;
    v.keepDesktop = DeskChk->isChecked();
    v.defaultDesktop = DefDeskChk->isChecked();
}

void PrefsViewPage::showSwatches() {
    Shape1->setColour(PrefGrid->blank);
    Shape2->setColour(PrefGrid->filled);
    Shape3->setColour(PrefGrid->hilite);
    Shape4->setColour(PrefGrid->initial);
    PrefGrid->update();
}

void PrefsViewPage::showMarks() {
    PreferenceValues v;
    gather(v);
    ck1->setVisible(v.keepMarked());
    ck2->setVisible(v.defaultMarked());
}

void PrefsViewPage::ColorGrid1MouseUp(Qt::MouseButton released, Qt::KeyboardModifiers modifiers,
                                      Qt::MouseButtons stillHeld) {
    const auto target = Palette::targetOf(released, modifiers, stillHeld);
    if (!target)
        return;
    const quint32 colour = Palette::colour(ColorGrid1->lastPressed());
    switch (*target) {
    case Palette::Target::Blank:
        PrefGrid->blank = colour;
        break;
    case Palette::Target::Filled:
        PrefGrid->filled = colour;
        break;
    case Palette::Target::Hilite:
        PrefGrid->hilite = colour;
        break;
    case Palette::Target::Initial:
        PrefGrid->initial = colour;
        break;
    }
    showSwatches();
}

// The sample grid is repainted whether or not a font was chosen.
void PrefsViewPage::FontBtnClick() {
    chooseFont(m_procs, this, PrefGrid->font);
    PrefGrid->update();
}

void PrefsViewPage::DeskChkClick() {
    DefDeskChk->setChecked(!DeskChk->isChecked());
    showMarks();
}

void PrefsViewPage::DefDeskChkClick() {
    DeskChk->setChecked(!DefDeskChk->isChecked());
    showMarks();
}
