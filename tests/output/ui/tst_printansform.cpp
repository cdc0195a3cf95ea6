// The Solution window: the text it starts with, "Case", and the lines its box shows (which
// the solution page prints).
#include "../OutputFixtures.h"
#include "TestEnv.h"
#include "base/WindowFonts.h"
#include "output/ui/TIxv7PrintAnsForm.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QtTest>

namespace {

// The lines of the box as it lays its text out on screen.
QList<QByteArray> shownLines(QPlainTextEdit* memo) {
    QList<QByteArray> lines;
    for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next()) {
        const QByteArray text = block.text().toLatin1();
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i)
            lines << text.mid(layout->lineAt(i).textStart(), layout->lineAt(i).textLength());
        if (layout->lineCount() == 0)
            lines << QByteArray();
    }
    return lines;
}

} // namespace

class Tst_PrintAnsForm : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> owner;
    std::unique_ptr<TIxv7PrintAnsForm> open(const PuzzleRecord& record) {
        auto form = std::make_unique<TIxv7PrintAnsForm>(record, owner.get());
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get(), TestEnv::kEventWaitMs))
            return nullptr;
        return form;
    }

private slots:
    void initTestCase() {
        WindowFonts::installSubstitutions();
        owner = std::make_unique<QWidget>();
    }

    // The box starts with the solution text of the puzzle (its paragraphs are worked out in
    // tst_solutiontext); "Case" switches the box's text.
    void startsWithTheSolutionAndCaseSwitchesIt() {
        TestPuzzle puzzle({"##NO#WAY", "OUT#####"});
        puzzle.letter(1, 1, 3, 1);
        puzzle.letter(2, 1, 2, 2);
        const auto form = open(puzzle.record);
        QVERIFY(form);
        QCOMPARE(form->text(), QByteArray("NO WAYOUT\n\nNU"));
        QTest::mouseClick(form->CaseBtn, Qt::LeftButton);
        QCOMPARE(form->text(), QByteArray("No wayout\n\nnu"));
    }

    // What the box shows is what the solution page prints.
    void boxLinesAreThePrintedLines_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("the longest quotation") << QByteArray(
            "THE ONLY WAY TO HAVE A FRIEND IS TO BE ONE DO NOT GO WHERE THE PATH MAY "
            "LEAD GO INSTEAD WHERE THERE IS NO PATH AND LEAVE A TRAIL ALWAYS DO WHAT YOU "
            "ARE AFRAID TO DO WHAT LIES BEHIND US AND WHAT LIES BEFORE US ARE TINY "
            "MATTERS COMPARED TO WHAT LIES WITHIN US TO BE YOURSELF IN A WORLD THAT IS "
            "CONSTANTLY TRYING TO MAKE YOU SOMETHING ELSE IS THE GREATEST "
            "ACCOMPLISHMENT\n\nEMERSONTRAIL");
        QTest::newRow("a word longer than a line") << QByteArray(70, 'W') + " END";
        QTest::newRow("Windows-1252 letters") << QByteArray("CAF\xC9 \xC0 LA CR\xC8ME BR\xDBL\xC9"
                                                            "E "
                                                            "DU PR\xC9 AU BORD DE L'\xCE LE, "
                                                            "GAR\xC7ON, S'IL VOUS PLA\xCET");
    }
    void boxLinesAreThePrintedLines() {
        QFETCH(QByteArray, text);
        const auto form = open(TestPuzzle::lettered(10, 8).record);
        QVERIFY(form);
        form->QuoteMemo->setPlainText(QString::fromLatin1(text));
        QCoreApplication::processEvents();
        QVERIFY(form->SolutionText().size() > 1);
        QCOMPARE(shownLines(form->QuoteMemo), form->SolutionText());
        QCOMPARE(form->SolutionText(), SolutionText::wrap(text));
    }
};

QTEST_MAIN(Tst_PrintAnsForm)
#include "tst_printansform.moc"
