#pragma once

#include <QDateTime>
#include <QString>

// With Debug on, every fetched page is appended to "~http.tmp" in the program folder:
// a time comment, the address comment, the text and an empty line. A failure loses the entry.
QString formatPageDump(const QDateTime& when, const QString& url, const QString& text);
void appendPageDump(const QString& path, const QDateTime& when, const QString& url, const QString& text);
