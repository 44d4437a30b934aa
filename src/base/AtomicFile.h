#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at path with bytes through a temporary file in the same folder, renamed over
// the old file only when complete: a full disk or a crash never leaves a cut-off file. With
// allowDirectWrite, a folder that refuses the temporary file gets the file written in place. The file
// is left readable and writable by its owner only (0600).
bool writeFileAtomically(const QString& path, const QByteArray& bytes, bool allowDirectWrite = false);
