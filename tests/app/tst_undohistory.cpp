// The undo history of the open puzzle: going back and forward through sequences of edits, what
// the last one is called, the edited state, and the step limit.
#include "GridText.h"
#include "TestPuzzles.h"
#include "app/AppContext.h"
#include "puzzle/PuzzleFile.h"
#include "puzzle/WordOperations.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// THE CAT SAT ON THE MAT; word A begins at the first T, B at the C, C at the S.
PuzzleRecord smallPuzzle() {
    return gridOf({"THE#CAT#", "SAT#ON#T", "HE#MAT##"}, {"A...B...", "C.......", "........"});
}

// Runs a script of edits separated by ";", each ending as the windows end theirs:
//   pick W C R, out W P, spill W, retype C R X    word and quote edits
//   type W TEXT, leave                            clue keystrokes, a visit of the field ending
//   group, end                                    edits that form one step
//   name TEXT, save, undo, redo                   "By:" taken in at a save, undo and redo
void run(AppContext& ctx, const QString& script) {
    PuzzleRecord& rec = ctx.puzzle;
    for (const QString& command : script.split(u';', Qt::SkipEmptyParts)) {
        const QStringList a = command.split(u' ', Qt::SkipEmptyParts);
        const auto n = [&](int i) { return a[i].toInt(); };
        const QString& op = a[0];
        if (op == "pick")
            WordOps::pickSquare(rec, n(2), n(3), n(1));
        else if (op == "out")
            WordOps::takeLetterOut(rec, n(1), n(2));
        else if (op == "spill")
            WordOps::spill(rec, n(1));
        else if (op == "retype")
            WordOps::retypeSquare(rec, n(1), n(2), quint8(a[3][0].toLatin1()),
                                  WordOps::gridKeySet(ctx.letters));
        else if (op == "type") {
            for (const QChar ch : a[2]) {
                rec.clue(n(1)).assign(rec.clue(n(1)).bytes() + char(ch.unicode()));
                ctx.SetEdited(true);
            }
        } else if (op == "leave" || op == "end")
            ctx.endEditGroup();
        else if (op == "group")
            ctx.beginEditGroup();
        else if (op == "name")
            rec.ConstructorName.assign(a[1].toLatin1());
        else if (op == "save")
            ctx.SavePuzzle(ctx.CurrentFile);
        else if (op == "undo")
            QVERIFY(ctx.undo());
        else if (op == "redo")
            QVERIFY(ctx.redo());
        else
            QFAIL(qPrintable("unknown edit " + command));
        if (QStringList{"pick", "out", "spill", "retype"}.contains(op))
            ctx.SetEdited(true);
    }
}

} // namespace

class Tst_UndoHistory : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<TIxvProcs> procs;
    std::unique_ptr<AppContext> ctx;

