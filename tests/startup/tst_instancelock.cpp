#include "startup/InstanceLock.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestInstanceLock : public QObject {
    Q_OBJECT
private slots:
    void firstInstanceHoldsTheLock();
    void lockIsFreedWhenTheFirstInstanceEnds();
    void lockOfADeadProcessIsTakenOver();
};

void TestInstanceLock::firstInstanceHoldsTheLock() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"run/kwSorvanta.lock"_s);
    InstanceLock first(path);
    QVERIFY(!first.otherInstanceWasRunning());
    InstanceLock second(path);
    QVERIFY(second.otherInstanceWasRunning());
    // The first instance is not affected by a later one.
    QVERIFY(!first.otherInstanceWasRunning());
}

void TestInstanceLock::lockIsFreedWhenTheFirstInstanceEnds() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"kwSorvanta.lock"_s);
    {
        InstanceLock first(path);
        QVERIFY(!first.otherInstanceWasRunning());
    }
    InstanceLock next(path);
    QVERIFY(!next.otherInstanceWasRunning());
}

void TestInstanceLock::lockOfADeadProcessIsTakenOver() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"kwSorvanta.lock"_s);
    // QLockFile's format: pid, application name, host name. No process has pid 2^22 + 1.
    QFile stale(path);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("4194305\nsorvanta\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    InstanceLock lock(path);
    QVERIFY(!lock.otherInstanceWasRunning());
}

QTEST_GUILESS_MAIN(TestInstanceLock)
#include "tst_instancelock.moc"
