// The .ixv file: the record's bytes at their fixed offsets, what loading accepts and refuses,
// and a save that never destroys the previous file.
#include "TestFiles.h"
#include "puzzle/PuzzleFile.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <optional>

namespace {

constexpr int kFileSize = 11519;
constexpr int kNameAt = 11438;
int letterAt(int c, int r) {
    return 4 + (c - 1) * 21 + (r - 1);
}
int codeAt(int c, int r) {
    return 1306 + ((c - 1) * 21 + (r - 1)) * 2;
}
int squareOfAt(int k) {
    return 2608 + (k - 1) * 2;
}
int clueAt(int w) {
    return 9008 + (w - 1) * 81;
}

void put16(QByteArray& b, int at, qint16 v) {
    b[at] = char(v & 0xFF);
    b[at + 1] = char((quint16(v) >> 8) & 0xFF);
}

std::optional<IoError> loadError(const QString& path) {
    return raised<IoError>([&] { PuzzleFile::LoadPuzzle(path); });
}

// A consistent 10 x 8 puzzle: word 1 has letters 1..3 in row 1, word 2 its initial at (10, 8).
PuzzleRecord samplePuzzle() {
    PuzzleRecord rec = PuzzleRecord::zeroed();
    rec.ClearPuzzle(10, 8, "Ann Example");
    for (int c = 1; c <= 10; ++c)
        for (int r = 1; r <= 8; ++r)
            rec.letter(c, r) = quint8('A' + (c + r) % 26);
    rec.letter(5, 5) = BlackSquare;
    rec.code(5, 5) = CodeBlack;
    rec.setCode(1, 1, 101);
    rec.setCode(2, 1, 201);
    rec.setCode(3, 1, 301);
    rec.setCode(10, 8, 102);
    rec.clue(1).assign("Opening move");
    return rec;
}

// Root ignores permission bits; the immutable attribute stops even root. Removed again when
// the guard goes, also after a failed check.
class ReadOnly {
public:
    explicit ReadOnly(const QString& path) : m_path(path) {
        m_perms = QFile::permissions(path);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        m_immutable = QProcess::execute(QStringLiteral("chattr"), {"+i", path}) == 0;
    }
    ~ReadOnly() {
        if (m_immutable)
            QProcess::execute(QStringLiteral("chattr"), {"-i", m_path});
        QFile::setPermissions(m_path, m_perms);
    }

private:
    QString m_path;
    QFileDevice::Permissions m_perms;
    bool m_immutable = false;
};

} // namespace

