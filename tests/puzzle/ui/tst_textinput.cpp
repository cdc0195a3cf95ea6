// Every text field takes the same text whichever way it comes: typed, pasted, dropped or
// composed by an input method. Pasted and dropped text goes in without the characters a puzzle
// cannot hold, and the status bar says how many were left out. The clue field stops at 80.
#include "MainWindowFixture.h"
#include "TextEntry.h"
#include "app/ui/TMsgBar.h"
#include "puzzle/ui/TIxv7InputForm.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

// What a field holds afterwards: typed key by key; pasted (Ctrl+V, context menu, drop, Paste
// button); committed by an input method.
struct Outcome {
    QString typed, pasted, composed;
};

struct Input {
    const char* name;
    QString text;
    Outcome held;
    std::optional<Outcome> clueHeld; // where the clue field's limit makes a difference
    int leftOut = 0;                 // characters a paste or a drop leaves out
};

QString leftOutNotice(int count) {
    if (count == 0)
        return {};
    return count == 1 ? QStringLiteral("1 character that a puzzle cannot hold was left out.")
                      : QStringLiteral("%1 characters that a puzzle cannot hold were left out.")
                            .arg(count);
}

Outcome whole(const QString& text) {
    return {text, text, text};
}

QList<Input> inputs() {
    const QString y81(81, u'y');
    const QString y80(80, u'y');
    return {
        {"accented letter", "Caf\u00E9", whole("Caf\u00E9"), {}},
        {"euro sign", "5 \u20AC", whole("5 \u20AC"), {}},
        {"snowman", "snow \u2603 man", {"snow  man", "snow  man", ""}, {}, 1},
        {"character outside the BMP", "clef \U0001D11E", {"clef ", "clef ", ""}, {}, 1},
        {"nothing a puzzle can hold", "\u2603\u2602", {"", "", ""}, {}, 2},
        {"81 characters and a snowman", y81 + "\u2603", {y81, y81, ""}, Outcome{y80, y80, ""}, 1},
    };
}

const char* const kFields[] = {"quotation",     "author-title", "manual width",
                               "manual height", "By:",          "clue"};

} // namespace

class Tst_TextInput : public MainWindowFixture {
    Q_OBJECT

    TIxv7InputForm* construction = nullptr;

    // The construction tool window and the clue window take turns at the bottom.
    void showWindowOf(const QString& field) {
        if (field == "clue" && !clues()->isShownNormally()) {
            openClues();
        } else if (field == "By:" && !tool()->isShownNormally()) {
            press(QStringLiteral("AutoclueBtn"));
            IXV_TRY_VERIFY(tool()->isShownNormally());
        }
    }
    QWidget* fieldNamed(const QString& field) {
        if (field == "quotation")
            return construction->QuoteMemo;
        if (field == "author-title")
            return construction->AcrosticEdit;
        if (field == "manual width")
            return construction->WidthEd;
        if (field == "manual height")
            return construction->HeightEd;
        return field == "By:" ? tool()->ByEd : clues()->DefEdit;
    }
    static QString textOf(QWidget* field) {
        if (auto* box = qobject_cast<QPlainTextEdit*>(field))
            return box->toPlainText();
        return static_cast<QLineEdit*>(field)->text();
    }

private slots:
    void initTestCase() {
        setUp();
        showPuzzle(savePuzzle(QStringLiteral("Emerson.ixv"), emersonPuzzle()));
        construction = new TIxv7InputForm(*ctx, path(QStringLiteral("New.ixv")), form.get());
        construction->show();
        QVERIFY(QTest::qWaitForWindowExposed(construction, TestEnv::kEventWaitMs));
        QTest::mouseClick(construction->ManualBtn, Qt::LeftButton); // the size fields take text
    }
    void cleanupTestCase() { tearDown(); }

    void everyWayIntoEveryField_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("held");
        QTest::addColumn<QString>("notice"); // in the status bar's message panel
        for (const char* field : kFields) {
            const bool clue = QLatin1String(field) == QLatin1String("clue");
            QStringList ways = {"typed", "Ctrl+V", "context menu", "dropped", "composed"};
            if (clue)
                ways << "Paste button";
            for (const QString& way : ways) {
                for (const Input& input : inputs()) {
                    const Outcome& o = clue && input.clueHeld ? *input.clueHeld : input.held;
                    const QString& held = way == "typed"      ? o.typed
                                          : way == "composed" ? o.composed
                                                              : o.pasted;
                    const bool pasted = way != "typed" && way != "composed";
                    QTest::addRow("%s, %s, %s", field, qPrintable(way), input.name)
                        << QString::fromLatin1(field) << way << input.text << held
                        << leftOutNotice(pasted ? input.leftOut : 0);
                }
            }
        }
    }
    void everyWayIntoEveryField() {
        QFETCH(QString, field);
        QFETCH(QString, way);
        QFETCH(QString, text);
        QFETCH(QString, held);
        QFETCH(QString, notice);
        showWindowOf(field);
        QWidget* edit = fieldNamed(field);
        QMetaObject::invokeMethod(edit, "clear");
        QCOMPARE(textOf(edit), QString());
        form->MsgBar->setPanelText(1, QString());
        if (way == "typed") {
            TextEntry::type(edit, text);
        } else if (way == "Ctrl+V") {
            TextEntry::pasteWithCtrlV(edit, text);
        } else if (way == "context menu") {
            TextEntry::pasteFromContextMenu(edit, text);
        } else if (way == "dropped") {
            TextEntry::drop(edit, text);
        } else if (way == "composed") {
            TextEntry::compose(edit, text);
        } else {
            QApplication::clipboard()->setText(text);
            clickCentre(clues()->InsertBtn);
        }
        QCOMPARE(textOf(edit), held);
        QCOMPARE(form->MsgBar->panelText(1), notice);
    }
};

QTEST_MAIN(Tst_TextInput)
#include "tst_textinput.moc"
