#include "display/PageMenus.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

PageMenuEntry entryFor(const PageRecord& record, int page) {
    return {page, record.Name.isEmpty() ? record.URL : record.Name, record.URL, record.Enabled};
}

} // namespace

QString noPagesCaption() {
    return QCoreApplication::translate("PageMenus", "（なし）");
}

PageMenus buildPageMenus(const QList<PageRecord>& pages) {
    PageMenus menus;
    for (int page = 1; page <= pages.size(); ++page) {
        const PageRecord& record = pages[page - 1];
        if (record.isBlank())
            continue;
        PageMenuEntry entry = entryFor(record, page);
        menus.download.append(entry);
        if (entry.checked) {
            entry.checked = false;
            menus.browse.append(entry);
        }
    }
    return menus;
}

std::optional<QList<PageRecord>> toggledPages(const QList<PageRecord>& pages, int page) {
    if (page < 1 || page > pages.size())
        return std::nullopt;
    QList<PageRecord> toggled = pages;
    toggled[page - 1].Enabled = !toggled[page - 1].Enabled;
    return toggled;
}
