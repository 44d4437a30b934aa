#include "base/PrivateFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <sys/stat.h>

bool openPrivately(QFile& file, QIODevice::OpenMode mode) {
    if (!file.open(mode, OwnerOnly))
        return false;
    return file.permissions() == OwnerOnly || file.setPermissions(OwnerOnly);
}

bool makePrivateFolder(const QString& folder) {
    QStringList missing;
    for (QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath()); !QFileInfo(path).exists();
         path = QFileInfo(path).absolutePath())
        missing.prepend(path);
    for (const QString& path : std::as_const(missing)) {
        // mkdir takes the umask off 0700; the mode is set again so that it is 0700 whatever the umask.
        if (::mkdir(QFile::encodeName(path).constData(), 0700) != 0 && !QFileInfo(path).isDir())
            return false;
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    return QFileInfo(folder).isDir();
}

bool readableByOthers(const QString& folder) {
    return QFileInfo(folder).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther);
}
