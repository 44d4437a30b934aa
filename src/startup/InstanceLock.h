#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// Tells whether another instance was already running when this one started. The first instance
// holds a lock file in the runtime folder for its whole life; later instances see it held. It
// never stops a later instance from running.
class InstanceLock {
public:
    explicit InstanceLock(const QString& lockPath = defaultLockPath());
    Q_DISABLE_COPY_MOVE(InstanceLock)

    bool otherInstanceWasRunning() const { return !m_holdsLock; }

    static QString defaultLockPath();

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_holdsLock = false;
};
