// Every caption and label of every window and dialog fits its control in the fonts the program
// draws it in: a text wider than the room its control gives it is cut or elided on screen, and a
// control cut off by the edge of its window hides part of its text. The table names each window
// and how a user brings it up; a new window joins the walk with one more row.
#include "MainWindowFixture.h"
#include "TextFits.h"
#include "WidgetPicture.h"
#include "app/ui/FontColourDialog.h"
#include "app/ui/GmPreviewPane.h"
#include "app/ui/HelpWindow.h"
#include "app/ui/MainToolBars.h"
#include "app/ui/QtDialogs.h"
#include "app/ui/TIxv7AboutForm.h"
#include "output/ui/PreviewPanel.h"
#include "output/ui/TIxv7OutputForm.h"
#include "output/ui/TIxv7PDFPreviewForm.h"
#include "output/ui/TIxv7PreviewForm.h"
#include "output/ui/TIxv7PrintAnsForm.h"
#include "pdf/ui/PdfPageDisplay.h"
#include "prefs/ui/TIxv7PreferencesForm.h"
#include "puzzle/ui/TCharMap7Form.h"
#include "puzzle/ui/TIxv7InputForm.h"
#include "puzzle/ui/TIxv7SuggestForm.h"

#include <QFileDialog>
#include <QPdfView>

class Tst_TextFits : public MainWindowFixture {
    Q_OBJECT

    // Windows that are not children of the main window, closed after each row.
    std::vector<std::unique_ptr<QWidget>> owned;

    template <typename W> W* keep(W* window) {
        owned.emplace_back(window);
        window->show();
        if (!QTest::qWaitForWindowExposed(window, TestEnv::kEventWaitMs))
            qWarning("window not exposed");
        return window;
    }

    void fileDialog(QFileDialog::AcceptMode mode) {
        QDir(dir->path()).mkdir(QStringLiteral("Acrostics"));
        Dialogs::FileRequest request;
        request.title = QStringLiteral("Open existing puzzle for editing");
        request.folder = dir->path();
        request.filters = {QStringLiteral("Ixenvar Puzzle (*.ixv)")};
        request.defaultSuffix = QStringLiteral("ixv");
        auto* dialog = new QFileDialog(form.get());
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        QtDialogs::prepareFileDialog(*dialog, request, mode);
        keep(dialog);
        // The folder's rows arrive from the file system model's own thread.
        auto* files = dialog->findChild<QTreeView*>();
        IXV_TRY_VERIFY(files->model()->rowCount(files->rootIndex()) == 2);
        shown = {dialog};
    }

    // "Printer..." with one of its tabs in front.
    void printPreview(bool customize) {
        auto* window = keep(new TIxv7PreviewForm(
            *ctx, std::make_unique<GmPreviewPane>(form->printer().printerName()), form.get()));
        PreviewPanel& panel = *window->Panel1;
        panel.PageControl1->setCurrentWidget(customize ? panel.CustomPage : panel.SetupPage);
        shown = {window};
    }

    // "Print to PDF..." with one of its tabs in front, or its Solution window.
    void pdfPreview(bool customize, bool solution) {
        // Over a puzzle with its words and clues, so that the pages hold what users print.
        showPuzzle(savePuzzle(QStringLiteral("Acrostic.ixv"), completedEmersonPuzzle()));
        PdfPageDisplay* display = nullptr;
        auto* window = keep(new TIxv7PDFPreviewForm(
            *ctx,
            [&display](QWidget* host) {
                display = new PdfPageDisplay(host);
                return PdfPageDisplayParts{display, display};
            },
            form.get()));
        // The page as the window shows it once the document is read.
        IXV_TRY_VERIFY(darkPixels(display->view()->viewport()) > 200);
        PreviewPanel& panel = *window->Panel2;
        panel.PageControl1->setCurrentWidget(customize ? panel.CustomPage : panel.SetupPage);
        shown = {window};
        if (solution) {
            window->solutionWindow()->show();
            IXV_TRY_VERIFY(window->solutionWindow()->isVisible());
            shown = {window->solutionWindow()};
        }
    }

    // "Preferences..." on one of its pages.
    void preferences(int page) {
        auto* dialog = keep(new TIxv7PreferencesForm(ctx->procs, form.get()));
        dialog->SquareSize = ctx->procs.DefaultSquareSize();
        dialog->FormShow();
        const QList<QToolButton*> pages{dialog->PrefGeneralBtn, dialog->PrefViewBtn,
                                        dialog->PrefPrintBtn,   dialog->PrefToolsBtn,
                                        dialog->PrefFontsBtn,   dialog->PrefLanguageBtn};
        QTest::mouseClick(pages[page], Qt::LeftButton);
        QVERIFY(pages[page]->isChecked());
        shown = {dialog};
    }

    // The windows a row brought up.
    QList<QWidget*> shown;

