#include <QtTest>

class Tst_settingscatalogue : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_GUILESS_MAIN(Tst_settingscatalogue)
#include "tst_settingscatalogue.moc"
