#include "startup/InstanceLock.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

class TestInstanceLock : public QObject {
    Q_OBJECT
private slots:
    void laterInstancesSeeAnyLiveOne_data();
    void laterInstancesSeeAnyLiveOne();
    void settingsFoldersAreCountedApart();
};

void TestInstanceLock::laterInstancesSeeAnyLiveOne_data() {
    // Steps: "+name" starts an instance and checks whether it saw another ("+name!" = it did),
    // "-name" ends it.
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("first alone") << QStringList{u"+a"_s};
    QTest::newRow("second sees the first") << QStringList{u"+a"_s, u"+b!"_s};
    QTest::newRow("the first ended") << QStringList{u"+a"_s, u"-a"_s, u"+b"_s};
    QTest::newRow("a later one outlives the first")
        << QStringList{u"+a"_s, u"+b!"_s, u"-a"_s, u"+c!"_s, u"-b"_s, u"-c"_s, u"+d"_s};
}

void TestInstanceLock::laterInstancesSeeAnyLiveOne() {
    QFETCH(QStringList, steps);
    QTemporaryDir dir;
    const QString path = InstanceLock::lockPathFor(u"/home/u/.config/kwSorvanta"_s, dir.filePath(u"run"_s));
    std::map<QString, std::unique_ptr<InstanceLock>> running;
    for (const QString& step : steps) {
        const QString name = step.mid(1, 1);
        if (step.startsWith(u'-')) {
            running.erase(name);
            continue;
        }
        running[name] = std::make_unique<InstanceLock>(path);
        QVERIFY2(running[name]->otherInstanceWasRunning() == step.endsWith(u'!'), qPrintable(step));
    }
}

void TestInstanceLock::settingsFoldersAreCountedApart() {
    QTemporaryDir dir;
    InstanceLock perUser(InstanceLock::lockPathFor(u"/home/u/.config/kwSorvanta"_s, dir.path()));
    InstanceLock kitchen(InstanceLock::lockPathFor(u"/opt/sorvanta/Settings/Kitchen"_s, dir.path()));
    QVERIFY(!kitchen.otherInstanceWasRunning());
    InstanceLock kitchenAgain(InstanceLock::lockPathFor(u"/opt/sorvanta/Settings/Kitchen/"_s, dir.path()));
    QVERIFY(kitchenAgain.otherInstanceWasRunning());
}

QTEST_GUILESS_MAIN(TestInstanceLock)
#include "tst_instancelock.moc"
