#include <QtTest>

class Tst_construction : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_GUILESS_MAIN(Tst_construction)
#include "tst_construction.moc"
