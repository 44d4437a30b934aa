#include "base/AtomicFile.h"

#include "base/PrivateFiles.h"

#include <QSaveFile>

bool writeFileAtomically(const QString& path, const QByteArray& bytes, bool allowDirectWrite) {
    QSaveFile file(path);
    file.setDirectWriteFallback(allowDirectWrite);
    // Unbuffered: Qt 6.4 misses a write that fails while commit() flushes the buffer and renames
    // the cut-off file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    // The new file is the owner's alone, whatever the file it replaces allowed.
    file.setPermissions(OwnerOnly);
    if (file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}
