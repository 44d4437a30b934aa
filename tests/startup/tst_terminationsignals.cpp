#include "startup/TerminationSignals.h"

#include <QSignalSpy>
#include <QTest>
#include <csignal>

class TestTerminationSignals : public QObject {
    Q_OBJECT
private slots:
    void signalArrivesThroughTheEventLoop_data();
    void signalArrivesThroughTheEventLoop();
};

void TestTerminationSignals::signalArrivesThroughTheEventLoop_data() {
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void TestTerminationSignals::signalArrivesThroughTheEventLoop() {
    QFETCH(int, signalNumber);
    TerminationSignals watcher;
    QVERIFY(watcher.isWatching());
    QSignalSpy spy(&watcher, &TerminationSignals::received);
    // Without the handler the test process itself would end here.
    QCOMPARE(::raise(signalNumber), 0);
    QVERIFY(spy.isEmpty());
    QVERIFY(spy.wait(5000));
    QCOMPARE(spy.takeFirst().at(0).toInt(), signalNumber);
}

QTEST_GUILESS_MAIN(TestTerminationSignals)
#include "tst_terminationsignals.moc"
