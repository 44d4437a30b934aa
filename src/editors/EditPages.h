#pragma once

#include "retrieval/DataSet.h"
#include "retrieval/PageStatus.h"

#include <QList>
#include <QMap>
#include <optional>

// The page list dialog's working copy of the page list. Each page carries what the last update got
// from it, and keeps it through moves and removals of other pages; a page added here has none.
class EditPages {
public:
    // statuses: by page number (from 1) of pages.
    EditPages(QList<PageRecord> pages, const QMap<int, PageStatus>& statuses);

    const QList<PageRecord>& pages() const { return m_pages; }
    int count() const { return int(m_pages.size()); }
    const PageRecord& page(int row) const { return m_pages.at(row); }
    std::optional<PageStatus> status(int row) const { return m_statuses.value(row); }
    // By page number of the list as it now stands.
    QMap<int, PageStatus> statuses() const;
    bool anyEnabled() const;

    void setEnabled(int row, bool enabled) { m_pages[row].Enabled = enabled; }
    void setName(int row, const QString& name) { m_pages[row].Name = name; }
    void disableAll();
    // Returns the new page's row, the last one.
    int append(const PageRecord& page);
    // A page fetched from another address no longer has the status it had.
    void replace(int row, const PageRecord& page);
    // See moveRow.
    std::optional<int> move(int row, int step);
    void remove(int row);

private:
    QList<PageRecord> m_pages;
    QList<std::optional<PageStatus>> m_statuses; // one per page
};
