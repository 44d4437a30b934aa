#pragma once

#include <QDateTime>
#include <QString>

namespace RunLogTag {
inline const QString Run = QStringLiteral(" [Run]");
inline const QString End = QStringLiteral(" [End]");
inline const QString Get = QStringLiteral(" [Get] ");
inline const QString Warn = QStringLiteral(" [Warn] ");
} // namespace RunLogTag

// "yyyy/mm/dd hh:mm:ss" + tag + text + CR LF.
QString formatRunLogLine(const QDateTime& when, const QString& tag, const QString& text = {});

// Appends one line to the run log. Callers write only with the Debug setting on; a failure loses
// this line and nothing else.
void writeRunLogLine(const QString& logPath, const QDateTime& when, const QString& tag,
                     const QString& text = {});
