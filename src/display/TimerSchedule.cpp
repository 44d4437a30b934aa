#include "display/TimerSchedule.h"

#include <algorithm>

namespace TimerSchedule {

bool IsRotationMoment(const QTime& time, int showInfoDelay) {
    if (showInfoDelay <= 0 || !time.isValid())
        return false;
    const int secondOfTenMinutes = (time.minute() % 10) * 60 + time.second();
    return secondOfTenMinutes % showInfoDelay == 0;
}

bool RotationDue(const QTime& time, const AppSettings& settings, bool itemsExist) {
    return settings.ShowInfo && itemsExist && IsRotationMoment(time, settings.ShowInfoDelay);
}

bool IsUpdateMoment(const QTime& time, int autoReloadDelay, int reloadPhase) {
    if (autoReloadDelay <= 0 || !time.isValid())
        return false;
    return time.minute() % autoReloadDelay == reloadPhase;
}

bool UpdateDue(const QTime& time, const AppSettings& settings) {
    return settings.AutoReload && IsUpdateMoment(time, settings.AutoReloadDelay, settings.ReloadPhase);
}

bool IsQuietHour(int hour, int from, int to) {
    if (from < to)
        return from < hour && hour < to;
    return hour > from || hour < to;
}

bool UpdateAllowed(const QTime& time, const AppSettings& settings) {
    return !settings.AutoReloadOff ||
           !IsQuietHour(time.hour(), settings.AutoReloadOffFrom, settings.AutoReloadOffTo);
}

std::chrono::milliseconds DelayToNextTick(const QTime& now, std::chrono::milliseconds period) {
    const std::chrono::milliseconds intoPeriod(now.msecsSinceStartOfDay() % period.count());
    return period - intoPeriod + AlignmentSlack;
}

std::chrono::milliseconds DelayToNextRotation(const QTime& now, int showInfoDelay) {
    if (showInfoDelay <= 0)
        return DelayToNextTick(now, std::chrono::minutes(1));
    constexpr int TenMinutes = 600;
    const int second = (now.minute() % 10) * 60 + now.second();
    const int next = std::min((second / showInfoDelay + 1) * showInfoDelay, TenMinutes);
    return std::chrono::seconds(next - second) - std::chrono::milliseconds(now.msec()) + AlignmentSlack;
}

LampStep NextLampStep(bool litNow) {
    if (litNow)
        return {false, LampDarkTime};
    return {true, LampLitTime};
}

} // namespace TimerSchedule
