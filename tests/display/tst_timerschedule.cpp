#include "display/TimerSchedule.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace TimerSchedule;

namespace {

// Multiples of step from 0 up to last.
QList<int> multiples(int step, int last) {
    QList<int> values;
    for (int value = 0; value <= last; value += step)
        values.append(value);
    return values;
}

// Seconds (counted from start) within [start, start + seconds) that are rotation moments.
QList<int> rotationMoments(const QTime& start, int seconds, int delay) {
    QList<int> moments;
    for (int offset = 0; offset < seconds; ++offset) {
        if (isRotationMoment(start.addSecs(offset), delay))
            moments.append(offset);
    }
    return moments;
}

// Minutes (counted from midnight) of the first two hours of a day at which an update starts.
QList<int> updateMinutes(int delay, int phase) {
    QList<int> minutes;
    for (int minute = 0; minute < 120; ++minute) {
        if (isUpdateMoment(QTime(0, 0).addSecs(minute * 60 + 30), delay, phase))
            minutes.append(minute);
    }
    return minutes;
}

} // namespace

class TestTimerSchedule : public QObject {
    Q_OBJECT
private slots:
    void rotationMoments_data();
    void rotationMoments();
    void rotationDue_data();
    void rotationDue();
    void updateMoments_data();
    void updateMoments();
    void updateDue_data();
    void updateDue();
    void quietHours_data();
    void quietHours();
    void updateAllowed_data();
    void updateAllowed();
    void delayToNextTick_data();
    void delayToNextTick();
    void delayToNextRotation_data();
    void delayToNextRotation();
    void lampBlinks();
};

void TestTimerSchedule::rotationMoments_data() {
    QTest::addColumn<QTime>("start");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("delay");
    QTest::addColumn<QList<int>>("moments");
    const QTime tenMinutes(12, 30);
    QTest::newRow("every two minutes on the even minute")
        << tenMinutes << 600 << 120 << QList<int>{0, 120, 240, 360, 480};
    QTest::newRow("seven seconds: last moment 595 in ten minutes")
        << tenMinutes << 600 << 7 << multiples(7, 595);
    QTest::newRow("seven seconds across the boundary: 588, 595, then 0 five seconds later")
        << QTime(12, 39, 45) << 30 << 7 << QList<int>{3, 10, 15, 22, 29};
    QTest::newRow("aligned to the wall clock, not to the first tick")
        << QTime(12, 45, 0) << 240 << 120 << QList<int>{60, 180};
    QTest::newRow("every second") << QTime(12, 34, 56) << 10 << 1 << multiples(1, 9);
    QTest::newRow("ten minutes and more: once at each boundary")
        << QTime(12, 35) << 900 << 700 << QList<int>{300};
    QTest::newRow("zero delay never rotates") << tenMinutes << 600 << 0 << QList<int>{};
    QTest::newRow("negative delay never rotates") << tenMinutes << 600 << -5 << QList<int>{};
}

void TestTimerSchedule::rotationMoments() {
    QFETCH(QTime, start);
    QFETCH(int, seconds);
    QFETCH(int, delay);
    QFETCH(QList<int>, moments);
    QCOMPARE(::rotationMoments(start, seconds, delay), moments);
}

void TestTimerSchedule::rotationDue_data() {
    QTest::addColumn<bool>("showInfo");
    QTest::addColumn<int>("delay");
    QTest::addColumn<bool>("itemsExist");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<bool>("due");
    const QTime moment(8, 2, 0);
    QTest::newRow("at a moment with items") << true << 120 << true << moment << true;
    QTest::newRow("between moments") << true << 120 << true << QTime(8, 2, 1) << false;
    QTest::newRow("rotation switched off") << false << 120 << true << moment << false;
    QTest::newRow("no items") << true << 120 << false << moment << false;
    QTest::newRow("zero delay") << true << 0 << true << moment << false;
}

void TestTimerSchedule::rotationDue() {
    QFETCH(bool, showInfo);
    QFETCH(int, delay);
    QFETCH(bool, itemsExist);
    QFETCH(QTime, time);
    QFETCH(bool, due);
    AppSettings settings;
    settings.ShowInfo = showInfo;
    settings.ShowInfoDelay = delay;
    QCOMPARE(::rotationDue(time, settings, itemsExist), due);
}

void TestTimerSchedule::updateMoments_data() {
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("phase");
    QTest::addColumn<QList<int>>("minutes");
    QList<int> fivePhaseThree;
    for (int minute = 3; minute < 120; minute += 5)
        fivePhaseThree.append(minute);
    QTest::newRow("every five minutes from minute 3") << 5 << 3 << fivePhaseThree;
    QTest::newRow("seven minutes: the pattern restarts each hour")
        << 7 << 0 << QList<int>{0, 7, 14, 21, 28, 35, 42, 49, 56, 60, 67, 74, 81, 88, 95, 102, 109, 116};
    QTest::newRow("seven minutes from minute 6")
        << 7 << 6 << QList<int>{6, 13, 20, 27, 34, 41, 48, 55, 66, 73, 80, 87, 94, 101, 108, 115};
    QTest::newRow("hourly at minute 0") << 60 << 0 << QList<int>{0, 60};
    QTest::newRow("a phase beyond the period never matches") << 5 << 7 << QList<int>{};
    QTest::newRow("zero period never updates") << 0 << 0 << QList<int>{};
}

void TestTimerSchedule::updateMoments() {
    QFETCH(int, delay);
    QFETCH(int, phase);
    QFETCH(QList<int>, minutes);
    QCOMPARE(updateMinutes(delay, phase), minutes);
}

