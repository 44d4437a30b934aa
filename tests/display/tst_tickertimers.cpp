#include "display/TickerTimers.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Role = QTimer& (TickerTimers::*)();

QDateTime today(const QTime& time) {
    return QDateTime(QDate(2026, 12, 7), time);
}

} // namespace

Q_DECLARE_METATYPE(Role)

class TestTickerTimers : public QObject {
    Q_OBJECT
private slots:
    void roleHasItsObjectName_data();
    void roleHasItsObjectName();
    void periodicTimersFallJustAfterTheBoundary_data();
    void periodicTimersFallJustAfterTheBoundary();
    void pauseHoldsRotationAndUpdateUntilResumed();
    void wallClockJumpArmsRunningTimersAfresh();
};

void TestTickerTimers::roleHasItsObjectName_data() {
    QTest::addColumn<Role>("role");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<bool>("singleShot");
    QTest::newRow("clock") << Role(&TickerTimers::clock) << u"tmrClock3"_s << true;
    QTest::newRow("rotation") << Role(&TickerTimers::rotation) << u"tmrClock"_s << true;
    QTest::newRow("update") << Role(&TickerTimers::update) << u"tmrClock2"_s << true;
    QTest::newRow("download watch") << Role(&TickerTimers::downloadWatch) << u"tmrHTTP"_s << true;
    QTest::newRow("scroll") << Role(&TickerTimers::scroll) << u"tmrScroll"_s << true;
    QTest::newRow("lamp") << Role(&TickerTimers::lamp) << u"tmrWarn"_s << false;
    QTest::newRow("exit grace") << Role(&TickerTimers::exitGrace) << u"tmrEnd"_s << true;
    QTest::newRow("taskbar switch") << Role(&TickerTimers::taskbarSwitch) << u"tmrSwitch"_s << true;
}

// Each role is its own timer, found under its name, and none runs before it is started.
void TestTickerTimers::roleHasItsObjectName() {
    QFETCH(Role, role);
    QFETCH(QString, objectName);
    QFETCH(bool, singleShot);
    const FakeClock clock;
    TickerTimers timers(clock);
    QTimer& timer = (timers.*role)();
    QCOMPARE(timers.findChild<QTimer*>(objectName), &timer);
    QCOMPARE(timer.isSingleShot(), singleShot);
    QVERIFY(!timer.isActive());
}

void TestTickerTimers::periodicTimersFallJustAfterTheBoundary_data() {
    QTest::addColumn<QTime>("now");
    QTest::addColumn<int>("rotationMs");
    QTest::addColumn<int>("updateMs");
    QTest::newRow("on a whole minute") << QTime(10, 23, 0) << 1005 << 60005;
    QTest::newRow("part way into a second and a minute") << QTime(10, 23, 30, 250) << 755 << 29755;
    QTest::newRow("at the end of a minute") << QTime(10, 23, 59, 990) << 15 << 15;
}

void TestTickerTimers::periodicTimersFallJustAfterTheBoundary() {
    QFETCH(QTime, now);
    QFETCH(int, rotationMs);
    QFETCH(int, updateMs);
    const FakeClock clock(today(now));
    TickerTimers timers(clock);
    timers.startPeriodic();
    QVERIFY(timers.clock().isActive());
    QCOMPARE(timers.clock().interval(), updateMs); // the clock changes with the minute
    QVERIFY(timers.rotation().isActive());
    QCOMPARE(timers.rotation().interval(), rotationMs);
    QVERIFY(timers.update().isActive());
    QCOMPARE(timers.update().interval(), updateMs);
}

// A modal dialog holds rotation and update; the clock goes on. Resuming arms both afresh from
// the time it is then.
void TestTickerTimers::pauseHoldsRotationAndUpdateUntilResumed() {
    FakeClock clock(today(QTime(10, 23, 0)));
    TickerTimers timers(clock);
    timers.startPeriodic();
    timers.pausePeriodic();
    QVERIFY(!timers.rotation().isActive());
    QVERIFY(!timers.update().isActive());
    QVERIFY(timers.clock().isActive());
    clock.set(today(QTime(10, 23, 40, 500)));
    timers.resumePeriodic();
    QCOMPARE(timers.rotation().interval(), 505);
    QCOMPARE(timers.update().interval(), 19505);
    QVERIFY(timers.rotation().isActive());
    QVERIFY(timers.update().isActive());
}

// After a resume or a clock set, the clock is redrawn at once and the running timers fall on the
// moments of the new time; paused ones stay paused. A changed rotation delay re-arms rotation.
void TestTickerTimers::wallClockJumpArmsRunningTimersAfresh() {
    FakeClock clock(today(QTime(10, 23, 0)));
    TickerTimers timers(clock);
    timers.startPeriodic();
    timers.setRotationDelay(120);
    QCOMPARE(timers.rotation().interval(), 60005);
    clock.set(today(QTime(10, 29, 50, 500)));
    timers.wallClockJumped();
    QVERIFY(timers.clock().isActive());
    QCOMPARE(timers.clock().interval(), 0);
    QCOMPARE(timers.rotation().interval(), 9505);
    QCOMPARE(timers.update().interval(), 9505);
    timers.pausePeriodic();
    timers.wallClockJumped();
    QVERIFY(!timers.rotation().isActive());
    QVERIFY(!timers.update().isActive());
}

QTEST_GUILESS_MAIN(TestTickerTimers)
#include "tst_tickertimers.moc"
