#pragma once

#include <QString>
#include <QtGlobal>

// Tells whether another instance using the same settings folder was running when this one
// started. Every instance holds a shared lock on a file in the runtime folder for its whole life;
// an instance that can take that lock exclusively at start is alone. The system drops the locks
// of a process that ends, however it ends, so no stale lock survives a crash. It never stops a
// later instance from running.
class InstanceLock {
public:
    explicit InstanceLock(const QString& lockPath);
    ~InstanceLock();
    Q_DISABLE_COPY_MOVE(InstanceLock)

    bool otherInstanceWasRunning() const { return m_otherWasRunning; }

    // The lock file for the instances of one settings folder.
    static QString lockPathFor(const QString& settingsFolder,
                               const QString& runtimeFolder = defaultRuntimeFolder());
    static QString defaultRuntimeFolder();

private:
    int m_descriptor = -1;
    bool m_otherWasRunning = false;
};
