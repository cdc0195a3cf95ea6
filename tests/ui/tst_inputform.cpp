#include <QtTest>

class Tst_inputform : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_GUILESS_MAIN(Tst_inputform)
#include "tst_inputform.moc"
