// The preferences dialog driven as a user drives it: what it shows, Defaults, Save, Browse and
// Backup, and the failures of each.
#include "ScriptedDialogs.h"
#include "TestEnv.h"
#include "TestFiles.h"
#include "TestPuzzles.h"
#include "base/Errors.h"
#include "base/WindowFonts.h"
#include "prefs/ui/PrefsPages.h"
#include "prefs/ui/PrefsWidgets.h"
#include "prefs/ui/TIxv7PreferencesForm.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

namespace {

QFont font(const char* family, int points, bool bold = false, bool underline = false) {
    QFont f(QString::fromLatin1(family));
    f.setPointSize(points);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

} // namespace

class Tst_PreferencesForm : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    ScriptedDialogs dialogs;
    RecordingSounds sounds;
    std::unique_ptr<TIxvProcs> procs;
    std::unique_ptr<TIxv7PreferencesForm> form;

    void store(const QString& name, const SettingValue& value) { procs->WriteSetting(name, value); }
    std::optional<StoredSetting> stored(const char* name) const {
        return procs->store().find(QLatin1String(name));
    }
    QString storedText(const char* name) const {
        const auto s = stored(name);
        return s ? s->text : QStringLiteral("(absent)");
    }
    void open() {
        form = std::make_unique<TIxv7PreferencesForm>(*procs);
        form->SquareSize = procs->DefaultSquareSize();
        form->FormShow();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get(), TestEnv::kEventWaitMs));
    }
    // On its box for a check box or radio button, which may be wider than its text.
    void click(QAbstractButton* button) {
        QVERIFY(button->isVisible());
        const bool box = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
        QTest::mouseClick(button, Qt::LeftButton, {},
                          box ? QPoint(6, button->height() / 2) : button->rect().center());
    }
    void showPage(int index) {
        click(findPageButton(index));
        QCOMPARE(form->pages->currentIndex(), index);
    }
    QToolButton* findPageButton(int index) const {
        return QList<QToolButton*>{
            form->PrefGeneralBtn, form->PrefViewBtn,  form->PrefPrintBtn,
            form->PrefToolsBtn,   form->PrefFontsBtn, form->PrefLanguageBtn}[index];
    }
    void save() {
        click(form->SaveBtn);
        QCOMPARE(form->result(), int(QDialog::Accepted));
    }
    // A palette cell pressed and released with the button and keys given.
    void paletteClick(int cell, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
        ColorGrid* palette = form->ViewPage->ColorGrid1;
        const QPoint at = palette->cellRect(cell).center();
        QTest::mousePress(palette, button, modifiers, at);
        QTest::mouseRelease(palette, button, modifiers, at);
    }
    // The user changes something on every page.
    void changeEveryPage() {
        click(form->GeneralPage->UpDown1->downButton());
        click(form->GeneralPage->CopyClipRadio->item(2));
        click(form->GeneralPage->PencilChk);
        click(form->GeneralPage->SlideWinChk);
        showPage(1);
        paletteClick(6, Qt::RightButton, {});
        dialogs.fonts << Dialogs::FontChoice{font("Liberation Serif", 14, true, true), 0x000080};
        click(form->ViewPage->FontBtn);
        click(form->ViewPage->DefDeskChk);
        showPage(2);
        form->PrintPage->NameEd->clear();
        QTest::keyClicks(form->PrintPage->NameEd, "Ann Setter");
        click(form->PrintPage->PapersRadio->item(1));
        showPage(3);
        QTest::keyClicks(form->ToolsPage->DictPathEd, "/usr/bin/dict");
        QTest::keyClicks(form->ToolsPage->QuotPathEd, "saywell --quote");
        showPage(4);
        dialogs.fonts << Dialogs::FontChoice{font("DejaVu Sans", 20), 0x0000FF};
        click(form->FontsPage->DefsFontBtn);
        showPage(5);
        click(form->LanguagePage->LangGroup->item(4));
    }
    QString executable(const QString& name) const {
        const QString path = dir->filePath(name);
        writeBytes(path, "#!/bin/sh\n");
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
        return path;
    }

