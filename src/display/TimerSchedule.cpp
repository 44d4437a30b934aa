#include "display/TimerSchedule.h"

#include <algorithm>

namespace TimerSchedule {

bool isRotationMoment(const QTime& time, int showInfoDelay) {
    if (showInfoDelay <= 0 || !time.isValid())
        return false;
    const int secondOfTenMinutes = (time.minute() % 10) * 60 + time.second();
    return secondOfTenMinutes % showInfoDelay == 0;
}

bool rotationDue(const QTime& time, const AppSettings& settings, bool itemsExist) {
    return settings.ShowInfo && itemsExist && isRotationMoment(time, settings.ShowInfoDelay);
}

bool isUpdateMoment(const QTime& time, int autoReloadDelay, int reloadPhase) {
    if (autoReloadDelay <= 0 || !time.isValid())
        return false;
    return time.minute() % autoReloadDelay == reloadPhase;
}

bool updateDue(const QTime& time, const AppSettings& settings) {
    return settings.AutoReload && isUpdateMoment(time, settings.AutoReloadDelay, settings.ReloadPhase);
}

bool isQuietHour(int hour, int from, int to) {
    if (from < to)
        return from < hour && hour < to;
    return hour > from || hour < to;
}

bool updateAllowed(const QTime& time, const AppSettings& settings) {
    return !settings.AutoReloadOff ||
           !isQuietHour(time.hour(), settings.AutoReloadOffFrom, settings.AutoReloadOffTo);
}

std::chrono::milliseconds delayToNextTick(const QTime& now, std::chrono::milliseconds period) {
    const std::chrono::milliseconds intoPeriod(now.msecsSinceStartOfDay() % period.count());
    return period - intoPeriod + AlignmentSlack;
}

std::chrono::milliseconds delayToNextRotation(const QTime& now, int showInfoDelay) {
    if (showInfoDelay <= 0)
        return delayToNextTick(now, std::chrono::minutes(1));
    constexpr int TenMinutes = 600;
    const int second = (now.minute() % 10) * 60 + now.second();
    const int next = std::min((second / showInfoDelay + 1) * showInfoDelay, TenMinutes);
    return std::chrono::seconds(next - second) - std::chrono::milliseconds(now.msec()) + AlignmentSlack;
}

LampStep nextLampStep(bool litNow) {
    if (litNow)
        return {false, LampDarkTime};
    return {true, LampLitTime};
}

} // namespace TimerSchedule