    struct Window {
        QString name;
        std::function<void()> open; // brings the window up and puts it in shown
    };
    QList<Window> windows() {
        QList<Window> out;
        for (const ToolBarSpec& bar : mainToolBars()) {
            const QString tab = QString::fromLatin1(bar.tab);
            out.append({QStringLiteral("main window, %1 tool bar").arg(tab), [this, tab] {
                            for (int i = 0; i < form->MenuTabs->count(); ++i)
                                if (form->MenuTabs->tabText(i).trimmed() == tab)
                                    clickTab(i);
                            shown = {form.get()};
                        }});
        }
        out << Window{"quotation grid window", [this] { shown = {grid()}; }}
            << Window{"author-title window", [this] { shown = {title()}; }}
            << Window{"construction tool window",
                      [this] {
                          tool()->ErrPanel->show(); // as a scan that finds no repeater shows it
                          shown = {tool()};
                      }}
            << Window{"clue window",
                      [this] {
                          openClues();
                          shown = {clues()};
                      }}
            << Window{"specifications window",
                      [this] {
                          press(QStringLiteral("SpecsBtn"));
                          shown = {specs()};
                      }}
            << Window{"character map",
                      [this] {
                          openClues();
                          clickCentre(clues()->CharsBtn);
                          IXV_TRY_VERIFY(clues()->charMap() && clues()->charMap()->isVisible());
                          shown = {clues()->charMap()};
                      }}
            << Window{"construction dialog",
                      [this] {
                          shown = {keep(new TIxv7InputForm(*ctx, path(QStringLiteral("New.ixv")),
                                                           form.get()))};
                      }}
            << Window{"About box",
                      [this] { shown = {keep(new TIxv7AboutForm(desktop, form.get()))}; }}
            << Window{"progress window",
                      [this] {
                          shown = {keep(new TIxv7OutputForm(
                              QStringLiteral("Saving current puzzle ..."), form.get()))};
                      }}
            << Window{"word suggestions window",
                      [this] {
                          press(QStringLiteral("SuggestBtn"));
                          shown = {form->editors().suggest.data()};
                      }}
            << Window{"print preview, Setup tab", [this] { printPreview(false); }}
            << Window{"PDF preview, Setup tab", [this] { pdfPreview(false, false); }}
            << Window{"PDF preview, Customize tab", [this] { pdfPreview(true, false); }}
            << Window{"Solution window", [this] { pdfPreview(false, true); }}
            << Window{"font dialog",
                      [this] {
                          shown = {keep(new FontColourDialog(
                              {QFont(QStringLiteral("Arial"), 11), 0x00123456}, form.get()))};
                      }}
            << Window{"print preview, Customize tab", [this] { printPreview(true); }}
            << Window{"preferences, General", [this] { preferences(0); }}
            << Window{"preferences, View", [this] { preferences(1); }}
            << Window{"preferences, Print", [this] { preferences(2); }}
            << Window{"preferences, Tools", [this] { preferences(3); }}
            << Window{"preferences, Fonts", [this] { preferences(4); }}
            << Window{"preferences, Language", [this] { preferences(5); }}
            << Window{"help window",
                      [this] {
                          press(QStringLiteral("HelpContents"));
                          shown = {form->helpWindow()};
                      }}
            << Window{"file dialog to open", [this] { fileDialog(QFileDialog::AcceptOpen); }}
            << Window{"file dialog to save", [this] { fileDialog(QFileDialog::AcceptSave); }};
        return out;
    }

private slots:
    void init() {
        setUp();
        showPuzzle(savePuzzle(QStringLiteral("Emerson.ixv"), emersonPuzzle()));
    }
    void cleanup() {
        owned.clear();
        tearDown();
    }

    void everyTextFitsItsControl_data() {
        QTest::addColumn<int>("window");
        const QList<Window> all = windows();
        for (int i = 0; i < all.size(); ++i)
            QTest::newRow(qPrintable(all[i].name)) << i;
    }
    void everyTextFitsItsControl() {
        QFETCH(int, window);
        shown.clear();
        windows()[window].open();
        QVERIFY(!QTest::currentTestFailed());
        // With IXV_SCREENSHOTS set to a folder, each window is saved there as a picture.
        const QString folder = qEnvironmentVariable("IXV_SCREENSHOTS");
        TextFitWalk walk;
        for (QWidget* root : shown) {
            QVERIFY(root && root->isVisible());
            walk.window(root);
            if (!folder.isEmpty())
                QVERIFY(root->grab().save(QStringLiteral("%1/%2.png")
                                              .arg(folder, QString::fromLatin1(QTest::currentDataTag())
                                                               .replace(QRegularExpression("\\W+"), "-"))));
        }
        QVERIFY2(walk.misfits.isEmpty(), qPrintable(walk.misfits.join(QStringLiteral("\n"))));
    }
};

QTEST_MAIN(Tst_TextFits)
#include "tst_textfits.moc"