private slots:
    void initTestCase() { WindowFonts::installSubstitutions(); }

    void init() {
        dir = std::make_unique<QTemporaryDir>();
        dialogs = ScriptedDialogs();
        sounds.played.clear();
        procs = freshProcs(&dialogs, &sounds);
    }
    void cleanup() {
        form.reset();
        procs.reset();
        QVERIFY2(dialogs.unexpected.isEmpty(), qPrintable(dialogs.unexpected.join(" | ")));
    }

    // The controls show what loading reads; a few controls are checked directly so that a
    // fault in both directions of the form's mapping cannot hide.
    void emptyStoreShowsTheLoadedValues() {
        open();
        QCOMPARE(form->values(), Preferences::load(*procs));
        const PrefsGeneralPage& g = *form->GeneralPage;
        QCOMPARE(g.CopyClipRadio->item(g.CopyClipRadio->itemIndex())->text(),
                 QStringLiteral("Manuscript Grid"));
        QCOMPARE(form->ViewPage->Shape3->colour(), quint32(0x00FFFF));
        QCOMPARE(form->PrintPage->Add1Ed->text(), QStringLiteral("100 Crossword Lane"));
        QCOMPARE(form->FontsPage->PrefAutoEd->font().pointSize(), 12);
    }

    // Defaults acts on the page showing: its controls change, every other page keeps what the
    // user had set.
    void defaultsOnThePageShowing_data() {
        QTest::addColumn<int>("page");
        int page = 0;
        for (const char* name : {"General", "View", "Print", "Tools", "Fonts", "Language"})
            QTest::newRow(name) << page++;
    }
    void defaultsOnThePageShowing() {
        QFETCH(int, page);
        store("Name", SettingValue::text("Stored Name"));
        store("DictPath", SettingValue::text("/stored/dict"));
        open();
        changeEveryPage();
        const PreferenceValues before = form->values();
        showPage(page);
        click(form->DefaultsBtn);
        QVERIFY(form->values() != before);
        PreferenceValues expected = before;
        Preferences::defaults(PrefsPage(page), expected, *procs);
        QCOMPARE(form->values(), expected);
        QVERIFY(form->isVisible());
    }

    // Save stores what the controls hold (the order and the untouched values are checked
    // without a window).
    void saveStoresTheControls() {
        open();
        changeEveryPage();
        save();
        QCOMPARE(stored("HistoryMaximum")->integer, 19);
        QCOMPARE(stored("DefClipOption")->integer, 2);
        QCOMPARE(stored("UseCursors")->integer, 1);
        QCOMPARE(stored("SlideOn")->integer, 0);
        QCOMPARE(storedText("FilledSqColor"), QStringLiteral("clTeal"));
        QCOMPARE(storedText("FontColor"), QStringLiteral("clMaroon"));
        QCOMPARE(storedText("FontName"), QStringLiteral("Liberation Serif"));
        QCOMPARE(stored("FontStyle")->integer, 5); // bold and underline
        QCOMPARE(stored("UserDesktop")->integer, 0);
        QCOMPARE(storedText("DictPath"), QStringLiteral("/usr/bin/dict"));
        QCOMPARE(stored("GridLanguage")->integer, 4);
        QCOMPARE(storedText("Name"), QStringLiteral("Ann Setter"));
        QCOMPARE(stored("PaperSize")->integer, 1);
        QCOMPARE(storedText("QuotPath"), QStringLiteral("saywell --quote"));
        QCOMPARE(storedText("DefsFontName"), QStringLiteral("DejaVu Sans"));
    }

    // Each Browse button fills its own field with a program.
    void browse_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        for (const char* pair :
             {"DictPathBtn DictPathEd", "ThesPathBtn ThesPathEd", "CluePathBtn QuotPathEd",
              "ScraPathBtn ScraPathEd", "MailPathBtn MailPathEd"})
            QTest::newRow(pair) << QString(pair).section(' ', 0, 0)
                                << QString(pair).section(' ', 1);
    }
    void browse() {
        QFETCH(QString, button);
        QFETCH(QString, field);
        open();
        showPage(3);
        auto* browse = form->findChild<QPushButton*>(button);
        auto* edit = form->findChild<QLineEdit*>(field);
        const QString program = executable("my tool");
        dialogs.files << program;
        click(browse);
        QCOMPARE(edit->text(), program);
        QCOMPARE(dialogs.fileRequests.value(0).defaultSuffix, QString()); // no ".exe"
        QCOMPARE(procs->store().list().size(), 0); // nothing stored until Save

        // A file that is no program, and a cancelled dialog, leave the field as it was.
        const QString text = dir->filePath("notes.txt");
        QVERIFY(writeBytes(text, "notes"));
        dialogs.files << text << QString();
        click(browse);
        click(browse);
        QCOMPARE(edit->text(), program);
        QCOMPARE(dialogs.texts().filter(QStringLiteral("is not a program")),
                 QStringList{text + " is not a program that can be started."});
        QCOMPARE(sounds.played, QStringList{"attention"});
    }

    // Backup writes what is stored, not the dialog's unsaved state, and the dialog stays open.
    void backupWritesWhatIsStored() {
        store("Name", SettingValue::text("Stored Name"));
        store("FontSize", SettingValue::integer(11));
        open();
        showPage(2);
        form->PrintPage->NameEd->setText(QStringLiteral("Unsaved Name"));
        const QString out = dir->filePath("prefs.reg");
        QVERIFY(writeBytes(out, "old"));
        dialogs.files << out;
        click(form->BackupBtn);
        QCOMPARE(dialogs.fileRequests.value(0).defaultSuffix, QStringLiteral("reg"));
        QVERIFY(readBytes(out).endsWith("]\r\n\"Name\"=\"Stored Name\"\r\n"
                                        "\"FontSize\"=dword:0000000b\r\n\r\n"));
        QVERIFY(form->isVisible());
        QCOMPARE(form->PrintPage->NameEd->text(), QStringLiteral("Unsaved Name"));
    }

    void backupThatCannotBeWrittenIsReported() {
        open();
        const QString out = dir->filePath("missing/prefs.reg");
        dialogs.files << out;
        click(form->BackupBtn);
        QCOMPARE(dialogs.shown.last().kind, QStringLiteral("error"));
        QVERIFY(dialogs.shown.last().text.startsWith(out + ": "));
        QVERIFY(form->isVisible());
    }

    // A colour that cannot be read stops the loading before the dialog shows, so that Save
    // cannot store half-loaded values.
    void unreadableSettingShowsNoDialog() {
        store("DictPath", SettingValue::text("/usr/bin/dict"));
        store("BlankSqColor", SettingValue::text("sky"));
        form = std::make_unique<TIxv7PreferencesForm>(*procs);
        QVERIFY_THROWS_EXCEPTION(ColourConversionError, form->ShowModal());
        QVERIFY(!form->isVisible());
        QCOMPARE(storedText("DictPath"), QStringLiteral("/usr/bin/dict"));
    }

    // A store that cannot be written is reported and the dialog stays open with the choices.
    void saveThatFailsKeepsTheDialog() {
        open();
        click(form->GeneralPage->PencilChk);
        QFile::remove(TestEnv::settingsPath());
        QVERIFY(QDir().mkpath(TestEnv::settingsPath())); // a folder where the file was
        click(form->SaveBtn);
        QVERIFY(form->isVisible());
        QVERIFY(form->result() != QDialog::Accepted);
        QCOMPARE(dialogs.shown.last().kind, QStringLiteral("error"));
        QVERIFY(form->GeneralPage->PencilChk->isChecked());
        QVERIFY(QDir(TestEnv::settingsPath()).removeRecursively());
    }
};

QTEST_MAIN(Tst_PreferencesForm)
#include "tst_preferencesform.moc"
