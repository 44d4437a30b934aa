#include "display/TickerTimers.h"

#include "display/TimerSchedule.h"

#include <chrono>
#include <utility>

using namespace TimerSchedule;

namespace {

struct TimerRole {
    QTimer* timer;
    const char* objectName;
    bool singleShot;
    std::chrono::milliseconds interval; // 0: given when the timer is started
};

} // namespace

TickerTimers::TickerTimers(const Clock& clock, QObject* parent)
    : QObject(parent)
    , m_wallClock(clock) {
    const std::chrono::milliseconds atStart(0);
    const TimerRole roles[] = {
        {&m_clockTimer, "tmrClock3", true, atStart},
        {&m_rotation, "tmrClock", true, atStart},
        {&m_update, "tmrClock2", true, atStart},
        {&m_downloadWatch, "tmrHTTP", true, UpdateStartDelay},
        {&m_scroll, "tmrScroll", true, ScrollStartDelay},
        {&m_lamp, "tmrWarn", false, atStart},
        {&m_exitGrace, "tmrEnd", true, ShutdownDelay},
        {&m_taskbarSwitch, "tmrSwitch", true, TaskbarSwitchDelay},
    };
    connect(&m_wallClockWatch, &WallClockWatch::jumped, this, &TickerTimers::wallClockJumped);
    for (const TimerRole& role : roles) {
        role.timer->setObjectName(QString::fromLatin1(role.objectName));
        role.timer->setParent(this);
        role.timer->setSingleShot(role.singleShot);
        role.timer->setTimerType(Qt::PreciseTimer);
        if (role.interval > atStart)
            role.timer->setInterval(role.interval);
    }
}

void TickerTimers::armClock() {
    m_clockTimer.start(delayToNextTick(m_wallClock.now().time(), ClockPeriod));
}

void TickerTimers::armRotation() {
    m_rotation.start(delayToNextRotation(m_wallClock.now().time(), m_rotationDelay));
}

void TickerTimers::setRotationDelay(int seconds) {
    m_rotationDelay = seconds;
    if (m_rotation.isActive())
        armRotation();
}

// The clock is redrawn at once; the timers that are running fall on the new wall clock's moments.
void TickerTimers::wallClockJumped() {
    if (m_clockTimer.isActive())
        m_clockTimer.start(0);
    if (m_rotation.isActive())
        armRotation();
    if (m_update.isActive())
        armUpdate();
}

void TickerTimers::armUpdate() {
    m_update.start(delayToNextTick(m_wallClock.now().time(), UpdateCheckPeriod));
}

bool TickerTimers::takeRotationMoment() {
    const qint64 second = m_wallClock.now().toSecsSinceEpoch();
    return std::exchange(m_rotationSecond, second) != second;
}

bool TickerTimers::takeUpdateMoment() {
    const qint64 minute = m_wallClock.now().toSecsSinceEpoch() / 60;
    return std::exchange(m_updateMinute, minute) != minute;
}

void TickerTimers::startPeriodic() {
    armClock();
    resumePeriodic();
}

void TickerTimers::pausePeriodic() {
    m_rotation.stop();
    m_update.stop();
}

void TickerTimers::resumePeriodic() {
    armRotation();
    armUpdate();
}
