#include "ScriptedDialogs.h"
#include "TestEnv.h"
#include "TestPuzzles.h"
#include "app/AppContext.h"
#include "base/FontAvailability.h"
#include "prefs/SettingsCatalogue.h"
#include "puzzle/ui/TIxv7InputForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {
const QString kQuotation = QString::fromLatin1(kEmersonQuotation);
} // namespace

class Tst_InputForm : public QObject {
    Q_OBJECT

    std::unique_ptr<TIxvProcs> procs;
    std::unique_ptr<AppContext> ctx;
    ScriptedDialogs dialogs;
    RecordingSounds sounds;

    std::unique_ptr<TIxv7InputForm>
    openForm(const QString& file = QStringLiteral("/tmp/my puzzle.ixv")) {
        auto form = std::make_unique<TIxv7InputForm>(*ctx, file);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get(), TestEnv::kEventWaitMs))
            qWarning("dialog not exposed");
        return form;
    }

private slots:
    void init() {
        procs = freshProcs(&dialogs, &sounds);
        ctx = std::make_unique<AppContext>(*procs);
        dialogs = ScriptedDialogs();
        sounds.played.clear();
    }

    // Only the file's name, its A to Z upper-cased and its accented letters left as they are.
    void caption() {
        QCOMPARE(TIxv7InputForm::captionFor(QStringLiteral("/Docs/Acrostics/café au lait 12.ixv")),
                 QStringLiteral("Quotation and Author-Title of CAFé AU LAIT 12"));
    }

    // The first installed of the wanted families, 21 pixels at the design width and growing
    // with the box; the author-title line stays at the bottom.
    void textFont() {
        const QString family = TIxv7InputForm::textFontFamily();
        const QStringList wanted = {"Consolas", "Lucida Console", "Courier New"};
        QVERIFY(wanted.contains(family));
        for (const QString& earlier : wanted.mid(0, wanted.indexOf(family)))
            QVERIFY2(!FontAvailability::hasFamily(earlier), qPrintable(earlier));
        auto form = openForm();
        QCOMPARE(form->QuoteMemo->font().family(), family);
        QCOMPARE(form->QuoteMemo->font().pixelSize(), 21);
        const int width = form->QuoteMemo->width();
        form->resize(form->width() + width / 2, form->height());
        const int expected = qRound(double(form->QuoteMemo->width()) * 21 / width);
        QVERIFY(qAbs(form->QuoteMemo->font().pixelSize() - expected) <= 1);
        QVERIFY(form->QuoteMemo->font().pixelSize() > 21);
        QCOMPARE(form->AcrosticEdit->y() + form->AcrosticEdit->height() + 6, form->height() - 8);
    }

    void countLabel_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("backspaces");
        QTest::addColumn<QString>("count");
        QTest::newRow("letters and spaces count") << "ab C" << 0 << "4";
        QTest::newRow("digits and punctuation do not") << "a1,b." << 0 << "2";
        QTest::newRow("backspace recounts the text") << "ab1,c" << 2 << "2";
    }
    void countLabel() {
        QFETCH(QString, typed);
        QFETCH(int, backspaces);
        QFETCH(QString, count);
        auto form = openForm();
        QTest::keyClicks(form->QuoteMemo, typed);
        for (int i = 0; i < backspaces; ++i)
            QTest::keyClick(form->QuoteMemo, Qt::Key_Backspace);
        QCOMPARE(form->QcLbl->text(), count);
    }

    void pastedTextIsNotCounted() {
        auto form = openForm();
        form->QuoteMemo->insertPlainText(QStringLiteral("pasted text"));
        QCOMPARE(form->QcLbl->text(), QStringLiteral("0"));
    }

    void formatShowsTheGridAndInitials() {
        auto form = openForm();
        form->QuoteMemo->setPlainText(kQuotation);
        form->AcrosticEdit->setText(QStringLiteral("Emerson Trail"));
        QTest::mouseClick(form->FormatBtn, Qt::LeftButton);
        QVERIFY(dialogs.shown.isEmpty());
        const QStringList rows = form->QuoteMemo->toPlainText().split(u'\n');
        QCOMPARE(rows.size(), 8);
        QCOMPARE(rows.first(), QStringLiteral("THE·ONLY·WAY·TO·"));
        QCOMPARE(form->AcrosticEdit->text(),
                 QStringLiteral("EMERSONTRAIL").leftJustified(31, u' '));
        if (qEnvironmentVariableIsSet("IXV_SCREENSHOT_DIR"))
            form->grab().save(qEnvironmentVariable("IXV_SCREENSHOT_DIR") + "/inputform.png");

        // Edits after Format do not change the puzzle Make closes with.
        const PuzzleRecord before = *form->builtPuzzle();
        form->QuoteMemo->setPlainText(QStringLiteral("something else entirely"));
        QTest::mouseClick(form->MakeBtn, Qt::LeftButton);
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QCOMPARE(form->builtPuzzle()->toBytes(), before.toBytes());
    }

    void refusals_data() {
        QTest::addColumn<QString>("quotation");
        QTest::addColumn<QString>("authorTitle");
        QTest::addColumn<bool>("manual");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("sounds");
        // The dialog's own prompts come as attention boxes, the construction's refusals as
        // information boxes with the warning sound.
        const auto add = [](const char* name, const QString& quotation, const QString& authorTitle,
                            bool manual, const QString& width, const QString& message) {
            const bool attention = message.startsWith(QLatin1String("Please Input"));
            QTest::newRow(name) << quotation << authorTitle << manual << width
                                << (attention ? "attention" : "information") << message
                                << QStringList{attention ? "attention" : "warning"};
        };
        add("no quotation", "", "Emerson", false, "10", "Please Input the Source Quotation!");
        add("blank author-title", kQuotation, "   ", false, "10",
            "Please Input the Author-Title Line!");
        add("spaces are a quotation", "   ", "A", false, "10",
            "The Author-Title line contains the letter A that does not appear in the Quotation. "
            "Please correct the Author-Title line or cancel construction.");
        add("manual width not a number", kQuotation, "Emerson", true, "1x",
            "The grid width must be a whole number from 10 to 31. Please adjust the grid size or "
            "cancel construction.");
    }
    void refusals() {
        QFETCH(QString, quotation);
        QFETCH(QString, authorTitle);
        QFETCH(bool, manual);
        QFETCH(QString, width);
        QFETCH(QString, kind);
        QFETCH(QString, message);
        QFETCH(QStringList, sounds);
        auto form = openForm();
        form->QuoteMemo->setPlainText(quotation);
        form->AcrosticEdit->setText(authorTitle);
        if (manual)
            QTest::mouseClick(form->ManualBtn, Qt::LeftButton);
        QCOMPARE(form->WidthEd->isEnabled(), manual);
        form->WidthEd->setText(width);
        QTest::mouseClick(form->MakeBtn, Qt::LeftButton);
        QVERIFY(form->isVisible());
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown[0].kind, kind);
        QCOMPARE(dialogs.shown[0].text, message);
        QCOMPARE(this->sounds.played, sounds);
        QCOMPARE(form->QuoteMemo->toPlainText(), quotation); // texts stay for correcting
    }

    void autoResetsTheManualSize() {
        auto form = openForm();
        QTest::mouseClick(form->ManualBtn, Qt::LeftButton);
        form->WidthEd->setText("20");
        form->HeightEd->setText("12");
        QTest::mouseClick(form->AutoBtn, Qt::LeftButton);
        QCOMPARE(form->WidthEd->text(), QStringLiteral("10"));
        QCOMPARE(form->HeightEd->text(), QStringLiteral("8"));
        QVERIFY(!form->HeightEd->isEnabled());
    }

    void cancelAfterFormatLeavesTheOpenPuzzle() {
        ctx->puzzle.GridWidth = 17; // stands for the puzzle that was open
        const QByteArray open = ctx->puzzle.toBytes();
        auto form = openForm();
        form->QuoteMemo->setPlainText(kQuotation);
        form->AcrosticEdit->setText(QStringLiteral("Emerson"));
        QTest::mouseClick(form->FormatBtn, Qt::LeftButton);
        QTest::keyClick(form.get(), Qt::Key_Escape);
        QCOMPARE(form->result(), int(QDialog::Rejected));
        QCOMPARE(ctx->puzzle.toBytes(), open);
    }

    // Apostrophes and hyphens become squares once the dialog has opened while AllowHyph was 1,
    // and stay squares for the rest of the run.
    void hyphensStayOnceTaken() {
        const QString quotation = QStringLiteral("Don't stop - go on");
        auto squaresOf = [&](int allowHyph) {
            Settings::writeFlag(*procs, Settings::AllowHyph, allowHyph == 1);
            auto form = openForm();
            form->QuoteMemo->setPlainText(quotation);
            form->AcrosticEdit->setText(QStringLiteral("Go"));
            QTest::mouseClick(form->FormatBtn, Qt::LeftButton);
            return form->QuoteMemo->toPlainText().remove(u'\n');
        };
        QVERIFY(!squaresOf(0).contains(u'\''));
        QVERIFY(squaresOf(1).contains(QStringLiteral("DON'T")));
        QVERIFY(squaresOf(0).contains(QStringLiteral("·-·")));
    }
};

QTEST_MAIN(Tst_InputForm)
#include "tst_inputform.moc"
