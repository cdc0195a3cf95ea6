// Building acrostic words in the real main window: clicks on the quotation grid and the
// author-title strip, quote editing, the repeater scan, the letter box, Spill and F8.
#include "MainWindowFixture.h"
#include "TestFiles.h"
#include "app/ui/TMsgBar.h"
#include "prefs/SettingsCatalogue.h"
#include "puzzle/WordOperations.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

class Tst_Editing : public MainWindowFixture {
    Q_OBJECT

    QString file;

    void showForm() { showPuzzle(file); }
    void scanAndClickTheFirstRow() {
        clickCentre(tool()->ScanBtn);
        QListWidget* list = tool()->ScanList;
        click(list->viewport(), list->visualItemRect(list->item(0)).center());
    }
    Square firstBlackSquare() const {
        for (int r = 1; r <= rec().GridHeight; ++r)
            for (int c = 1; c <= rec().GridWidth; ++c)
                if (rec().letter(c, r) == BlackSquare)
                    return {c, r};
        return {};
    }
    char letterAt(const Square& sq) const { return char(rec().letter(sq.column, sq.row)); }
    // Word 2 takes two letters of one quotation word; its scan row.
    QString makeRepeater() {
        const QList<Square> free = freeSquares(rec());
        int i = 0; // two neighbouring free squares of one grid row
        while (free[i + 1] != Square{free[i].column + 1, free[i].row})
            ++i;
        selectWord(2);
        pick(free[i]);
        pick(free[i + 1]);
        return QString::fromLatin1(QByteArray("B.") + letterAt(rec().LocateCode(102)) +
                                   letterAt(free[i]) + letterAt(free[i + 1]));
    }

private slots:
    void init() {
        setUp();
        file = savePuzzle(QStringLiteral("Emerson.ixv"), emersonPuzzle());
    }
    void cleanup() { tearDown(); }

    // Every way of opening shares one refresh; the line itself is the record's statistics.
    void openingShowsTheStatistics() {
        showForm();
        QCOMPARE(
            form->MsgBar->panelText(1),
            QStringLiteral(
                "99 letters  /  12 acrostic words  /  8 letters per acrostic word  /  45 vowels  "
                "/  54 consonants"));
        QCOMPARE(grid()->windowTitle(), QStringLiteral("Emerson"));
        QCOMPARE(title()->wordCount, 12);
    }

    void paintColours_data() {
        QTest::addColumn<QString>("square");
        QTest::addColumn<QColor>("fill");
        QTest::addColumn<QColor>("ink"); // invalid: no letter shows
        QTest::newRow("initial of the selected word")
            << "initial" << QColor(0, 255, 0) << QColor(0x80, 0x80, 0x80);
        QTest::newRow("later letter of the selected word")
            << "picked" << QColor(255, 255, 0) << QColor(0xC0, 0xC0, 0xC0);
        QTest::newRow("free letter") << "free" << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("letter of another word") << "other" << QColor(Qt::white) << QColor();
        QTest::newRow("black square") << "black" << QColor(Qt::black) << QColor();
    }
    void paintColours() {
        QFETCH(QString, square);
        QFETCH(QColor, fill);
        QFETCH(QColor, ink);
        showForm();
        selectWord(3);
        QCOMPARE(ctx->SelectedWord, 3);
        const QList<Square> free = freeSquares(rec());
        pick(free[0]);
        const Square sq = square == "initial"  ? rec().LocateCode(103)
                          : square == "picked" ? free[0]
                          : square == "free"   ? free[1]
                          : square == "other"  ? rec().LocateCode(101)
                                               : firstBlackSquare();
        // Letters drawn without anti-aliasing show exactly the fill and the ink colour.
        grid()->look.font.setStyleStrategy(QFont::NoAntialias);
        const int s = grid()->GridSquare;
        const QImage img = grid()->canvas()->grab().toImage();
        QSet<QRgb> colours;
        for (int y = (sq.row - 1) * s + 1; y < sq.row * s; ++y)
            for (int x = (sq.column - 1) * s + 1; x < sq.column * s; ++x)
                colours << img.pixel(x, y);
        const QSet<QRgb> expected =
            ink.isValid() ? QSet<QRgb>{fill.rgb(), ink.rgb()} : QSet<QRgb>{fill.rgb()};
        QCOMPARE(colours, expected);
    }

