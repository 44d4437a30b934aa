#include "display/NewsNotices.h"

#include "display/BrowseUrl.h"
#include "display/MessageSegments.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace NewsNotices {

QList<DesktopNotice> forNewKeywordItems(const InfoItems& items, const DataSet& tables) {
    QList<DesktopNotice> notices;
    int more = 0;
    for (const InfoItem& item : items) {
        if (!item.isNew || !colourKeywords({}, item.text, tables.keywords).keywordFound)
            continue;
        if (notices.size() == MostPerUpdate) {
            ++more;
            continue;
        }
        const PageRecord page = numberedRecord(tables.pages, item.page);
        QString summary = page.Label.trimmed();
        if (summary.isEmpty())
            summary = page.Name.isEmpty() ? u"Sorvanta"_s : page.Name;
        notices.append({summary, item.text, itemAddress(item, tables.pages)});
    }
    if (more > 0)
        notices.append(
            {u"Sorvanta"_s,
             QCoreApplication::translate("NewsNotices", "ほかに新着のキーワード情報が %1 件あります。")
                 .arg(more),
             {}});
    return notices;
}

} // namespace NewsNotices
