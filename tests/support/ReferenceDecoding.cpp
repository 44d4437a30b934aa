#include "support/ReferenceDecoding.h"

#include <QList>
#include <utility>

using namespace Qt::StringLiterals;

QString decodeReferencesOneByOne(QString text) {
    static const QList<std::pair<QString, QString>> steps = {
        {u"&lt;"_s, u"<"_s},    {u"&gt;"_s, u">"_s},   {u"&amp;"_s, u"&"_s},  {u"&apos;"_s, u"'"_s},
        {u"&quot;"_s, u"\""_s}, {u"&nbsp;"_s, u" "_s}, {u"&#60;"_s, u"<"_s},  {u"&#62;"_s, u">"_s},
        {u"&#38;"_s, u"&"_s},   {u"&#39;"_s, u"'"_s},  {u"&#34;"_s, u"\""_s}, {u"&#160;"_s, u" "_s},
    };
    for (const auto& [from, to] : steps)
        text.replace(from, to);
    return text;
}
