#include <QtTest>

class Tst_procs : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_GUILESS_MAIN(Tst_procs)
#include "tst_procs.moc"
