#pragma once

#include "retrieval/DataSet.h"

#include <QList>
#include <QString>
#include <optional>

// One page entry of the download or browse menu.
struct PageMenuEntry {
    int page = 0; // record number in the page table
    QString caption;
    QString url;
    bool checked = false; // download menu: the page is enabled

    bool operator==(const PageMenuEntry&) const = default;
};

// The page entries of the popup menu. An empty list shows the placeholder "（なし）" alone.
struct PageMenus {
    QList<PageMenuEntry> download; // every page, ticked when enabled
    QList<PageMenuEntry> browse;   // the enabled pages, in page order

    bool operator==(const PageMenus&) const = default;
};

QString noPagesCaption(); // "（なし）"

// Blank records (blank lines of the page file) are no pages and get no entry. A page without a
// name is listed by its address.
PageMenus buildPageMenus(const QList<PageRecord>& pages);

// The pages with the page numbered page switched on or off; nothing when there is no such page.
// The window has them saved as the page list.
std::optional<QList<PageRecord>> toggledPages(const QList<PageRecord>& pages, int page);
