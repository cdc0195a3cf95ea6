// The main window's outputs beside the pages, driven as a user drives them: the RTF manuscript,
// the clipboard items and the grid files, and what follows when a file cannot be written.
#include "MainWindowFixture.h"
#include "TestFiles.h"
#include "base/Codepage.h"
#include "output/CluesText.h"
#include "output/GridImageFiles.h"
#include "output/RtfManuscript.h"
#include "output/ui/TIxv7OutputForm.h"
#include "prefs/SettingsCatalogue.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QtTest>

namespace {
const QString kNoClipboardChange = QStringLiteral("kept on the clipboard");
} // namespace

class Tst_Exports : public MainWindowFixture {
    Q_OBJECT

    QStringList events; // what the user met, in order

    // The emerson puzzle with clues for its first three words, open in the window.
    void openEmerson() {
        PuzzleRecord record = emersonPuzzle();
        record.clue(1).assign("Poet's \"friend\"");
        record.clue(2).assign("Braces {like} these \\ too");
        record.clue(3).assign("Third");
        showPuzzle(savePuzzle("Emerson.ixv", record));
    }
    void recordEvents() {
        dialogs.onShown = [this](const ScriptedDialogs::Shown& d) {
            if (d.kind != "save")
                events << d.kind + ": " + d.heading;
        };
        desktop.onOpen = [this](const QUrl&) { events << QStringLiteral("open"); };
        connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, form.get(),
                [this] { events << QStringLiteral("clipboard"); });
        QGuiApplication::clipboard()->setText(kNoClipboardChange);
        events.clear();
    }
    QByteArray clipboardSvg() const {
        return QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("image/svg+xml"));
    }
    QByteArray svgOf(GridImageKind kind, const QString& description) const {
        return GridImageFiles::svg(layoutGridImage(rec(), kind), description);
    }