void TestTimerSchedule::updateDue_data() {
    QTest::addColumn<bool>("autoReload");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<bool>("due");
    QTest::newRow("on, at the phase minute") << true << QTime(14, 8, 12) << true;
    QTest::newRow("on, another minute") << true << QTime(14, 9, 0) << false;
    QTest::newRow("off") << false << QTime(14, 8, 12) << false;
}

void TestTimerSchedule::updateDue() {
    QFETCH(bool, autoReload);
    QFETCH(QTime, time);
    QFETCH(bool, due);
    AppSettings settings;
    settings.AutoReload = autoReload;
    settings.AutoReloadDelay = 5;
    settings.ReloadPhase = 3;
    QCOMPARE(::updateDue(time, settings), due);
}

void TestTimerSchedule::quietHours_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QList<int>>("quiet");
    QTest::newRow("22 to 6 across midnight") << 22 << 6 << QList<int>{0, 1, 2, 3, 4, 5, 23};
    QTest::newRow("0 to 6: the hour 0 itself is not quiet") << 0 << 6 << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("1 to 5 within a day") << 1 << 5 << QList<int>{2, 3, 4};
    QTest::newRow("adjacent hours leave nothing quiet") << 4 << 5 << QList<int>{};
    QTest::newRow("23 to 0") << 23 << 0 << QList<int>{};
}

void TestTimerSchedule::quietHours() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QList<int>, quiet);
    QList<int> seen;
    for (int hour = 0; hour < 24; ++hour) {
        if (isQuietHour(hour, from, to))
            seen.append(hour);
    }
    QCOMPARE(seen, quiet);
}

void TestTimerSchedule::updateAllowed_data() {
    QTest::addColumn<bool>("quietHoursOn");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("23:xx is quiet") << true << QTime(23, 15) << false;
    QTest::newRow("05:xx is quiet") << true << QTime(5, 59, 59) << false;
    QTest::newRow("22:xx still updates") << true << QTime(22, 30) << true;
    QTest::newRow("06:xx updates again") << true << QTime(6, 0) << true;
    QTest::newRow("quiet hours switched off") << false << QTime(23, 15) << true;
}

void TestTimerSchedule::updateAllowed() {
    QFETCH(bool, quietHoursOn);
    QFETCH(QTime, time);
    QFETCH(bool, allowed);
    AppSettings settings;
    settings.AutoReloadOff = quietHoursOn;
    settings.AutoReloadOffFrom = 22;
    settings.AutoReloadOffTo = 6;
    QCOMPARE(::updateAllowed(time, settings), allowed);
}

void TestTimerSchedule::delayToNextTick_data() {
    QTest::addColumn<QTime>("now");
    QTest::addColumn<int>("periodMs");
    QTest::addColumn<int>("delayMs");
    QTest::newRow("second: on a boundary waits a whole second") << QTime(10, 23, 0) << 1000 << 1005;
    QTest::newRow("second: late in one falls just after the next") << QTime(10, 23, 0, 990) << 1000 << 15;
    QTest::newRow("minute: on a boundary waits a whole minute") << QTime(10, 23, 0) << 60000 << 60005;
    QTest::newRow("minute: counts the seconds into it") << QTime(10, 23, 30, 250) << 60000 << 29755;
    QTest::newRow("minute: late in one falls just after the next") << QTime(10, 23, 59, 990) << 60000 << 15;
    QTest::newRow("minute: across midnight") << QTime(23, 59, 59, 999) << 60000 << 6;
}

void TestTimerSchedule::delayToNextTick() {
    QFETCH(QTime, now);
    QFETCH(int, periodMs);
    QFETCH(int, delayMs);
    QCOMPARE(::delayToNextTick(now, std::chrono::milliseconds(periodMs)).count(), delayMs);
}

void TestTimerSchedule::delayToNextRotation_data() {
    QTest::addColumn<QTime>("now");
    QTest::addColumn<int>("showInfoDelay");
    QTest::addColumn<int>("delayMs");
    QTest::newRow("every second") << QTime(10, 23, 0, 250) << 1 << 755;
    QTest::newRow("two minutes: from a moment to the next") << QTime(10, 23, 0) << 120 << 60005;
    QTest::newRow("late in the second before a moment") << QTime(10, 24, 29, 990) << 30 << 15;
    QTest::newRow("7 s: the ten-minute boundary comes first") << QTime(10, 29, 58) << 7 << 2005;
    QTest::newRow("across midnight") << QTime(23, 59, 59, 500) << 120 << 505;
    QTest::newRow("no delay: the next minute") << QTime(10, 23, 30) << 0 << 30005;
}

void TestTimerSchedule::delayToNextRotation() {
    QFETCH(QTime, now);
    QFETCH(int, showInfoDelay);
    QFETCH(int, delayMs);
    QCOMPARE(::delayToNextRotation(now, showInfoDelay).count(), delayMs);
    if (showInfoDelay > 0) // it lands on a moment
        QVERIFY(isRotationMoment(now.addMSecs(delayMs), showInfoDelay));
}

// Starting dark, the lamp alternates lit for a second and dark for a quarter second.
void TestTimerSchedule::lampBlinks() {
    bool lit = false;
    QList<std::chrono::milliseconds::rep> intervals;
    for (int tick = 0; tick < 4; ++tick) {
        const LampStep step = nextLampStep(lit);
        QCOMPARE(step.lit, !lit);
        lit = step.lit;
        intervals.append(step.interval.count());
    }
    QCOMPARE(intervals, (QList<std::chrono::milliseconds::rep>{1000, 250, 1000, 250}));
}

QTEST_GUILESS_MAIN(TestTimerSchedule)
#include "tst_timerschedule.moc"
