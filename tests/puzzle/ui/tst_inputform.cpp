#include "ScriptedDialogs.h"
#include "TestEnv.h"
#include "TestPuzzles.h"
#include "app/AppContext.h"
#include "puzzle/ui/TIxv7InputForm.h"

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

    std::unique_ptr<TIxv7InputForm> openForm() {
        auto form = std::make_unique<TIxv7InputForm>(*ctx, QStringLiteral("/tmp/my puzzle.ixv"));
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
        QTest::addColumn<QString>("width"); // empty: the automatic size
        QTest::addColumn<QString>("message");
        const auto add = [](const char* name, const QString& quotation, const QString& authorTitle,
                            const QString& width, const QString& message) {
            QTest::newRow(name) << quotation << authorTitle << width << message;
        };
        add("no quotation", "", "Emerson", "", "Please Input the Source Quotation!");
        add("spaces are a quotation", "   ", "A", "",
            "The Author-Title line contains the letter A that does not appear in the Quotation. "
            "Please correct the Author-Title line or cancel construction.");
        add("manual width not a number", kQuotation, "Emerson", "1x",
            "The grid width must be a whole number from 10 to 31. Please adjust the grid size or "
            "cancel construction.");
    }
    // The dialog's own prompts come as attention boxes, the construction's refusals as
    // information boxes with the warning sound; the texts stay for correcting.
    void refusals() {
        QFETCH(QString, quotation);
        QFETCH(QString, authorTitle);
        QFETCH(QString, width);
        QFETCH(QString, message);
        auto form = openForm();
        form->QuoteMemo->setPlainText(quotation);
        form->AcrosticEdit->setText(authorTitle);
        if (!width.isEmpty()) {
            QTest::mouseClick(form->ManualBtn, Qt::LeftButton);
            form->WidthEd->setText(width);
        }
        QTest::mouseClick(form->MakeBtn, Qt::LeftButton);
        QVERIFY(form->isVisible());
        const bool prompt = message.startsWith(QLatin1String("Please Input"));
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown[0].kind, QString(prompt ? "attention" : "information"));
        QCOMPARE(dialogs.shown[0].text, message);
        QCOMPARE(sounds.played, QStringList{prompt ? "attention" : "warning"});
        QCOMPARE(form->QuoteMemo->toPlainText(), quotation);
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
};

QTEST_MAIN(Tst_InputForm)
#include "tst_inputform.moc"
