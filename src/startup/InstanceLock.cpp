#include "startup/InstanceLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

int openLockFile(const QString& path) {
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (descriptor >= 0)
        ::fchmod(descriptor, 0600); // also a lock file an older version left wider
    return descriptor;
}

} // namespace

InstanceLock::InstanceLock(const QString& lockPath) {
    QDir().mkpath(QFileInfo(lockPath).absolutePath());
    m_descriptor = openLockFile(lockPath);
    // Without a lock file this instance cannot tell; it counts as alone so that its settings are kept.
    if (m_descriptor < 0)
        return;
    // Starting instances take turns through the guard, so that the exclusive test and the change to
    // a shared lock are one step for the others.
    const int guard = openLockFile(lockPath + u".guard"_s);
    if (guard >= 0)
        ::flock(guard, LOCK_EX);
    m_otherWasRunning = ::flock(m_descriptor, LOCK_EX | LOCK_NB) != 0;
    ::flock(m_descriptor, LOCK_SH);
    if (guard >= 0)
        ::close(guard);
}

InstanceLock::~InstanceLock() {
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

QString InstanceLock::lockPathFor(const QString& settingsFolder, const QString& runtimeFolder) {
    const QByteArray folder = QDir::cleanPath(QFileInfo(settingsFolder).absoluteFilePath()).toUtf8();
    const QByteArray key = QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(16);
    return runtimeFolder + u"/kwSorvanta-"_s + QString::fromLatin1(key) + u".lock"_s;
}

QString InstanceLock::defaultRuntimeFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}
