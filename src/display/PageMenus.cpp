#include "display/PageMenus.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool IsBlankRecord(const DataTable& pages, int page) {
    const QStringList& fields = pages.record(page);
    return std::all_of(fields.cbegin(), fields.cend(), [](const QString& field) { return field.isEmpty(); });
}

PageMenuEntry EntryFor(const DataTable& pages, int page) {
    const QString url = pages.value(PageField::URL, page);
    const QString name = pages.value(PageField::Name, page);
    return {page, name.isEmpty() ? url : name, url, IsFlagOn(pages.value(PageField::Enabled, page))};
}

} // namespace

QString NoPagesCaption() {
    return u"（なし）"_s;
}

PageMenus BuildPageMenus(const DataTable& pages) {
    PageMenus menus;
    for (int page = 1; page <= pages.recordCount(); ++page) {
        if (IsBlankRecord(pages, page))
            continue;
        PageMenuEntry entry = EntryFor(pages, page);
        menus.download.append(entry);
        if (entry.checked) {
            entry.checked = false;
            menus.browse.append(entry);
        }
    }
    return menus;
}

std::optional<DataTable> ToggledPageTable(const DataTable& pages, int page) {
    if (page < 1 || page > pages.recordCount())
        return std::nullopt;
    DataTable toggled = pages;
    const bool enabled = IsFlagOn(pages.value(PageField::Enabled, page));
    toggled.setValue(PageField::Enabled, page, enabled ? u"0"_s : u"1"_s);
    return toggled;
}
