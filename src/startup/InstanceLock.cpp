#include "startup/InstanceLock.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

InstanceLock::InstanceLock(const QString& lockPath)
    : m_lock(std::make_unique<QLockFile>(lockPath)) {
    QDir().mkpath(QFileInfo(lockPath).absolutePath());
    // A lock left by a crashed instance names a dead process and is taken over.
    m_lock->setStaleLockTime(0);
    m_holdsLock = m_lock->tryLock(0);
}

QString InstanceLock::defaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + u"/kwSorvanta.lock"_s;
}
