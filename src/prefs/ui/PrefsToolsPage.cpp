// The Tools page: the command lines of the dictionary, the thesaurus and the maker's three
// sibling tools, each with a Browse button, and "Tools Always On Top".
#include "app/Dialogs.h"
#include "app/TIxvProcs.h"
#include "prefs/ui/PrefsPages.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// What Browse asks for each field: the dialog's title, the description of its filter and the
// name it proposes. The dialog lists every file: programs here have no extension of their own.
struct BrowseRequest {
    const char* title;
    const char* filter;
    const char* proposed;
};

QGroupBox* toolGroup(QWidget* parent) {
    auto* group = new QGroupBox(parent);
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(1, 1);
    return group;
}

} // namespace

PrefsToolsPage::PrefsToolsPage(TIxvProcs& procs, QWidget* parent)
    : PrefsPageWidget(parent), m_procs(procs) {
    auto* column = new QVBoxLayout(this);
    QGroupBox* words = toolGroup(this);
    QGroupBox* siblings = toolGroup(this);
    struct Row {
        QGroupBox* group;
        int row;
        const char* label;
        QLineEdit** edit;
        const char* editName;
        QPushButton** button;
        const char* buttonName;
    };
    const Row rows[] = {
        {words, 0, "Dictionary:", &DictPathEd, "DictPathEd", &DictPathBtn, "DictPathBtn"},
        {words, 1, "Thesaurus:", &ThesPathEd, "ThesPathEd", &ThesPathBtn, "ThesPathBtn"},
        {siblings, 0, "Saywell:", &QuotPathEd, "QuotPathEd", &CluePathBtn, "CluePathBtn"},
        {siblings, 1, "Jotwell:", &ScraPathEd, "ScraPathEd", &ScraPathBtn, "ScraPathBtn"},
        {siblings, 2, "Postrill:", &MailPathEd, "MailPathEd", &MailPathBtn, "MailPathBtn"},
    };
    for (const Row& row : rows) {
        auto* grid = static_cast<QGridLayout*>(row.group->layout());
        const int r = row.row;
        *row.edit = new QLineEdit(row.group);
        (*row.edit)->setObjectName(QLatin1String(row.editName));
        *row.button = new QPushButton(QStringLiteral("Browse..."), row.group);
        (*row.button)->setObjectName(QLatin1String(row.buttonName));
        QPushButton* button = *row.button;
        connect(button, &QPushButton::clicked, this,
                [this, button] { BrowseToolsBtnClick(button); });
        grid->addWidget(new QLabel(QString::fromLatin1(row.label), row.group), r, 0);
        grid->addWidget(*row.edit, r, 1);
        grid->addWidget(button, r, 2);
    }
    column->addWidget(words);
    column->addSpacing(6);
    column->addWidget(siblings);
    column->addSpacing(6);
    ToolTopChk = new QCheckBox(QStringLiteral("Tools Always On Top"), this);
    ToolTopChk->setObjectName(QStringLiteral("ToolTopChk"));
    column->addWidget(ToolTopChk);
    column->addStretch(1);
}

void PrefsToolsPage::showValues(const PreferenceValues& v) {
    DictPathEd->setText(v.dictPath);
    ThesPathEd->setText(v.thesPath);
    QuotPathEd->setText(v.quotPath);
    ScraPathEd->setText(v.scraPath);
    MailPathEd->setText(v.mailPath);
    ToolTopChk->setChecked(v.toolsOnTop);
}

void PrefsToolsPage::gather(PreferenceValues& v) const {
    v.dictPath = DictPathEd->text();
    v.thesPath = ThesPathEd->text();
    v.quotPath = QuotPathEd->text();
    v.scraPath = ScraPathEd->text();
    v.mailPath = MailPathEd->text();
    v.toolsOnTop = ToolTopChk->isChecked();
}

// The chosen program's full path replaces the field's text; nothing is stored until Save. A
// file that cannot be started as a program is refused.
void PrefsToolsPage::BrowseToolsBtnClick(QPushButton* sender) {
    BrowseRequest request{"Link Postrill", "Tamberlin Postrill", "Postrill"};
    QLineEdit* field = MailPathEd;
    if (sender == DictPathBtn) {
        request = {"Link Dictionary", "Dictionary Files", ""};
        field = DictPathEd;
    } else if (sender == ThesPathBtn) {
        request = {"Link Thesaurus", "Thesaurus Files", ""};
        field = ThesPathEd;
    } else if (sender == CluePathBtn) {
        request = {"Link Saywell", "Tamberlin Saywell", "Saywell"};
        field = QuotPathEd;
    } else if (sender == ScraPathBtn) {
        request = {"Link Jotwell", "Tamberlin Jotwell", "Jotbook"};
        field = ScraPathEd;
    }
    Dialogs::FileRequest open;
    open.title = QString::fromLatin1(request.title);
    open.fileName = QString::fromLatin1(request.proposed);
    open.filters = {QStringLiteral("%1 (*)").arg(QLatin1String(request.filter))};
    const QString chosen = m_procs.dialogs() ? m_procs.dialogs()->openFile(this, open) : QString();
    if (chosen.isEmpty())
        return;
    const QFileInfo program(chosen);
    if (!program.isFile() || !program.isExecutable()) {
        m_procs.ShowAttention(
            QStringLiteral("%1 is not a program that can be started.").arg(chosen), this);
        return;
    }
    field->setText(program.absoluteFilePath());
}
