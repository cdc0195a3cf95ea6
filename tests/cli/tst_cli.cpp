#include <QtTest>

class Tst_cli : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_GUILESS_MAIN(Tst_cli)
#include "tst_cli.moc"
