#include "retrieval/PageDump.h"

#include "base/PrivateFiles.h"

#include <QFile>
#include <QLocale>

using namespace Qt::StringLiterals;

QString formatPageDump(const QDateTime& when, const QString& url, const QString& text) {
    const QString stamp = QLocale::c().toString(when, u"dd/MMM/yyyy:HH:mm:ss"_s);
    return u"<!-- "_s + stamp + u" -->\r\n<!-- saved from url="_s + url + u" -->\r\n"_s + text +
           u"\r\n\r\n"_s;
}

void appendPageDump(const QString& path, const QDateTime& when, const QString& url, const QString& text) {
    QFile dump(path);
    if (openPrivately(dump, QIODevice::WriteOnly | QIODevice::Append))
        dump.write(formatPageDump(when, url, text).toUtf8());
}
