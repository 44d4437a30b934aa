#pragma once

#include "settings/AppSettings.h"

#include <QTime>
#include <chrono>

// The ticker's timer periods, and what its timers decide at each tick as pure functions of the time
// and the settings. TickerTimers owns the QTimers; the ticker asks these with its clock's time.
namespace TimerSchedule {

// Every period of the ticker's timers.
inline constexpr std::chrono::milliseconds ClockPeriod{60000};       // tmrClock3, aligned to the wall clock
inline constexpr std::chrono::milliseconds UpdateCheckPeriod{60000}; // tmrClock2, aligned to the wall clock
// Aligned ticks fall this long after the wall-clock boundary, so that the boundary has passed.
inline constexpr std::chrono::milliseconds AlignmentSlack{5};
inline constexpr std::chrono::milliseconds UpdateStartDelay{500};   // tmrHTTP, from the request to the cycle
inline constexpr std::chrono::milliseconds ScrollStartDelay{250};   // tmrScroll, from rendering to the pass
inline constexpr std::chrono::milliseconds ShutdownDelay{100};      // tmrEnd, from the request to the exit
inline constexpr std::chrono::milliseconds ScrollEndWait{500};      // tmrEnd again while a scroll pass ends
inline constexpr std::chrono::milliseconds UpdateGracePeriod{3000}; // tmrEnd again for a running update
inline constexpr std::chrono::milliseconds LampFirstBlink{1};       // tmrWarn lights the lamp at once
inline constexpr std::chrono::milliseconds LampLitTime{1000};
inline constexpr std::chrono::milliseconds LampDarkTime{250};
inline constexpr std::chrono::milliseconds TaskbarSwitchDelay{1000}; // tmrSwitch, after settings load

// How long from now until just after the next wall-clock multiple of period (counted from
// midnight; period divides a day). The clock and update timers are armed with it at each tick,
// so that their ticks stay on the wall clock's minutes however the timers drift.
std::chrono::milliseconds delayToNextTick(const QTime& now, std::chrono::milliseconds period);
// How long from now until just after the next rotation moment for showInfoDelay (isRotationMoment):
// the rotation timer wakes only when a step may be due. Without a positive delay nothing is ever
// due, and it waits for the next minute.
std::chrono::milliseconds delayToNextRotation(const QTime& now, int showInfoDelay);

// Rotation is aligned to the wall clock within each ten minutes: second n = (minute % 10) * 60 +
// second is a moment when n is a multiple of showInfoDelay. A delay that does not divide 600
// gives one shorter interval at each ten-minute boundary. Never with a delay of 0 or less.
bool isRotationMoment(const QTime& time, int showInfoDelay);
// The periodic rotation step is due: ShowInfo on, a positive delay, items to show, a moment.
bool rotationDue(const QTime& time, const AppSettings& settings, bool itemsExist);

// An update starts in each minute whose number modulo autoReloadDelay is reloadPhase.
bool isUpdateMoment(const QTime& time, int autoReloadDelay, int reloadPhase);
// The periodic update is due: AutoReload on, a positive delay and an update moment.
bool updateDue(const QTime& time, const AppSettings& settings);

// Quiet hours from..to: strictly between them when from < to, otherwise across midnight (after
// from or before to). The hour from itself is never quiet.
bool isQuietHour(int hour, int from, int to);
// A requested update may run now: quiet hours are off or this is not a quiet hour.
bool updateAllowed(const QTime& time, const AppSettings& settings);

// The update lamp blinks: lit for LampLitTime, dark for LampDarkTime.
struct LampStep {
    bool lit;
    std::chrono::milliseconds interval;
};
LampStep nextLampStep(bool litNow);

} // namespace TimerSchedule
