#include "prefs/ui/TIxv7PreferencesForm.h"

#include "app/AppTitle.h"
#include "app/Dialogs.h"
#include "app/TIxvProcs.h"
#include "base/Errors.h"
#include "prefs/SettingsBackup.h"
#include "prefs/ui/PrefsPages.h"
#include "prefs/ui/PrefsWidgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kClientWidth = 498;
constexpr int kClientHeight = 464;
constexpr int kBorder = 8;
} // namespace

TIxv7PreferencesForm::TIxv7PreferencesForm(TIxvProcs& procs, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_procs(procs) {
    setObjectName(QStringLiteral("TIxv7PreferencesForm"));
    setWindowTitle(QStringLiteral("Preferences"));
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    setFont(font);
    setFixedSize(kClientWidth, kClientHeight);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kBorder, kBorder, kBorder, kBorder);
    buildPageBar();
    column->addWidget(PrefTools);

    pages = new QStackedWidget(this);
    GeneralPage = new PrefsGeneralPage(pages);
    ViewPage = new PrefsViewPage(procs, pages);
    PrintPage = new PrefsPrintPage(pages);
    ToolsPage = new PrefsToolsPage(procs, pages);
    FontsPage = new PrefsFontsPage(procs, pages);
    LanguagePage = new PrefsLanguagePage(pages);
    m_pages = {GeneralPage, ViewPage, PrintPage, ToolsPage, FontsPage, LanguagePage};
    for (PrefsPageWidget* page : m_pages)
        pages->addWidget(page);
    column->addWidget(pages, 1);

    buildButtons();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(DefaultsBtn);
    bottom->addStretch(1);
    bottom->addWidget(CancelBtn);
    bottom->addWidget(SaveBtn);
    bottom->addWidget(BackupBtn);
    column->addLayout(bottom);
}

void TIxv7PreferencesForm::buildPageBar() {
    PrefTools = new QWidget(this);
    PrefTools->setObjectName(QStringLiteral("PrefTools"));
    auto* row = new QHBoxLayout(PrefTools);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto* group = new QButtonGroup(PrefTools);
    struct Page {
        QToolButton** button;
        const char* name;
        const char* caption;
        const char* icon;
    };
    const Page bar[] = {
        {&PrefGeneralBtn, "PrefGeneralBtn", "     General      ", "prefs-general"},
        {&PrefViewBtn, "PrefViewBtn", "View", "prefs-view"},
        {&PrefPrintBtn, "PrefPrintBtn", "Print", "prefs-print"},
        {&PrefToolsBtn, "PrefToolsBtn", "Tools", "prefs-tools"},
        {&PrefFontsBtn, "PrefFontsBtn", "Fonts", "prefs-fonts"},
        {&PrefLanguageBtn, "PrefLanguageBtn", "Language", "prefs-language"},
    };
    for (const Page& page : bar) {
        auto* button = new QToolButton(PrefTools);
        button->setObjectName(QLatin1String(page.name));
        button->setText(QString::fromLatin1(page.caption));
        button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(page.icon))));
        button->setIconSize(QSize(32, 32));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setFixedSize(77, 52);
        group->addButton(button, int(m_pageButtons.size()));
        row->addWidget(button);
        m_pageButtons << button;
        *page.button = button;
    }
    row->addStretch(1);
    connect(group, &QButtonGroup::idClicked, this, &TIxv7PreferencesForm::ToolBtnClick);
}

void TIxv7PreferencesForm::buildButtons() {
    const auto button = [this](const char* name, const char* text) {
        auto* b = new QPushButton(QString::fromLatin1(text), this);
        b->setObjectName(QLatin1String(name));
        // Enter in a field presses nothing: Save and Defaults act only when clicked.
        b->setAutoDefault(false);
        return b;
    };
    DefaultsBtn = button("DefaultsBtn", "Defaults");
    CancelBtn = button("CancelBtn", "Cancel");
    SaveBtn = button("SaveBtn", "Save");
    BackupBtn = button("BackupBtn", "Backup");
    connect(DefaultsBtn, &QPushButton::clicked, this, &TIxv7PreferencesForm::DefaultsBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(SaveBtn, &QPushButton::clicked, this, &TIxv7PreferencesForm::SaveBtnClick);
    connect(BackupBtn, &QPushButton::clicked, this, &TIxv7PreferencesForm::BackupBtnClick);
}

int TIxv7PreferencesForm::ShowModal() {
    FormShow();
    return exec();
}

void TIxv7PreferencesForm::FormShow() {
    PrefGeneralBtn->setChecked(true);
    ToolBtnClick(0);
    ViewPage->PrefGrid->squareSize = SquareSize;
    m_loaded = Preferences::load(m_procs);
    showValues(m_loaded);
}

void TIxv7PreferencesForm::showValues(const PreferenceValues& v) {
    for (PrefsPageWidget* page : m_pages)
        page->showValues(v);
}

void TIxv7PreferencesForm::ToolBtnClick(int index) {
    pages->setCurrentIndex(index);
}

PreferenceValues TIxv7PreferencesForm::values() const {
    PreferenceValues v = m_loaded;
    for (const PrefsPageWidget* page : m_pages)
        page->gather(v);
    return v;
}

bool TIxv7PreferencesForm::keepDesktopChecked() const {
    return ViewPage->DeskChk->isChecked();
}

QList<QLineEdit*> TIxv7PreferencesForm::textFields() const {
    return {PrintPage->NameEd,     PrintPage->Add1Ed,     PrintPage->Add2Ed,
            PrintPage->Add3Ed,     PrintPage->Add4Ed,     ToolsPage->DictPathEd,
            ToolsPage->ThesPathEd, ToolsPage->QuotPathEd, ToolsPage->ScraPathEd,
            ToolsPage->MailPathEd};
}

// Only the page showing gets its defaults; the other pages keep what they hold.
void TIxv7PreferencesForm::DefaultsBtnClick() {
    PreferenceValues v = values();
    const auto page = static_cast<PrefsPage>(pages->currentIndex());
    try {
        Preferences::defaults(page, v, m_procs);
    } catch (const IxvError& e) {
        reportFailure(e.message());
        return;
    }
    m_pages[pages->currentIndex()]->showValues(v);
}

// A store that cannot be written keeps the dialog open with what the user chose, so that the
// save can be tried again or cancelled.
void TIxv7PreferencesForm::SaveBtnClick() {
    try {
        Preferences::save(m_procs, values());
    } catch (const IxvError& e) {
        reportFailure(e.message());
        return;
    }
    accept();
}

void TIxv7PreferencesForm::BackupBtnClick() {
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Backup Preferences");
    request.fileName = QLatin1String(SettingsBackup::kProposedName);
    request.defaultSuffix = QStringLiteral("reg");
    request.filters = {QStringLiteral("Registration Entry Files (*.reg)")};
    request.confirmOverwrite = false;
    const QString file = m_procs.dialogs() ? m_procs.dialogs()->saveFile(this, request) : QString();
    if (!file.isEmpty())
        ExportSettingsFile(file);
}

void TIxv7PreferencesForm::ExportSettingsFile(const QString& fileName) {
    try {
        SettingsBackup::ExportSettingsFile(m_procs.store(), fileName);
    } catch (const IxvError& e) {
        reportFailure(e.message());
    }
}

void TIxv7PreferencesForm::reportFailure(const QString& text) {
    if (m_procs.dialogs())
        m_procs.dialogs()->error(this, applicationTitle(), text);
}
