#include "retrieval/DownloadScheduler.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestDownloadScheduler : public QObject {
    Q_OBJECT
private slots:
    void limits_data();
    void limits();
    void finishedDownloadMakesRoom();
};

void TestDownloadScheduler::limits_data() {
    QTest::addColumn<QStringList>("hosts");
    QTest::addColumn<QList<int>>("startedFirst");
    const QStringList oneHost(10, u"a"_s);
    QTest::newRow("one host: six at once") << oneHost << QList<int>{0, 1, 2, 3, 4, 5};
    QStringList twoHosts(7, u"a"_s);
    twoHosts << u"b"_s << u"b"_s << u"b"_s;
    QTest::newRow("a later host runs beside a full one") << twoHosts << QList<int>{0, 1, 2, 3, 4, 5, 7, 8, 9};
    QStringList many;
    QList<int> firstTwentyFour;
    for (int i = 0; i < 30; ++i) {
        many << QString::number(i);
        if (i < 24)
            firstTwentyFour << i;
    }
    QTest::newRow("twenty-four at once over many hosts") << many << firstTwentyFour;
    QStringList fourHosts;
    QList<int> allTwenty;
    for (int i = 0; i < 20; ++i) {
        fourHosts << u"127.0.0.%1"_s.arg(i % 4 + 1);
        allTwenty << i;
    }
    QTest::newRow("twenty pages on four hosts all run together") << fourHosts << allTwenty;
    QTest::newRow("fewer pages than slots") << QStringList{u"a"_s, u"b"_s} << QList<int>{0, 1};
}

void TestDownloadScheduler::limits() {
    QFETCH(QStringList, hosts);
    QFETCH(QList<int>, startedFirst);
    DownloadScheduler scheduler(hosts);
    QList<int> started;
    for (int index = scheduler.startNext(); index >= 0; index = scheduler.startNext())
        started.append(index);
    QCOMPARE(started, startedFirst);
}

void TestDownloadScheduler::finishedDownloadMakesRoom() {
    DownloadScheduler scheduler(QStringList(8, u"a"_s), 8, 6);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(scheduler.startNext(), i);
    QCOMPARE(scheduler.startNext(), -1);
    scheduler.finished(3);
    QCOMPARE(scheduler.startNext(), 6);
    scheduler.finished(3); // a second report of the same page changes nothing
    QCOMPARE(scheduler.startNext(), -1);
    QCOMPARE(scheduler.running(), 6);
}

QTEST_GUILESS_MAIN(TestDownloadScheduler)
#include "tst_downloadscheduler.moc"
