// The clipboard as another program sees it: after each item of the Clipboard menu, xclip, a
// separate process, lists the types on offer and reads the picture or the text.
#include "MainWindowFixture.h"
#include "base/Codepage.h"
#include "output/CluesText.h"
#include "output/GridImageFiles.h"

#include <QApplication>
#include <QEventLoop>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace {

// What xclip printed. The event loop runs meanwhile, so that this program answers xclip's
// requests for the clipboard it owns.
QByteArray xclip(const QStringList& args) {
    QProcess p;
    QEventLoop loop;
    QObject::connect(&p, &QProcess::finished, &loop, &QEventLoop::quit);
    p.start(QStringLiteral("xclip"), QStringList{"-selection", "clipboard"} + args);
    if (!p.waitForStarted(-1))
        return {};
    if (p.state() != QProcess::NotRunning)
        loop.exec();
    return p.readAllStandardOutput();
}

} // namespace

class Tst_ClipboardX11 : public MainWindowFixture {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QStringLiteral("xcb"))
            QSKIP("needs an X server");
        if (QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty())
            QSKIP("xclip is not installed");
    }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void anotherProgramReadsEachItem_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("kind"); // 0: the clues text
        QTest::newRow("Solving Grid") << 0 << "image/svg+xml" << 1;
        QTest::newRow("Clues") << 1 << "UTF8_STRING" << 0;
        QTest::newRow("Solution Grid") << 2 << "image/svg+xml" << 2;
        QTest::newRow("MS Solution Grid") << 3 << "image/svg+xml" << 3;
    }
    void anotherProgramReadsEachItem() {
        QFETCH(int, item);
        QFETCH(QString, type);
        QFETCH(int, kind);
        PuzzleRecord record = emersonPuzzle();
        record.clue(1).assign("Poet's \"friend\" \xE9t\xE9");
        record.clue(2).assign("Second");
        showPuzzle(savePuzzle("Emerson.ixv", record));
        form->ClipMenu->actions().at(item)->trigger();

        const QStringList targets =
            QString::fromLatin1(xclip({"-t", "TARGETS", "-o"})).split(u'\n', Qt::SkipEmptyParts);
        QByteArray expected;
        if (kind == 0) {
            expected = Codepage::toUnicode(CluesText(rec())).toUtf8();
            QVERIFY2(targets.contains("text/plain"), qPrintable(targets.join(' ')));
            QVERIFY(expected.contains("\xC3\xA9t\xC3\xA9")); // é in UTF-8
            QVERIFY(expected.endsWith("\r\n"));
            QCOMPARE(xclip({"-t", "text/plain", "-o"}), expected);
        } else {
            expected = GridImageFiles::svg(layoutGridImage(rec(), GridImageKind(kind)), QString());
            QVERIFY2(targets.contains("image/png"), qPrintable(targets.join(' ')));
            const QImage png = QImage::fromData(xclip({"-t", "image/png", "-o"}), "PNG");
            QCOMPARE(png.size(), QSize(482, 242) * GridImageFiles::kPngScale);
        }
        QVERIFY2(targets.contains(type), qPrintable(targets.join(' ')));
        QCOMPARE(xclip({"-t", type, "-o"}), expected);
    }
};

int main(int argc, char** argv) {
    // Another process reads the clipboard, so this test runs on the X server rather than on the
    // screenless platform of the other tests.
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    Tst_ClipboardX11 test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_clipboardx11.moc"
