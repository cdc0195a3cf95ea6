#include <QtTest>

class Tst_sounds : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_GUILESS_MAIN(Tst_sounds)
#include "tst_sounds.moc"
