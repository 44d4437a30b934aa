#include "base/RunLog.h"

#include "base/PrivateFiles.h"

#include <QFile>

using namespace Qt::StringLiterals;

QString formatRunLogLine(const QDateTime& when, const QString& tag, const QString& text) {
    return when.toString(u"yyyy/MM/dd HH:mm:ss"_s) + tag + text + u"\r\n"_s;
}

void writeRunLogLine(const QString& logPath, const QDateTime& when, const QString& tag, const QString& text) {
    QFile log(logPath);
    if (!openPrivately(log, QIODevice::WriteOnly | QIODevice::Append))
        return;
    log.write(formatRunLogLine(when, tag, text).toUtf8());
}
