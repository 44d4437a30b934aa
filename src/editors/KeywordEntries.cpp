#include "editors/KeywordEntries.h"

QStringList listedKeywords(const QStringList& keywords) {
    QStringList listed = keywords;
    listed.removeAll(QString());
    return listed;
}

QStringList storedKeywords(const QStringList& listed) {
    return listed.isEmpty() ? QStringList{QString()} : listed;
}
