#include "TestEnv.h"
#include "TestFiles.h"
#include "app/History.h"

#include <QtTest>

#include <unistd.h>

namespace {
QStringList numbered(int from, int to) {
    QStringList lines;
    for (int i = from; i <= to; ++i)
        lines << QStringLiteral("@/p%1.ixv").arg(i);
    return lines;
}
} // namespace

class Tst_History : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;

    QString root() const { return dir->path(); }
    QString at(QString text) const { return text.replace(u'@', root()); }
    QStringList at(QStringList lines) const {
        for (QString& line : lines)
            line = at(line);
        return lines;
    }
    void touch(const QString& path) const { QVERIFY(writeBytes(path, "")); }
    void seed(const History& history, const QStringList& lines) const {
        QVERIFY(QDir().mkpath(history.folder()));
        history.write(lines);
    }
    QByteArray fileBytes(const History& history) const { return readBytes(history.filePath()); }

private slots:
    void init() { dir = std::make_unique<QTemporaryDir>(); }

    void fileBytesAreCrLfLinesMostRecentFirst() {
        const History history(root() + QStringLiteral("/data"));
        QVERIFY(!QFileInfo::exists(history.folder()));
        QVERIFY(!history.exists());
        QVERIFY(history.read().isEmpty());
        history.AddToHistory(QStringLiteral("/p/a.ixv"), 20);
        history.AddToHistory(QString::fromUtf8("/p/café puzzle.ixv"), 20);
        QCOMPARE(history.filePath(), root() + QStringLiteral("/data/Tamberlin/IxvHistory.LISZT"));
        QCOMPARE(fileBytes(history), QByteArray("/p/caf\xc3\xa9 puzzle.ixv\r\n/p/a.ixv\r\n"));
        QCOMPARE(history.read(),
                 (QStringList{QString::fromUtf8("/p/café puzzle.ixv"), "/p/a.ixv"}));
    }

    // A list that exists but cannot be read is never replaced by a shorter one.
    void unreadableListIsLeftAsItIs_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a folder in its place") << "folder";
        QTest::newRow("too large to be a list") << "huge";
    }
    void unreadableListIsLeftAsItIs() {
        QFETCH(QString, kind);
        const History history(root());
        QVERIFY(QDir().mkpath(history.folder()));
        QByteArray huge;
        if (kind == "folder") {
            QVERIFY(QDir().mkpath(history.filePath()));
        } else {
            huge = QByteArray(5 * 1024 * 1024, 'x');
            QVERIFY(writeBytes(history.filePath(), huge));
        }
        history.PruneHistory();
        QCOMPARE(history.AddToHistory(at("@/new.ixv"), 20), QStringList());
        QCOMPARE(history.read(), QStringList());
        const QFileInfo info(history.filePath());
        QCOMPARE(info.isDir(), kind == "folder");
        if (kind == "huge")
            QCOMPARE(fileBytes(history), huge);
        QVERIFY(!info.isFile() || kind == "huge");
    }

    // '@' stands for the test's folder. Files listed in existing are made before the addition;
    // "@/same.ixv" is made a hard link to the first of them.
    void addToHistory_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QStringList>("after");

        QTest::newRow("new file goes first")
            << QStringList{"/p/a.ixv", "/p/b.ixv"} << QStringList{} << "/p/c.ixv" << 20
            << QStringList{"/p/c.ixv", "/p/a.ixv", "/p/b.ixv"};
        QTest::newRow("listed file moves up, no duplicate")
            << QStringList{"/p/a.ixv", "/p/b.ixv", "/p/c.ixv"} << QStringList{} << "/p/c.ixv" << 20
            << QStringList{"/p/c.ixv", "/p/a.ixv", "/p/b.ixv"};
        QTest::newRow("full list drops its last line")
            << numbered(1, 20) << QStringList{} << "@/new.ixv" << 20
            << QStringList{"@/new.ixv"} + numbered(1, 19);
        QTest::newRow("listed file in a full list drops nothing")
            << numbered(1, 20) << QStringList{} << "@/p20.ixv" << 20
            << QStringList{"@/p20.ixv"} + numbered(1, 19);
        QTest::newRow("smaller maximum cuts the list")
            << numbered(1, 5) << QStringList{} << "@/p9.ixv" << 3
            << QStringList{"@/p9.ixv", "@/p1.ixv", "@/p2.ixv"};
        QTest::newRow("other case is another file here")
            << QStringList{"@/x.ixv", "/p/b.ixv"} << QStringList{"@/x.ixv", "@/X.ixv"} << "@/X.ixv"
            << 20 << QStringList{"@/X.ixv", "@/x.ixv", "/p/b.ixv"};
        QTest::newRow("same file in other case keeps the listed spelling")
            << QStringList{"/p/b.ixv", "@/SAME.ixv"} << QStringList{"@/SAME.ixv"} << "@/same.ixv"
            << 20 << QStringList{"@/SAME.ixv", "/p/b.ixv"};
    }
    void addToHistory() {
        QFETCH(QStringList, before);
        QFETCH(QStringList, existing);
        QFETCH(QString, opened);
        QFETCH(int, maximum);
        QFETCH(QStringList, after);
        for (const QString& file : at(existing))
            touch(file);
        if (at(opened).endsWith(QStringLiteral("/same.ixv")))
            QCOMPARE(::link(QFile::encodeName(at(existing.first())).constData(),
                            QFile::encodeName(at(opened)).constData()),
                     0);

        const History history(root());
        seed(history, at(before));
        QCOMPARE(history.AddToHistory(at(opened), maximum), at(after));
        QCOMPARE(history.read(), at(after));
        QCOMPARE(fileBytes(history), (at(after).join(QStringLiteral("\r\n")) + "\r\n").toUtf8());
    }

    void pruneDropsLinesOfDeletedFiles_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("deleted files go")
            << QStringList{"@/a.ixv", "@/gone.ixv", "@/b.ixv", "/nowhere/c.ixv"}
            << QByteArray("@/a.ixv\r\n@/b.ixv\r\n");
        QTest::newRow("blank lines go")
            << QStringList{"", "@/a.ixv", ""} << QByteArray("@/a.ixv\r\n");
        QTest::newRow("nothing left, empty file") << QStringList{"@/gone.ixv"} << QByteArray();
    }
    void pruneDropsLinesOfDeletedFiles() {
        QFETCH(QStringList, before);
        QFETCH(QByteArray, after);
        touch(at("@/a.ixv"));
        touch(at("@/b.ixv"));
        const History history(root());
        seed(history, at(before));
        history.PruneHistory();
        QVERIFY(history.exists());
        QCOMPARE(fileBytes(history), after.replace('@', root().toUtf8()));
    }
};

QTEST_GUILESS_MAIN(Tst_History)
#include "tst_history.moc"
