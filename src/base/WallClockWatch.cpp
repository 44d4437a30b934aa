#include "base/WallClockWatch.h"

#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>
#include <ctime>
#include <limits>
#include <sys/timerfd.h>
#include <unistd.h>

WallClockWatch::WallClockWatch(QObject* parent)
    : QObject(parent)
    , m_timer(timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC)) {
    if (m_timer < 0)
        return;
    if (!arm()) {
        close(m_timer);
        m_timer = -1;
        return;
    }
    auto* notifier = new QSocketNotifier(m_timer, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &WallClockWatch::readCancellation);
}

WallClockWatch::~WallClockWatch() {
    if (m_timer >= 0)
        close(m_timer);
}

// Set for the end of time, so that only a cancellation makes it readable.
bool WallClockWatch::arm() {
    itimerspec never{};
    never.it_value.tv_sec = std::numeric_limits<time_t>::max();
    return timerfd_settime(m_timer, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &never, nullptr) == 0;
}

// A cancelled timer reads as ECANCELED once, and stays cancelled until it is set again.
void WallClockWatch::readCancellation() {
    std::uint64_t expirations = 0;
    if (read(m_timer, &expirations, sizeof expirations) >= 0 || errno != ECANCELED)
        return;
    arm();
    emit jumped();
}