    // Taking letter 2 out frees its square and the next pick fills position 2; the word then
    // grows to 30 letters and refuses a 31st.
    void lettersOfAWord() {
        showForm();
        const QList<Square> free = freeSquares(rec());
        selectWord(1);
        for (int i = 0; i < 3; ++i)
            pick(free[i]);
        ctx->SetEdited(false);
        letterRow(2);
        QCOMPARE(int(rec().code(free[0].column, free[0].row)), int(CodeFree));
        QCOMPARE(form->MsgBar->panelText(2), QStringLiteral("EDITED"));
        pick(free[3]);
        QCOMPARE(int(rec().code(free[3].column, free[3].row)), 201);
        for (int i = 4; i < 30; ++i)
            pick(free[i]);
        QCOMPARE(WordOps::wordLetters(rec(), 1).size(), 30);
        QVERIFY(dialogs.shown.isEmpty());
        pick(free[30]);
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown[0].kind, QStringLiteral("attention"));
        QCOMPARE(dialogs.shown[0].text,
                 QStringLiteral("Acrostic word is limited to 30 characters."));
        QCOMPARE(int(rec().code(free[30].column, free[30].row)), int(CodeFree));
    }

    void borderLine_data() {
        QTest::addColumn<bool>("right"); // the right edge, otherwise the bottom edge
        QTest::addColumn<int>("inset");  // pixels inside the closing border line
        QTest::addColumn<bool>("picks");
        QTest::newRow("right border line") << true << 0 << false;
        QTest::newRow("bottom border line") << false << 0 << false;
        QTest::newRow("last pixel column") << true << 1 << true;
        QTest::newRow("last pixel row") << false << 1 << true;
    }
    void borderLine() {
        QFETCH(bool, right);
        QFETCH(int, inset);
        QFETCH(bool, picks);
        showForm();
        selectWord(1);
        const int s = grid()->GridSquare;
        const int w = rec().GridWidth, h = rec().GridHeight;
        Square edge;
        for (const Square& sq : freeSquares(rec()))
            if (right ? sq.column == w : sq.row == h)
                edge = sq;
        QVERIFY(edge.column);
        const QByteArray before = rec().toBytes();
        click(grid()->canvas(), right ? QPoint(w * s - inset, (edge.row - 1) * s + s / 2)
                                      : QPoint((edge.column - 1) * s + s / 2, h * s - inset));
        QCOMPARE(rec().toBytes() != before, picks);
        QCOMPARE(ctx->Edited(), picks);
    }

    void wordRow_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("selected");
        QTest::newRow("first square") << "first" << 1;
        QTest::newRow("closing border line of the last word") << "border" << 12;
        QTest::newRow("right of the last word") << "right" << 0;
        QTest::newRow("between the rows") << "between" << 0;
        QTest::newRow("released left of the window after a drag") << "outside" << 0;
    }
    void wordRow() {
        QFETCH(QString, where);
        QFETCH(int, selected);
        showForm();
        selectWord(5);
        QCOMPARE(ctx->SelectedWord, 5);
        const int s = title()->TitleSquare;
        const QPoint p = where == "first"     ? QPoint(s / 2, s / 2)
                         : where == "border"  ? QPoint(12 * s + 1, s / 2)
                         : where == "right"   ? QPoint(12 * s + s / 2, s / 2)
                         : where == "outside" ? QPoint(-5 * s, s / 2)
                                              : QPoint(s / 2, s + 3);
        if (where == "outside")
            title()->FormMouseUp(p); // a release that started inside the window
        else
            click(title()->canvas(), p);
        QCOMPARE(ctx->SelectedWord, selected);
        QVERIFY(!ctx->Edited());
    }

    void quoteEditingKeys_data() {
        QTest::addColumn<int>("allowHyph");
        QTest::addColumn<bool>("selectSquare");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("stored"); // empty: the square keeps its letter
        QTest::addColumn<bool>("edited");
        QTest::newRow("q stores Q") << 1 << true << Qt::Key_Q << "Q" << true;
        QTest::newRow("hyphen with AllowHyph 1") << 1 << true << Qt::Key_Minus << "-" << true;
        QTest::newRow("hyphen with AllowHyph 0") << 0 << true << Qt::Key_Minus << "" << true;
        QTest::newRow("no square selected") << 1 << false << Qt::Key_Q << "" << false;
    }
    void quoteEditingKeys() {
        QFETCH(int, allowHyph);
        QFETCH(bool, selectSquare);
        QFETCH(Qt::Key, key);
        QFETCH(QString, stored);
        QFETCH(bool, edited);
        Settings::writeFlag(*procs, Settings::AllowHyph, allowHyph == 1);
        showForm();
        press("SquaresBtn");
        QCOMPARE(ctx->EditMode, 1);
        const Square sq = freeSquares(rec()).constLast();
        const char old = letterAt(sq);
        if (selectSquare)
            pick(sq);
        QCOMPARE(grid()->selectedSquare().has_value(), selectSquare);
        QTest::keyClick(grid()->canvas(), key);
        QCOMPARE(letterAt(sq), stored.isEmpty() ? old : stored.at(0).toLatin1());
        QCOMPARE(int(rec().code(sq.column, sq.row)), int(CodeFree));
        QCOMPARE(ctx->Edited(), edited);
    }

    void editQuoteSavesAtOnce() {
        showForm();
        selectWord(4);
        pick(freeSquares(rec()).first());
        QVERIFY(ctx->Edited());
        press("SquaresBtn");
        QCOMPARE(readBytes(file), rec().toBytes());
        QVERIFY(!ctx->Edited());
        QCOMPARE(ctx->SelectedWord, 0);
        QVERIFY(dialogs.shown.isEmpty());
    }

    void letterBoxCounts() {
        showForm();
        const auto before = WordOps::letterCounters(rec());
        // The rarest letter still free: once all its squares are picked its box turns grey.
        int letter = -1;
        for (int k = 0; k < 26; ++k)
            if (before[k] > 0 && (letter < 0 || before[k] < before[letter]))
                letter = k;
        selectWord(1);
        for (const Square& sq : freeSquares(rec()))
            if (letterAt(sq) == 'A' + letter)
                pick(sq);
        auto after = before;
        after[letter] = 0;
        QCOMPARE(WordOps::letterCounters(rec()), after);
        // Navy text while the count is above 0, grey at 0; the outline is navy either way. Only
        // the middle of a box is looked at.
        const QImage img = tool()->LtrBox->grab().toImage();
        const int b = img.width() / 28;
        auto navyText = [&](int k) {
            const int x = 8 + k * (b + 1);
            for (int y = 2; y < img.height() - 11; ++y)
                for (int i = x + b / 3; i < x + 2 * b / 3; ++i)
                    if (img.pixelColor(i, y).blue() - img.pixelColor(i, y).red() > 40)
                        return true;
            return false;
        };
        QVERIFY(!navyText(letter));
        QVERIFY(navyText(int(std::max_element(after.begin(), after.begin() + 26) - after.begin())));
    }

    // The letter row's squares close with their bottom outline on the window's last line.
    void letterRowBottomOutline_data() {
        QTest::addColumn<int>("word");
        QTest::newRow("no word selected: silver squares") << 0;
        QTest::newRow("a word's letter") << 1;
    }
    void letterRowBottomOutline() {
        QFETCH(int, word);
        showForm();
        if (word)
            selectWord(word);
        const QImage img = title()->canvas()->grab().toImage();
        const int s = title()->TitleSquare;
        QCOMPARE(img.height(), 2 * s + TIxv7TitleForm::kBevelHeight + 2);
        for (int i = 0; i < 30; ++i) {
            const int x = i * s + s / 2;
            QCOMPARE(img.pixelColor(x, img.height() - 1), title()->look.filled);
            QVERIFY(img.pixelColor(x, img.height() - 2) != title()->look.filled);
        }
    }

    // Grown past its design size: the letter box's label 53 pixels above the bottom, the lists
    // from under their labels down to 49 pixels above it, the letter box along it.
    void toolWindowLayout() {
        const QSize client(900, 400);
        showForm();
        tool()->setClientSize(client.width(), client.height());
        IXV_TRY_COMPARE(tool()->clientSize(), client);
        const int h = client.height();
        QLabel* lettersLabel = nullptr;
        for (QLabel* label : tool()->findChildren<QLabel*>())
            if (label->text() == QStringLiteral("Letters Distribution:"))
                lettersLabel = label;
        QVERIFY(lettersLabel);
        QCOMPARE(lettersLabel->pos(), QPoint(8, h - 53));
        QCOMPARE(tool()->HistoryList->geometry(), QRect(286, 27, client.width() - 581, h - 76));
        QCOMPARE(tool()->ScanList->geometry(), QRect(client.width() - 289, 27, 200, h - 76));
        QCOMPARE(tool()->LtrBox->geometry(), QRect(0, h - 41, client.width(), 41));
    }

    // On every screen from 1024 x 768 up the bottom windows lie wholly between the author-title
    // window and the status bar, all their controls in view, whether the puzzle opened at
    // start-up or later and however many rows its grid has.
    void bottomWindowsFitTheirArea_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("atStartup");
        for (const QSize screen : {QSize(1024, 768), QSize(1280, 800), QSize(2560, 1440)}) {
            for (int rows : {8, 20}) {
                for (bool atStartup : {true, false})
                    QTest::addRow("%dx%d, %d rows, %s", screen.width(), screen.height(), rows,
                                  atStartup ? "opened at start-up" : "opened later")
                        << screen << rows << atStartup;
            }
        }
    }
    void bottomWindowsFitTheirArea() {
        QFETCH(QSize, screen);
        QFETCH(int, rows);
        QFETCH(bool, atStartup);
        ScreenMetrics metrics;
        metrics.screenWidth = screen.width();
        metrics.screenHeight = screen.height();
        metrics.fullScreenClientHeight = screen.height() - 40 - metrics.captionHeight; // a panel
        useScreen(metrics);
        PuzzleRecord r = emersonPuzzle();
        if (rows != r.GridHeight)
            r.ClearPuzzle(16, qint16(rows), "");
        file = savePuzzle(QStringLiteral("Rows.ixv"), r);
        if (atStartup) {
            showForm();
        } else {
            MainWindowFixture::showForm();
            dialogs.files << file;
            press(QStringLiteral("OpenPuzzleBtn"));
            waitForEditingWindows();
        }
        const int statusTop = form->MsgBar->mapTo(form.get(), QPoint()).y();
        const auto fits = [&](EditingWindow* w) {
            const int top = w->mapTo(form.get(), QPoint()).y();
            const int titleBottom = title()->mapTo(form.get(), QPoint(0, title()->height())).y();
            QVERIFY2(top >= titleBottom && top + w->height() <= statusTop,
                     qPrintable(w->objectName()));
            for (QWidget* control : w->widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QVERIFY2(w->widget()->rect().contains(control->geometry()),
                         qPrintable(control->metaObject()->className()));
        };
        QVERIFY(grid()->y() >= 0);
        fits(tool());
        QVERIFY(tool()->ErrPanel->geometry().bottom() < tool()->LtrBox->y());
        openClues();
        fits(clues());
    }

    void repeaterScan() {
        showForm();
        bool noticeDuringWait = false;
        QTimer::singleShot(0, form.get(),
                           [&] { noticeDuringWait = tool()->ErrPanel->isVisible(); });
        clickCentre(tool()->ScanBtn);
        QVERIFY(noticeDuringWait);
        QVERIFY(!tool()->ErrPanel->isVisible());
        QVERIFY(!tool()->ScanList->isEnabled());

        const QString row = makeRepeater();
        click(title()->canvas(), QPoint(title()->TitleSquare / 2, title()->TitleSquare + 3));
        QCOMPARE(ctx->SelectedWord, 0);
        scanAndClickTheFirstRow();
        QCOMPARE(tool()->ScanList->count(), 1);
        QCOMPARE(tool()->ScanList->item(0)->text(), row);
        QVERIFY(tool()->ScanList->isEnabled());
        QVERIFY(!tool()->ScanList->horizontalScrollBar()->isVisible());
        QCOMPARE(ctx->SelectedWord, 2);
    }

    void spill_data() {
        QTest::addColumn<bool>("f8");
        QTest::addColumn<bool>("quoteEditing");
        QTest::addColumn<bool>("spills");
        QTest::newRow("button") << false << false << true;
        QTest::newRow("F8") << true << false << true;
        QTest::newRow("button in quote editing") << false << true << true;
        QTest::newRow("F8 in quote editing") << true << true << false;
    }
    void spill() {
        QFETCH(bool, f8);
        QFETCH(bool, quoteEditing);
        QFETCH(bool, spills);
        showForm();
        makeRepeater();
        if (quoteEditing) { // a word selected from the scan list while quotes are edited
            press("SquaresBtn");
            scanAndClickTheFirstRow();
            QCOMPARE(ctx->EditMode, 1);
        }
        QCOMPARE(ctx->SelectedWord, 2);
        const QByteArray before = rec().toBytes();
        const bool editedBefore = ctx->Edited();
        if (f8)
            QTest::keyClick(form.get(), Qt::Key_F8);
        else
            press("SpillBtn");
        if (spills) {
            QCOMPARE(WordOps::wordLetters(rec(), 2).size(), 1);
            QCOMPARE(int(rec().squareOf(102)), int(PuzzleRecord::fromBytes(before).squareOf(102)));
            QVERIFY(ctx->Edited());
        } else {
            QCOMPARE(rec().toBytes(), before);
            QCOMPARE(ctx->Edited(), editedBefore);
        }
    }
};

QTEST_MAIN(Tst_Editing)
#include "tst_editing.moc"
