// How a tool's command line from the preferences becomes a program and its arguments.
#include "TestEnv.h"
#include "app/ToolLauncher.h"

#include <QtTest>

class Tst_ToolCommand : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    // A file in a folder whose name holds a space, executable or not.
    QString tool(const QString& name, bool executable) {
        const QString folder = m_dir.filePath(QStringLiteral("my tools"));
        QDir().mkpath(folder);
        const QString path = folder + u'/' + name;
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("#!/bin/sh\n");
        file.close();
        QFile::setPermissions(path, executable ? QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                               : QFileDevice::ReadOwner);
        return path;
    }

private slots:
    void commandWords_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("words");
        const QString dict = tool(QStringLiteral("dict"), true);
        const QString notes = tool(QStringLiteral("notes"), false);
        QTest::newRow("executable path with a space, no quotes") << dict << QStringList{dict};
        QTest::newRow("the same with blanks around it") << "  " + dict + " " << QStringList{dict};
        QTest::newRow("the same path quoted, with an argument")
            << '"' + dict + "\" --word x" << QStringList{dict, "--word", "x"};
        QTest::newRow("a path that is not executable is split")
            << notes << (QStringList{notes.section(u' ', 0, 0), notes.section(u' ', 1)});
        QTest::newRow("program and arguments") << "dict --word 'two words'"
                                                << QStringList{"dict", "--word", "two words"};
        QTest::newRow("backslash keeps a space") << R"(my\ dict -x)" << QStringList{"my dict", "-x"};
        QTest::newRow("blank line") << "   " << QStringList{};
    }
    void commandWords() {
        QFETCH(QString, line);
        QTEST(ToolLauncher::commandWords(line), "words");
    }
};

QTEST_GUILESS_MAIN(Tst_ToolCommand)
#include "tst_toolcommand.moc"
