#pragma once

#include "settings/AppSettings.h"

#include <QTime>
#include <chrono>

// What the main window's timers decide at each tick, as pure functions of the time and the
// settings. The window owns the QTimers and asks these with its clock's time.
namespace TimerSchedule {

// Tick periods of the window's timers. The rotation and update timers should be precise timers
// so that no wall-clock second or minute is stepped over.
inline constexpr std::chrono::milliseconds ClockInterval = std::chrono::milliseconds(500);
inline constexpr std::chrono::milliseconds RotationInterval = std::chrono::milliseconds(1000);
inline constexpr std::chrono::milliseconds UpdateCheckInterval = std::chrono::milliseconds(60000);
inline constexpr std::chrono::milliseconds UpdateStartDelay = std::chrono::milliseconds(500);
inline constexpr std::chrono::milliseconds ScrollStartDelay = std::chrono::milliseconds(250);
inline constexpr std::chrono::milliseconds ShutdownDelay = std::chrono::milliseconds(100);

// Rotation is aligned to the wall clock within each ten minutes: second n = (minute % 10) * 60 +
// second is a moment when n is a multiple of showInfoDelay. A delay that does not divide 600
// gives one shorter interval at each ten-minute boundary. Never with a delay of 0 or less.
bool IsRotationMoment(const QTime& time, int showInfoDelay);
// The periodic rotation step is due: ShowInfo on, a positive delay, items to show, a moment.
bool RotationDue(const QTime& time, const AppSettings& settings, bool itemsExist);

// An update starts in each minute whose number modulo autoReloadDelay is reloadPhase.
bool IsUpdateMoment(const QTime& time, int autoReloadDelay, int reloadPhase);
// The periodic update is due: AutoReload on, a positive delay and an update moment.
bool UpdateDue(const QTime& time, const AppSettings& settings);

// Quiet hours from..to: strictly between them when from < to, otherwise across midnight (after
// from or before to). The hour from itself is never quiet.
bool IsQuietHour(int hour, int from, int to);
// A requested update may run now: quiet hours are off or this is not a quiet hour.
bool UpdateAllowed(const QTime& time, const AppSettings& settings);

// The pause before a message starts to move: ScrollDelay when it lies in 1..5000, else 500.
int ScrollPauseMs(int scrollDelay);

// The update lamp blinks lit for 1000 ms and dark for 250 ms.
struct LampStep {
    bool lit;
    std::chrono::milliseconds interval;
};
LampStep NextLampStep(bool litNow);

} // namespace TimerSchedule