private slots:
    void init() { setUp(); }
    void cleanup() {
        dialogs.onShown = nullptr;
        tearDown();
    }

    // The file first; the message only once it is written; then the document opens and its
    // grid goes to the clipboard, named after the file.
    void rtfManuscript() {
        openEmerson();
        recordEvents();
        dialogs.files << path("Sunday.rtf");
        press("RTFMsBtn");
        QCOMPARE(dialogs.shown.first().text, QStringLiteral("Emerson.rtf")); // the name offered
        QCOMPARE(events, (QStringList{"information: Procedure Alert", "open", "clipboard"}));
        QCOMPARE(readBytes(path("Sunday.rtf")), RtfManuscript::text(rec(), *procs, "Sunday"));
        QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(path("Sunday.rtf"))});
        QCOMPARE(clipboardSvg(), svgOf(GridImageKind::ManuscriptSolutionGrid, "Sunday.rtf"));
        QVERIFY(QGuiApplication::clipboard()->mimeData()->hasImage());
        QVERIFY(!form->findChild<TIxv7OutputForm*>());
    }

    // A file that cannot be written is named; nothing follows it: no message, nothing opened,
    // the clipboard as it was.
    void outputThatCannotBeWritten_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("named");
        QTest::newRow("RTF manuscript") << "RTFMsBtn"
                                        << "plain/Sunday.rtf"
                                        << "plain/Sunday.rtf";
        QTest::newRow("grid files") << "EPSBtn"
                                    << "plain/Grids.eps"
                                    << "plain/Grids-solving.eps";
    }
    void outputThatCannotBeWritten() {
        QFETCH(QString, button);
        QFETCH(QString, chosen);
        QFETCH(QString, named);
        openEmerson();
        QFile plain(path("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        recordEvents();
        dialogs.files << path(chosen);
        press(button);
        QCOMPARE(events, QStringList{"error: Ixenvar 7 Demo"});
        QVERIFY2(dialogs.shown.last().text.contains(path(named)),
                 qPrintable(dialogs.shown.last().text));
        QVERIFY(desktop.opened.isEmpty());
        QCOMPARE(QGuiApplication::clipboard()->text(), kNoClipboardChange);
        QVERIFY(!form->findChild<TIxv7OutputForm*>());
    }

    // Each menu item copies itself; the button copies the stored default, and a stored value
    // outside the menu copies the manuscript solution grid.
    void clipboardItems_data() {
        QTest::addColumn<int>("menuItem"); // -1: the button
        QTest::addColumn<int>("stored");   // -2: nothing stored
        QTest::addColumn<int>("copied");
        QTest::newRow("Solving Grid") << 0 << -2 << 0;
        QTest::newRow("Clues") << 1 << -2 << 1;
        QTest::newRow("Solution Grid") << 2 << -2 << 2;
        QTest::newRow("MS Solution Grid") << 3 << -2 << 3;
        QTest::newRow("button, no default stored") << -1 << -2 << 3;
        QTest::newRow("button, default Clues") << -1 << 1 << 1;
        QTest::newRow("button, default 7") << -1 << 7 << 3;
    }
    void clipboardItems() {
        QFETCH(int, menuItem);
        QFETCH(int, stored);
        QFETCH(int, copied);
        if (stored != -2)
            Settings::writeInt(*procs, Settings::DefClipOption, stored);
        openEmerson();
        recordEvents();
        if (menuItem < 0)
            press("ClipbdBtn");
        else
            form->ClipMenu->actions().at(menuItem)->trigger();
        QCOMPARE(events, QStringList{"clipboard"});
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        if (copied == 1) {
            QCOMPARE(data->text(), Codepage::toUnicode(CluesText(rec())));
            QVERIFY(data->text().contains("\r\n"));
            QVERIFY(!data->hasImage());
        } else {
            const GridImageKind kinds[] = {GridImageKind::SolvingGrid,
                                           {},
                                           GridImageKind::SolutionGrid,
                                           GridImageKind::ManuscriptSolutionGrid};
            QCOMPARE(clipboardSvg(), svgOf(kinds[copied], QString()));
            QVERIFY(data->hasImage());
        }
        QVERIFY(!form->findChild<TIxv7OutputForm*>());
    }

    // The chosen name is a base for three files beside it.
    void gridFiles_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<GridImageFiles::Format>("format");
        QTest::newRow("Metafiles: SVG") << "MetaBtn" << "Grids.svg" << GridImageFiles::Format::Svg;
        QTest::newRow("EPS files") << "EPSBtn" << "Grids.eps" << GridImageFiles::Format::Eps;
        QTest::newRow("a base name without the extension")
            << "EPSBtn" << "Grids" << GridImageFiles::Format::Eps;
    }
    void gridFiles() {
        QFETCH(QString, button);
        QFETCH(QString, chosen);
        QFETCH(GridImageFiles::Format, format);
        openEmerson();
        recordEvents();
        dialogs.files << path(chosen);
        press(button);
        QCOMPARE(events, QStringList{"information: Procedure Alert"});
        const GridImageKind kinds[] = {GridImageKind::SolvingGrid, GridImageKind::SolutionGrid,
                                       GridImageKind::ManuscriptSolutionGrid};
        const QString names[] = {"Grids-solving", "Grids-solution", "Grids-manuscript"};
        const QString extension = format == GridImageFiles::Format::Svg ? ".svg" : ".eps";
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(
                readBytes(path(names[i] + extension)),
                GridImageFiles::encode(layoutGridImage(rec(), kinds[i]), format, "Emerson.ixv"));
            QVERIFY(dialogs.shown.last().text.contains(names[i] + extension));
        }
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files).size(), 4);
    }

    void gridFilesAskBeforeReplacing_data() {
        QTest::addColumn<Dialogs::Answer>("answer");
        QTest::newRow("Yes replaces") << Dialogs::Answer::Yes;
        QTest::newRow("No keeps every file") << Dialogs::Answer::No;
    }
    void gridFilesAskBeforeReplacing() {
        QFETCH(Dialogs::Answer, answer);
        openEmerson();
        QVERIFY(writeBytes(path("Grids-solution.svg"), "old"));
        recordEvents();
        dialogs.files << path("Grids.svg");
        dialogs.answers << answer;
        press("MetaBtn");
        QCOMPARE(dialogs.shown.at(1).kind, QStringLiteral("yesno"));
        QVERIFY(dialogs.shown.at(1).text.contains("Grids-solution.svg"));
        const bool replaced = answer == Dialogs::Answer::Yes;
        QCOMPARE(readBytes(path("Grids-solution.svg")) == "old", !replaced);
        QCOMPARE(QFile::exists(path("Grids-solving.svg")), replaced);
    }
};

QTEST_MAIN(Tst_Exports)
#include "tst_exports.moc"
