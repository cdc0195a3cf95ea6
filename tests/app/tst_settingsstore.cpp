#include <QtTest>

class Tst_settingsstore : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_GUILESS_MAIN(Tst_settingsstore)
#include "tst_settingsstore.moc"