class Tst_puzzlefile : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    // A puzzle cleared over what a previous one left behind: every field at its offset, the
    // text after a clue's length kept, the name cut to 80 characters.
    void fieldsLandAtTheirOffsets() {
        PuzzleRecord rec;
        std::memset(&rec, 0xEE, sizeof rec);
        rec.ClearPuzzle(31, 21, QByteArray(100, 'n'));
        QByteArray expected(kFileSize, '\0');
        put16(expected, 0, 31);
        put16(expected, 2, 21);
        for (int w = 1; w <= 30; ++w)
            expected.replace(clueAt(w) + 1, 80, QByteArray(80, '\xEE'));
        expected.replace(kNameAt, 81, char(80) + QByteArray(80, 'n'));
        // Column, row, code, word: first square; row 2; column 2 after 21 rows; last square.
        const int fields[][4] = {
            {1, 1, 101, 1}, {1, 2, 3030, 30}, {2, 1, 1507, 7}, {31, 21, 212, 12}};
        for (const auto& [c, r, code, word] : fields) {
            rec.letter(c, r) = 'Q';
            rec.setCode(c, r, qint16(code));
            rec.clue(word).assign("Clue");
            expected[letterAt(c, r)] = 'Q';
            put16(expected, codeAt(c, r), qint16(code));
            put16(expected, squareOfAt(code), qint16(c * 100 + r));
            expected.replace(clueAt(word), 5, char(4) + QByteArray("Clue"));
        }
        PuzzleFile::SavePuzzle(path("offsets.ixv"), rec);
        QCOMPARE(readBytes(path("offsets.ixv")), expected);
    }

    void loadTakesTheFirst11519Bytes_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("loads");
        QTest::newRow("exact size") << kFileSize << true;
        QTest::newRow("one byte short") << kFileSize - 1 << false;
        QTest::newRow("empty") << 0 << false;
        QTest::newRow("longer") << kFileSize + 777 << true;
        QTest::newRow("missing") << -1 << false;
    }
    void loadTakesTheFirst11519Bytes() {
        QFETCH(int, size);
        QFETCH(bool, loads);
        const QString file = path("sized.ixv");
        QFile::remove(file);
        QByteArray bytes = samplePuzzle().toBytes();
        bytes += QByteArray(777, '\x5A');
        if (size >= 0)
            QVERIFY(writeBytes(file, bytes.first(size)));
        const auto error = loadError(file);
        QCOMPARE(!error.has_value(), loads);
        if (loads)
            QCOMPARE(PuzzleFile::LoadPuzzle(file).toBytes(), bytes.first(kFileSize));
        else
            QCOMPARE(error->fileName(), file);
        if (size >= 0)
            QCOMPARE(readBytes(file), bytes.first(size)); // loading never changes the file
    }

    void foreignButHarmlessContentIsKept() {
        QByteArray bytes = samplePuzzle().toBytes();
        for (int i = 0; i < 651; ++i)
            bytes[655 + i] = char(i * 7 + 3); // ReservedGrid
        for (int w = 1; w <= 30; ++w)
            bytes.replace(clueAt(w) + 13, 68, QByteArray(68, char(0xA0 + w))); // past the length
        bytes.replace(kNameAt + 12, 69, QByteArray(69, '\xC3'));
        bytes[letterAt(11, 1)] = 'Z'; // squares outside the 10 x 8 grid
        bytes[letterAt(1, 9)] = '\xDB';
        put16(bytes, codeAt(31, 21), 3201);
        put16(bytes, codeAt(11, 8), -5);
        QVERIFY(writeBytes(path("foreign.ixv"), bytes));
        PuzzleFile::SavePuzzle(path("again.ixv"), PuzzleFile::LoadPuzzle(path("foreign.ixv")));
        QCOMPARE(readBytes(path("again.ixv")), bytes);
    }

    void damagedFileIsRefused_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("loads");
        QTest::newRow("width 0") << 0 << 0 << false;
        QTest::newRow("width 32") << 0 << 32 << false;
        QTest::newRow("width 31") << 0 << 31 << true;
        QTest::newRow("height 0") << 2 << 0 << false;
        QTest::newRow("height 22") << 2 << 22 << false;
        QTest::newRow("height 21") << 2 << 21 << true;
        QTest::newRow("code 100") << codeAt(4, 4) << 100 << false;
        QTest::newRow("code 131, word 31") << codeAt(4, 4) << 131 << false;
        QTest::newRow("code 3101, letter 31") << codeAt(4, 4) << 3101 << false;
        QTest::newRow("code 3030") << codeAt(4, 4) << 3030 << true;
        QTest::newRow("bad code in the last square") << codeAt(10, 8) << 131 << false;
        QTest::newRow("bad code outside the grid") << codeAt(11, 8) << 3201 << true;
        QTest::newRow("SquareOf past the width") << squareOfAt(101) << 1101 << false;
        QTest::newRow("SquareOf past the height") << squareOfAt(101) << 109 << false;
        QTest::newRow("SquareOf column 0") << squareOfAt(3030) << 5 << false;
        QTest::newRow("SquareOf last square") << squareOfAt(3030) << 1008 << true;
        QTest::newRow("clue 1 length 81") << clueAt(1) << 81 << false;
        QTest::newRow("clue 30 length 80") << clueAt(30) << 80 << true;
        QTest::newRow("name length 81") << kNameAt << 81 << false;
        QTest::newRow("name length 80") << kNameAt << 80 << true;
    }
    void damagedFileIsRefused() {
        QFETCH(int, offset);
        QFETCH(int, value);
        QFETCH(bool, loads);
        QByteArray bytes = samplePuzzle().toBytes();
        if (offset >= clueAt(1))
            bytes[offset] = char(value); // a length byte
        else
            put16(bytes, offset, qint16(value));
        const QString file = path("damaged.ixv");
        QVERIFY(writeBytes(file, bytes));
        const auto error = loadError(file);
        QCOMPARE(!error.has_value(), loads);
        if (loads)
            QCOMPARE(PuzzleFile::LoadPuzzle(file).toBytes(), bytes);
        else
            QVERIFY2(error->message().contains(file), qPrintable(error->message()));
    }

    void readOnlyFileDoesNotLoad() {
        const QString file = path("readonly.ixv");
        QVERIFY(writeBytes(file, samplePuzzle().toBytes()));
        const ReadOnly guard(file);
        QFile probe(file);
        if (probe.open(QIODevice::ReadWrite))
            QSKIP("this user can write to a read-only file here");
        const auto error = loadError(file);
        QVERIFY(error.has_value());
        QCOMPARE(error->fileName(), file);
    }

    void failedSaveKeepsThePreviousFile_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("folder does not exist") << "missing folder";
        QTest::newRow("target is a folder") << "folder";
        QTest::newRow("folder is read-only") << "read-only folder";
        QTest::newRow("file is read-only") << "read-only file";
    }
    void failedSaveKeepsThePreviousFile() {
        QFETCH(QString, how);
        const QString folder = path("save-" + how);
        QVERIFY(QDir().mkpath(folder));
        QString target = folder + "/puzzle.ixv";
        const QByteArray old = samplePuzzle().toBytes();
        std::optional<ReadOnly> guard;
        if (how == "missing folder") {
            target = folder + "/no/such/puzzle.ixv";
        } else if (how == "folder") {
            QVERIFY(QDir().mkpath(target));
        } else {
            QVERIFY(writeBytes(target, old));
            guard.emplace(how == "read-only folder" ? folder : target);
            QFile probe(how == "read-only folder" ? folder + "/probe" : target);
            if (probe.open(QIODevice::ReadWrite))
                QSKIP("this user can write where it is read-only here");
        }
        const QStringList before = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        PuzzleRecord rec = PuzzleRecord::zeroed();
        rec.ClearPuzzle(12, 9, "New");
        try {
            PuzzleFile::SavePuzzle(target, rec);
            QFAIL("the save did not fail");
        } catch (const IoError& e) {
            QCOMPARE(e.fileName(), target);
            QVERIFY(e.message().contains(target));
            QVERIFY(!e.reason().isEmpty());
        }
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        if (how.startsWith("read-only"))
            QCOMPARE(readBytes(target), old);
        else if (how == "folder")
            QVERIFY(QFileInfo(target).isDir());
    }

    void saveReplacesTheFileAndLeavesNothingElse() {
        const QString folder = path("replace");
        QVERIFY(QDir().mkpath(folder));
        const QString target = folder + "/puzzle.ixv";
        QVERIFY(writeBytes(target, QByteArray(20000, 'x')));
        const PuzzleRecord rec = samplePuzzle();
        PuzzleFile::SavePuzzle(target, rec);
        QCOMPARE(readBytes(target), rec.toBytes()); // truncated to the record
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"puzzle.ixv"});
    }
};

QTEST_GUILESS_MAIN(Tst_puzzlefile)
#include "tst_puzzlefile.moc"
