// The preferences dialog driven as a user drives it: what it shows, Defaults, Save, the palette,
// the font buttons, Browse and Backup.
#include "ScriptedDialogs.h"
#include "TestEnv.h"
#include "TestFiles.h"
#include "TestPuzzles.h"
#include "app/ui/FontColourDialog.h"
#include "base/Errors.h"
#include "base/WindowFonts.h"
#include "prefs/ui/PrefsPages.h"
#include "prefs/ui/PrefsWidgets.h"
#include "prefs/ui/TIxv7PreferencesForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

namespace {

// Counts the paints of a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

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
        QCOMPARE(form->pages->currentWidget(), form->GeneralPage);
        QCOMPARE(form->values(), Preferences::load(*procs));
        const PrefsGeneralPage& g = *form->GeneralPage;
        QCOMPARE(g.CopyClipRadio->item(g.CopyClipRadio->itemIndex())->text(),
                 QStringLiteral("Manuscript Grid"));
        QCOMPARE(form->ViewPage->Shape3->colour(), quint32(0x00FFFF));
        QCOMPARE(form->PrintPage->Add1Ed->text(), QStringLiteral("100 Crossword Lane"));
        const PrefsFontsPage& f = *form->FontsPage;
        QCOMPARE(f.PrefAutoEd->font().pointSize(), 12);
        QCOMPARE(f.PrefDefsEd->count(), 13);
        QCOMPARE(f.PrefDefsEd->item(12)->text(),
                 QStringLiteral("M. Acrostic definition | IXENVAR"));
        QCOMPARE(f.PrefDefsEd->itemHeight(), 19);
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
        QCOMPARE(stored("FontSize")->integer, 14);
        QCOMPARE(stored("FontStyle")->integer, 5); // bold and underline
        QCOMPARE(stored("UserDesktop")->integer, 0);
        QCOMPARE(storedText("DictPath"), QStringLiteral("/usr/bin/dict"));
        QCOMPARE(stored("GridLanguage")->integer, 4);
        QCOMPARE(storedText("Name"), QStringLiteral("Ann Setter"));
        QCOMPARE(stored("PaperSize")->integer, 1);
        QCOMPARE(storedText("QuotPath"), QStringLiteral("saywell --quote"));
        QCOMPARE(storedText("DefsFontName"), QStringLiteral("DejaVu Sans"));
        QCOMPARE(stored("DefsFontSize")->integer, 20);
    }

    // A stored index beyond the last item selects the last; below -1 selects nothing, and Save
    // then stores -1.
    void storedIndexesShownAndSaved_data() {
        QTest::addColumn<qint32>("stored");
        QTest::addColumn<QString>("clipShown");
        QTest::addColumn<QString>("languageShown");
        QTest::addColumn<qint32>("clipSaved");
        QTest::addColumn<qint32>("languageSaved");
        QTest::newRow("above the last item") << 12 << "Manuscript Grid"
                                             << "Multilingual" << 3 << 8;
        QTest::newRow("below -1") << -3 << ""
                                  << "" << -1 << -1;
    }
    void storedIndexesShownAndSaved() {
        QFETCH(qint32, stored);
        store("DefClipOption", SettingValue::integer(stored));
        store("GridLanguage", SettingValue::integer(stored));
        open();
        const auto shown = [](const RadioGroup* g) {
            return g->itemIndex() < 0 ? QString() : g->item(g->itemIndex())->text();
        };
        QTEST(shown(form->GeneralPage->CopyClipRadio), "clipShown");
        QTEST(shown(form->LanguagePage->LangGroup), "languageShown");
        save();
        QTEST(this->stored("DefClipOption")->integer, "clipSaved");
        QTEST(this->stored("GridLanguage")->integer, "languageSaved");
    }

    // The arrows step the number between 3 and 200; a stored number outside starts there.
    void historyArrows_data() {
        QTest::addColumn<qint32>("stored");
        QTest::addColumn<QString>("arrows"); // < and >
        QTest::addColumn<QString>("shown");
        QTest::newRow("down stops at 3") << 4 << "<<<"
                                         << "3";
        QTest::newRow("up stops at 200") << 199 << ">>>"
                                         << "200";
        QTest::newRow("stored 500 shown as it is") << 500 << ""
                                                   << "500";
        QTest::newRow("stored 500, up") << 500 << ">"
                                        << "200";
    }
    void historyArrows() {
        QFETCH(qint32, stored);
        QFETCH(QString, arrows);
        store("HistoryMaximum", SettingValue::integer(stored));
        open();
        for (QChar a : arrows)
            click(a == u'<' ? form->GeneralPage->UpDown1->downButton()
                            : form->GeneralPage->UpDown1->upButton());
        QTEST(form->GeneralPage->RadioEd->text(), "shown");
        save();
        QFETCH(QString, shown);
        QCOMPARE(this->stored("HistoryMaximum")->integer, shown.toInt());
    }

    // Clicking one box checks it and unchecks the other, and the mark follows the checked box;
    // what Save stores for each is checked through the main window.
    void desktopBoxes_data() {
        QTest::addColumn<QString>("clicks"); // K Keep Desktop, D Default Desktop
        QTest::addColumn<bool>("keepChecked");
        QTest::addColumn<bool>("keepMark");
        QTest::newRow("neither clicked") << "" << false << true;
        QTest::newRow("Keep Desktop") << "K" << true << true;
        QTest::newRow("Keep, then Default") << "KD" << false << false;
        QTest::newRow("Keep clicked twice") << "KK" << false << false;
    }
    void desktopBoxes() {
        QFETCH(QString, clicks);
        QFETCH(bool, keepChecked);
        QFETCH(bool, keepMark);
        store("UserDesktop", SettingValue::integer(1)); // non-zero: marked as kept
        open();
        showPage(1);
        PrefsViewPage& v = *form->ViewPage;
        for (QChar c : clicks)
            click(c == u'K' ? v.DeskChk : v.DefDeskChk);
        QCOMPARE(v.DeskChk->isChecked(), keepChecked);
        QCOMPARE(v.DefDeskChk->isChecked(), !clicks.isEmpty() && !keepChecked);
        QCOMPARE(!v.ck1->isHidden(), keepMark);
        QCOMPARE(!v.ck2->isHidden(), !keepMark);
        QCOMPARE(form->keepDesktopChecked(), keepChecked);
    }

    // The colour of the cell pressed goes to the working colour the release names (the rules
    // are checked without a window), and is stored by name.
    void paletteRelease_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("swatch");
        QTest::addColumn<QString>("setting");
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        QTest::newRow("left") << Qt::LeftButton << Qt::KeyboardModifiers() << "Shape1"
                              << "BlankSqColor";
        QTest::newRow("Ctrl+right") << Qt::RightButton << ctrl << "Shape3"
                                    << "HiliteSqColor";
    }
    void paletteRelease() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, swatch);
        QFETCH(QString, setting);
        open();
        showPage(1);
        PaintCounter counter;
        form->ViewPage->PrefGrid->installEventFilter(&counter);
        paletteClick(6, button, modifiers); // teal
        auto* changed = form->findChild<ColourSwatch*>(swatch);
        QCOMPARE(changed->colour(), quint32(0x808000));
        for (ColourSwatch* other : form->findChildren<ColourSwatch*>()) {
            if (other != changed)
                QVERIFY(other->colour() != 0x808000);
        }
        IXV_TRY_VERIFY(counter.paints > 0);
        save();
        QCOMPARE(procs->store().find(setting)->text, QStringLiteral("clTeal"));
    }

    // The sample grid shows the working colours: a letter square in the letter colour, a
    // highlighted one in the highlight colour.
    void sampleGridShowsTheColours() {
        open();
        showPage(1);
        paletteClick(9, Qt::LeftButton, {});                    // red letter squares
        paletteClick(12, Qt::RightButton, Qt::ControlModifier); // blue highlight
        const QImage shot = form->ViewPage->PrefGrid->grab().toImage();
        const int s = procs->DefaultSquareSize();
        QCOMPARE(shot.pixelColor(s / 2 + 1, 3), QColor(Qt::red));   // square 1 of row 1
        QCOMPARE(shot.pixelColor(3, 2 * s + 3), QColor(Qt::blue));  // row 3 highlighted
        QCOMPARE(shot.pixelColor(3 * s + 3, 3), QColor(Qt::black)); // column 4 filled
    }

    // The font dialog starts from the sample's font and colour; a colour outside the name table
    // is stored as "$" and 8 hex digits and read back the same.
    void gridFontColourOutsideTheTable() {
        store("FontStyle", SettingValue::integer(2));
        open();
        showPage(1);
        dialogs.fonts << Dialogs::FontChoice{font("Liberation Sans", 16, true), 0x00123456};
        click(form->ViewPage->FontBtn);
        const Dialogs::FontChoice offered = dialogs.offeredFonts.value(0);
        QCOMPARE(offered.font.family(), QStringLiteral("Arial"));
        QCOMPARE(offered.font.pointSize(), 11);
        QVERIFY(offered.font.italic());
        QCOMPARE(offered.colour, quint32(0));
        save();
        QCOMPARE(storedText("FontColor"), QStringLiteral("$00123456"));
        open();
        QCOMPARE(form->ViewPage->PrefGrid->font, (FontValue{"Liberation Sans", 16, 1, 0x00123456}));
    }

    // The clue-list font button also sets the item height; the lines are that height plus 2,
    // scaled to the screen (96 pixels per inch here).
    void clueFontButtons_data() {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<int>("itemHeight");
        QTest::newRow("confirmed 20 points") << true << 34;
        QTest::newRow("cancelled") << false << 19;
    }
    void clueFontButtons() {
        QFETCH(bool, confirm);
        QFETCH(int, itemHeight);
        open();
        showPage(4);
        PrefsFontsPage& f = *form->FontsPage;
        const auto answer =
            confirm ? std::optional(Dialogs::FontChoice{font("DejaVu Sans", 20), 0x800000})
                    : std::nullopt;
        dialogs.fonts << answer << answer;
        click(f.DefsFontBtn);
        click(f.AutoFontBtn);
        QCOMPARE(f.PrefDefsEd->itemHeight(), itemHeight);
        IXV_TRY_COMPARE(f.PrefDefsEd->visualItemRect(f.PrefDefsEd->item(1)).height(),
                        itemHeight + 2);
        QCOMPARE(f.PrefAutoEd->font().family(),
                 confirm ? QStringLiteral("DejaVu Sans") : QStringLiteral("Times New Roman"));
        QCOMPARE(f.PrefAutoEd->palette().color(QPalette::Text),
                 confirm ? QColor(Qt::darkBlue) : QColor(Qt::black));
    }

    // Each Browse button fills its own field with a program.
    void browse_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::newRow("dictionary") << "DictPathBtn" << "DictPathEd";
        QTest::newRow("thesaurus") << "ThesPathBtn" << "ThesPathEd";
        QTest::newRow("Saywell") << "CluePathBtn" << "QuotPathEd";
        QTest::newRow("Jotwell") << "ScraPathBtn" << "ScraPathEd";
        QTest::newRow("Postrill") << "MailPathBtn" << "MailPathEd";
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
        QCOMPARE(readBytes(out), QByteArray("Windows Registry Editor Version 5.00\r\n\r\n"
                                            "[HKEY_CURRENT_USER\\Software\\Tamberlin32\\"
                                            "Ixenvar7Demo]\r\n"
                                            "\"Name\"=\"Stored Name\"\r\n"
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

    // With IXV_SCREENSHOTS set to a folder, each page is saved there as a picture.
    void screenshots() {
        const QString folder = qEnvironmentVariable("IXV_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("IXV_SCREENSHOTS names no folder");
        store("DictPath", SettingValue::text("/usr/bin/dict --gui"));
        open();
        const char* const names[] = {"general", "view", "print", "tools", "fonts", "language"};
        for (int page = 0; page < 6; ++page) {
            showPage(page);
            QVERIFY(form->grab().save(QStringLiteral("%1/prefs-%2.png").arg(folder, names[page])));
        }
        FontColourDialog fontDialog({font("Arial", 11), 0x00123456}, form.get());
        fontDialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fontDialog, TestEnv::kEventWaitMs));
        QVERIFY(fontDialog.grab().save(folder + QStringLiteral("/font-dialog.png")));
    }
};

QTEST_MAIN(Tst_PreferencesForm)
#include "tst_preferencesform.moc"
