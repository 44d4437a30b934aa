#pragma once

#include <QObject>

// Tells when the wall clock jumped: the time was set, or the machine woke from suspend. Timers run on
// the monotonic clock, which stands still while the machine sleeps, so a timer armed for the next
// wall-clock minute fires late after a resume; this is the moment to arm it afresh. The kernel says so
// through a CLOCK_REALTIME timer that is cancelled whenever the clock is set or resumes; it never
// fires on its own, so the watch costs no wake-up. Where the kernel has no such timer it never rings.
class WallClockWatch : public QObject {
    Q_OBJECT
public:
    explicit WallClockWatch(QObject* parent = nullptr);
    ~WallClockWatch() override;
    Q_DISABLE_COPY_MOVE(WallClockWatch)

signals:
    void jumped();

private:
    bool arm();
    void readCancellation();

    int m_timer = -1;
};
