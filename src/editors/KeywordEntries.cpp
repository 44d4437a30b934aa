#include "editors/KeywordEntries.h"

QStringList ListedKeywords(const QStringList& keywords) {
    QStringList listed = keywords;
    listed.removeAll(QString());
    return listed;
}

QStringList StoredKeywords(const QStringList& listed) {
    return listed.isEmpty() ? QStringList{QString()} : listed;
}
