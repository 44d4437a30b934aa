#pragma once

#include <QFile>
#include <QString>

// What Sorvanta writes is the user's alone: the settings and the page list hold passwords (scrambled,
// which anyone who reads the format can undo), the page dump holds pages fetched with them.

// Read and write for the owner only (0600).
inline constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Opens file for writing with mode: a new file is created 0600 whatever the umask, and one that is
// there is narrowed to 0600 too.
bool openPrivately(QFile& file, QIODevice::OpenMode mode);

// Creates folder and any parent that is missing, each made 0700 (a folder that is there already is
// left as its owner made it). False when the folder is not there afterwards.
bool makePrivateFolder(const QString& folder);

// Whether the group or others may read the folder.
bool readableByOthers(const QString& folder);
