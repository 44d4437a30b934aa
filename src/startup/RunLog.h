#pragma once

#include <QDateTime>
#include <QString>

namespace RunLogTag {
inline constexpr auto Run = u" [Run]";
inline constexpr auto End = u" [End]";
inline constexpr auto Get = u" [Get] ";
} // namespace RunLogTag

// "yyyy/mm/dd hh:mm:ss" + tag + text + CR LF.
QString FormatRunLogLine(const QDateTime& when, QStringView tag, const QString& text = {});

// Appends one line to the run log. Callers write only with the Debug setting on; a failure loses
// this line and nothing else.
void WriteRunLogLine(const QString& logPath, const QDateTime& when, QStringView tag,
                     const QString& text = {});
