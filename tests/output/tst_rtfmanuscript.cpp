// The RTF manuscript and the clues text: byte for byte against files written by hand (the
// thirty-word files are compared in tst_cli), the file written under the chosen name, the
// escaping of RTF's own characters, and LibreOffice reading the result.
#include "ExportPuzzles.h"
#include "TestFiles.h"
#include "output/CluesText.h"
#include "output/RtfManuscript.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The document's text as LibreOffice reads it (UTF-8), or why it could not.
QString libreOfficeText(const QString& rtfFile, const QString& workDir, QString* why) {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) {
        *why = QStringLiteral("soffice is not installed");
        return {};
    }
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(soffice, {QStringLiteral("-env:UserInstallation=file://%1/profile").arg(workDir),
                      QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                      QStringLiteral("txt:Text (encoded):UTF8"), QStringLiteral("--outdir"),
                      workDir + QStringLiteral("/text"), rtfFile});
    p.waitForFinished(-1);
    // soffice reports success even when it converted nothing: the file tells.
    QFile text(workDir + QStringLiteral("/text/") + QFileInfo(rtfFile).completeBaseName() +
               QStringLiteral(".txt"));
    if (!text.open(QIODevice::ReadOnly)) {
        *why = QStringLiteral("LibreOffice wrote no text: ") + QString::fromLocal8Bit(p.readAll());
        return {};
    }
    return QString::fromUtf8(text.readAll());
}

} // namespace

class Tst_RtfManuscript : public QObject {
    Q_OBJECT

private slots:
    // The default address of four lines; numbers 9, 10, 100; a gap; quotes; braces and a
    // backslash in a clue; the list stops at the first empty clue.
    void manuscriptAndCluesAsWrittenByHand() {
        const auto settings = emptySettings();
        const QByteArray manuscript = goldenFile(QStringLiteral("manuscript.rtf"));
        const QByteArray clues = goldenFile(QStringLiteral("manuscript-clues.txt"));
        QVERIFY(!manuscript.isEmpty() && !clues.isEmpty());
        QCOMPARE(RtfManuscript::text(manuscriptPuzzle(), *settings, QStringLiteral("Puzzle")),
                 manuscript);
        QCOMPARE(CluesText(manuscriptPuzzle()), clues);
    }

    // The file is written under exactly the chosen name, whatever its letter case, and its
    // title is that name without the extension.
    void writesTheChosenName_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("title");
        QTest::newRow("upper-case extension") << "Puzzle.RTF"
                                              << "Puzzle";
        QTest::newRow("dots in the name") << "Sunday.v2.rtf"
                                          << "Sunday.v2";
    }
    void writesTheChosenName() {
        QFETCH(QString, chosen);
        QFETCH(QString, title);
        QTemporaryDir dir;
        const auto settings = emptySettings();
        const PuzzleRecord record = manuscriptPuzzle();
        RtfManuscript::WriteRtfManuscript(record, *settings, dir.filePath(chosen));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{chosen});
        QCOMPARE(readBytes(dir.filePath(chosen)), RtfManuscript::text(record, *settings, title));
    }

    // Settings and file names are Unicode: what Windows-1252 holds goes out as its bytes, the
    // rest as RTF Unicode escapes (a signed 16-bit code unit, then '?').
    void unicodeTextAsRtf_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("rtf");
        QTest::newRow("code-page letters as bytes")
            << QStringLiteral("Zoë €") << QByteArray("Zo\xEB \x80");
        QTest::newRow("braces and backslash escaped")
            << QStringLiteral("{a}\\b") << QByteArray("\\{a\\}\\\\b");
        QTest::newRow("letters outside the code page") << QStringLiteral("Łódź")
                                                       << QByteArray("\\u321?\xF3"
                                                                     "d\\u378?");
        QTest::newRow("beyond 16 bits: both halves, signed")
            << QString::fromUcs4(U"\U0001F600") << QByteArray("\\u-10179?\\u-8704?");
    }
    void unicodeTextAsRtf() {
        QFETCH(QString, text);
        QTEST(RtfManuscript::escaped(text), "rtf");
    }

    // A word processor reads the whole document, the hostile clue included: every listed clue
    // with its curly quotes, the letters and numbers, and the second section after them.
    void libreOfficeReadsTheManuscript() {
        QTemporaryDir dir;
        const QString file = dir.filePath("Puzzle.rtf");
        const auto settings = emptySettings();
        RtfManuscript::WriteRtfManuscript(manuscriptPuzzle(), *settings, file);
        QString why;
        const QString text = libreOfficeText(file, dir.path(), &why);
        if (text.isEmpty())
            QSKIP(qPrintable(why));
        const QString nbsp(QChar(0xA0));
        const QStringList expected = {
            QStringLiteral("\tA.\tHe said \u201Cgo\u201D and it\u2019s done\n"),
            QStringLiteral("\tB.\tBraces {x} and a \\ slash\n"),
            QStringLiteral("\tC.\tNo letters yet\n"),
            nbsp + "I" + nbsp + " " + nbsp + "J" + nbsp + " " + nbsp + "V" + nbsp,
            nbsp + "9" + nbsp + " " + nbsp + "10 100",
            nbsp + "K" + nbsp,
            nbsp + "11 " + nbsp + "12",
            QStringLiteral("Your Name\nAddress 1\nAddress 2\nAddress 3\n"),
            QStringLiteral("Insert puzzle grid as graphic file or from Clipboard."),
        };
        for (const QString& part : expected)
            QVERIFY2(text.contains(part), qPrintable(part + QStringLiteral(" in:\n") + text));
        QVERIFY(!text.contains(QStringLiteral("Never listed")));
        QCOMPARE(text.count(QStringLiteral("Your Name")), 2);
        QVERIFY(text.indexOf(QStringLiteral("No letters yet")) <
                text.lastIndexOf(QStringLiteral("Insert puzzle grid")));
    }
};

QTEST_MAIN(Tst_RtfManuscript)
#include "tst_rtfmanuscript.moc"
