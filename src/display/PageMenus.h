#pragma once

#include "retrieval/DataTable.h"

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

QString NoPagesCaption(); // "（なし）"

// Blank records (an empty page file, blank lines) are no pages and get no entry. A page
// without a name is listed by its address.
PageMenus BuildPageMenus(const DataTable& pages);

// The page table with page's enabled flag flipped to "1" or "0"; nothing when there is no such
// page. The window writes it as url.txt and reloads the data files.
std::optional<DataTable> ToggledPageTable(const DataTable& pages, int page);
