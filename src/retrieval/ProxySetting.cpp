#include "retrieval/ProxySetting.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

QString proxyForScheme(const QString& proxyText, const QString& scheme) {
    static const QRegularExpression separators(u"[;\\s]+"_s);
    QString anyScheme;
    for (const QString& entry : proxyText.split(separators, Qt::SkipEmptyParts)) {
        const qsizetype equals = entry.indexOf(u'=');
        if (equals < 0) {
            if (anyScheme.isEmpty())
                anyScheme = entry;
            continue;
        }
        if (entry.first(equals).compare(scheme, Qt::CaseInsensitive) == 0 && equals + 1 < entry.size())
            return entry.sliced(equals + 1);
    }
    return anyScheme;
}
