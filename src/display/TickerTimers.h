#pragma once

#include "base/Clock.h"
#include "base/WallClockWatch.h"

#include <QObject>
#include <QTimer>

// The ticker's timers, one accessor per role. Each keeps its Qt object name (tmrClock3, tmrClock, ...)
// and takes its period from TimerSchedule; the clock and update timers are armed for the next
// wall-clock minute, the rotation timer for the next moment a step may be due, so an idle sign wakes
// a few times a minute. When the wall clock jumps they are armed afresh. The ticker connects their
// ticks and decides what a tick does.
class TickerTimers : public QObject {
    Q_OBJECT
public:
    // The clock must outlive the timers.
    explicit TickerTimers(const Clock& clock, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(TickerTimers)

    QTimer& clock() { return m_clockTimer; }            // tmrClock3: redraws the clock
    QTimer& rotation() { return m_rotation; }           // tmrClock: the periodic item step
    QTimer& update() { return m_update; }               // tmrClock2: the periodic update
    QTimer& downloadWatch() { return m_downloadWatch; } // tmrHTTP: starts a requested update
    QTimer& scroll() { return m_scroll; }               // tmrScroll: starts a scroll pass
    QTimer& lamp() { return m_lamp; }                   // tmrWarn: blinks the update lamp
    QTimer& exitGrace() { return m_exitGrace; }         // tmrEnd: the orderly exit, re-armed to wait
    QTimer& taskbarSwitch() { return m_taskbarSwitch; } // tmrSwitch: follows ShowInTaskbar

    // The one-shot clock, rotation and update timers, armed to fire just after the next wall-clock
    // minute, rotation moment and minute.
    void armClock();
    void armRotation();
    void armUpdate();
    // The rotation moments are those of a delay of seconds (ShowInfoDelay; every second until set).
    void setRotationDelay(int seconds);
    // The wall clock was set or the machine resumed: the clock timer fires at once, and the rotation
    // and update timers that run are armed for the moments of the new time.
    void wallClockJumped();
    // True the first time it is asked within a wall-clock second (rotation) or minute (update):
    // a tick that comes early, inside the moment it handled before, handles nothing.
    bool takeRotationMoment();
    bool takeUpdateMoment();
    // The clock, the rotation and the update start running.
    void startPeriodic();
    // Rotation and update stand still (while a modal dialog is open) until resumed.
    void pausePeriodic();
    void resumePeriodic();

private:
    const Clock& m_wallClock;
    qint64 m_rotationSecond = -1; // the last second and minute handled, counted from the epoch
    qint64 m_updateMinute = -1;
    int m_rotationDelay = 1;
    WallClockWatch m_wallClockWatch;
    QTimer m_clockTimer, m_rotation, m_update, m_downloadWatch, m_scroll, m_lamp, m_exitGrace,
        m_taskbarSwitch;
};
