#pragma once

// What the tests of PDF files share: a fixed clock, documents taken apart, failures caught,
// readers run, and a German locale.
#include "pdf/PdfEngine.h"
#include "pdf/PdfError.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <clocale>
#include <cstdio>
#include <functional>

namespace PdfTest {

inline QDateTime fixedNow() {
    return QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15));
}

// An engine as the PDF preview sets it up: Letter, tenths of a millimetre, fonts embedded, the
// clock fixed.
inline void setUp(PdfEngine& engine, TOutputChannel channel, const QString& fileName = {}) {
    engine.setClock(fixedNow);
    engine.setPaperSizeName(QStringLiteral("Letter"));
    engine.setLengthUnit(TLengthUnit::luTenth);
    engine.setEmbedFonts(true);
    engine.setChannel(channel);
    engine.setFileName(fileName);
}

// The file without the two lines that change with the moment it was made.
inline QByteArray withoutDateAndId(QByteArray pdf) {
    static const QRegularExpression volatileLines(
        QStringLiteral("^(/CreationDate\\(D:\\d{14}\\)|/ID\\[\\(\\w*\\)\\(\\w*\\)\\])\\n"),
        QRegularExpression::MultilineOption);
    return QString::fromLatin1(pdf).remove(volatileLines).toLatin1();
}

// The content streams of the pages, in file order: the stream of every dictionary that holds
// nothing but /Length.
inline QList<QByteArray> pageContents(const QByteArray& pdf) {
    QList<QByteArray> pages;
    static const QRegularExpression header(QStringLiteral("<<\\n/Length (\\d+)\\n>>\\nstream\\n"));
    const QString text = QString::fromLatin1(pdf);
    for (auto it = header.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        pages.append(pdf.mid(match.capturedEnd(), match.captured(1).toLongLong()));
    }
    return pages;
}

inline QList<QByteArray> lines(const QByteArray& content) {
    QList<QByteArray> out = content.split('\n');
    if (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out;
}

// The object with this number, from its "N 0 obj" line to its "endobj".
inline QByteArray object(const QByteArray& pdf, int number) {
    const QByteArray head = '\n' + QByteArray::number(number) + " 0 obj\n";
    const qsizetype start = pdf.indexOf(head);
    if (start < 0)
        return {};
    const qsizetype end = pdf.indexOf("\nendobj\n", start) + 8;
    return pdf.mid(start + 1, end - start - 1);
}

struct Failure {
    bool raised = false;
    QString reason;
    QString subject;
};

inline Failure failureOf(const std::function<void()>& action) {
    Failure failure;
    try {
        action();
    } catch (const PdfError& error) {
        failure.raised = true;
        failure.reason = error.reason();
        failure.subject = error.subject();
    }
    return failure;
}

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline ToolRun
run(const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ToolRun result;
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

// What pdffonts lists: each TrueType font with WinAnsi encoding, by name, and "yes" or "no"
// for whether the file carries it. Empty when pdffonts fails.
inline QMap<QString, QString> embeddedFonts(const QString& pdf) {
    const ToolRun fonts = run(QStringLiteral("pdffonts"), {pdf});
    QMap<QString, QString> embedded;
    if (fonts.exitCode != 0)
        return embedded;
    static const QRegularExpression row(
        QStringLiteral("^(\\S.*?)\\s+TrueType\\s+WinAnsi\\s+(yes|no)\\s+no\\s+no\\s+\\d+\\s+0$"),
        QRegularExpression::MultilineOption);
    for (auto it = row.globalMatch(QString::fromUtf8(fonts.out)); it.hasNext();) {
        const auto match = it.next();
        embedded.insert(match.captured(1), match.captured(2));
    }
    return embedded;
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Numbers in a German locale are written with a decimal comma, by the program (QLocale) and
// by the C library. Where the system has no German locale, one is made in a folder of the
// test's own.
class GermanLocale {
public:
    GermanLocale() {
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
            QProcess::execute(QStringLiteral("localedef"),
                              {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                               QStringLiteral("UTF-8"),
                               m_folder.filePath(QStringLiteral("de_DE.UTF-8"))});
            qputenv("LOCPATH", QFile::encodeName(m_folder.path()));
            std::setlocale(LC_ALL, "de_DE.UTF-8");
        }
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    ~GermanLocale() {
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
    }
    GermanLocale(const GermanLocale&) = delete;
    GermanLocale& operator=(const GermanLocale&) = delete;

    // Whether both the program and the C library now write 1.5 as "1,5".
    static bool active() {
        char decimal[8];
        std::snprintf(decimal, sizeof decimal, "%.1f", 1.5);
        return QByteArray(decimal) == "1,5" && QLocale().toString(1.5) == QStringLiteral("1,5");
    }

private:
    QTemporaryDir m_folder;
};

} // namespace PdfTest
