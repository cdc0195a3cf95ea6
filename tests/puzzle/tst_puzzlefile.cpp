#include <QtTest>

class Tst_puzzlefile : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_GUILESS_MAIN(Tst_puzzlefile)
#include "tst_puzzlefile.moc"