private slots:
    // The small puzzle opened from its file, with nothing to undo.
    void init() {
        procs = freshProcs(nullptr);
        ctx = std::make_unique<AppContext>(*procs);
        ctx->CurrentFile = dir.filePath(QStringLiteral("Small.ixv"));
        PuzzleFile::SavePuzzle(ctx->CurrentFile, smallPuzzle());
        ctx->LoadPuzzle(ctx->CurrentFile);
    }

    void sequences_data() {
        QTest::addColumn<QString>("edits");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("last"); // the undo button's step after the edits
        QTest::newRow("picks, take-out, Spill")
            << "pick 1 2 1; pick 1 3 1; pick 1 2 2; out 1 3; spill 1" << 5 << "Spill of word A";
        QTest::newRow("two visits of a clue")
            << "type 3 Si; leave; type 3 ts" << 2 << "clue of word C";
        QTest::newRow("clues of two words") << "type 1 ab; type 2 cd" << 2 << "clue of word B";
        QTest::newRow("a group back where it began")
            << "pick 3 2 1; group; pick 3 3 1; out 3 3; end" << 1 << "pick of H in word C";
        QTest::newRow("a word's picks as one step")
            << "group; pick 3 2 1; pick 3 3 1; end; pick 3 6 2" << 2 << "pick of N in word C";
        QTest::newRow("everything") << "pick 2 2 1; type 2 Feline; leave; retype 7 1 s; out 2 2; "
                                       "pick 2 6 1; spill 2; name Ann; save"
                                    << 7 << "constructor's name";
    }
    void sequences() {
        QFETCH(QString, edits);
        QFETCH(int, steps);
        QFETCH(QString, last);
        const QByteArray opened = ctx->puzzle.toBytes();
        run(*ctx, edits);
        const QByteArray edited = ctx->puzzle.toBytes();
        const UndoHistory& history = ctx->undoHistory();
        QCOMPARE(history.undoSteps(), steps);
        QCOMPARE(history.undoDescription(), last);
        while (ctx->undo())
            ;
        QCOMPARE(ctx->puzzle.toBytes(), opened);
        QCOMPARE(ctx->Edited(), edits.contains("save")); // the file holds the edits then
        QCOMPARE(history.redoSteps(), steps);
        while (ctx->redo())
            ;
        QCOMPARE(ctx->puzzle.toBytes(), edited);
        // A new edit after an undo drops what could be redone.
        ctx->undo();
        run(*ctx, "retype 8 2 a");
        QVERIFY(!history.canRedo());
        QCOMPARE(history.undoSteps(), steps);
    }

    void editedState_data() {
        QTest::addColumn<QString>("edits");
        QTest::addColumn<bool>("edited");
        QTest::newRow("undone back to the file") << "pick 3 2 1; undo" << false;
        QTest::newRow("redone") << "pick 3 2 1; undo; redo" << true;
        QTest::newRow("saved, then undone") << "pick 3 2 1; save; undo" << true;
        QTest::newRow("saved, undone, redone") << "pick 3 2 1; save; undo; redo" << false;
        QTest::newRow("back to the saved bytes by other edits") << "pick 3 2 1; out 3 2" << true;
        QTest::newRow("undone past the save") << "pick 3 2 1; save; pick 3 3 1; undo; undo" << true;
    }
    void editedState() {
        QFETCH(QString, edits);
        QFETCH(bool, edited);
        run(*ctx, edits);
        QCOMPARE(ctx->Edited(), edited);
    }

    // The selected word stays while it has a letter.
    void selectedWord_data() {
        QTest::addColumn<int>("word");
        QTest::addColumn<int>("selected");
        QTest::newRow("word with an initial") << 3 << 3;
        QTest::newRow("word made by the undone pick") << 4 << 0;
    }
    void selectedWord() {
        QFETCH(int, word);
        QFETCH(int, selected);
        ctx->SelectedWord = word;
        run(*ctx, QStringLiteral("pick %1 2 1; undo").arg(word));
        QCOMPARE(ctx->SelectedWord, selected);
    }

    // Beyond 500 steps the oldest go; a step holds one record.
    void keepsFiveHundredSteps() {
        QByteArray after100;
        for (int i = 1; i <= 600; ++i) {
            run(*ctx, QStringLiteral("retype 2 1 %1").arg(i % 2 ? 'x' : 'y'));
            if (i == 100)
                after100 = ctx->puzzle.toBytes();
        }
        const UndoHistory& history = ctx->undoHistory();
        QCOMPARE(history.undoSteps(), UndoHistory::kMaxSteps);
        const qsizetype perStep = history.bytesHeld() / history.undoSteps();
        qInfo("one step takes %lld bytes", qlonglong(perStep));
        QVERIFY(perStep >= qsizetype(sizeof(PuzzleRecord)) && perStep < 12 * 1024);
        while (ctx->undo())
            ;
        QCOMPARE(ctx->puzzle.toBytes(), after100);
        QVERIFY(ctx->Edited());
    }
};

QTEST_GUILESS_MAIN(Tst_UndoHistory)
#include "tst_undohistory.moc"
