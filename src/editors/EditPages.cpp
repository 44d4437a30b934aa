#include "editors/EditPages.h"

#include "editors/ListRows.h"

#include <algorithm>

EditPages::EditPages(QList<PageRecord> pages, const QMap<int, PageStatus>& statuses)
    : m_pages(std::move(pages)) {
    m_statuses.resize(m_pages.size());
    for (auto status = statuses.cbegin(); status != statuses.cend(); ++status) {
        if (status.key() >= 1 && status.key() <= m_pages.size())
            m_statuses[status.key() - 1] = status.value();
    }
}

QMap<int, PageStatus> EditPages::statuses() const {
    QMap<int, PageStatus> byNumber;
    for (int row = 0; row < count(); ++row) {
        if (m_statuses[row])
            byNumber.insert(row + 1, *m_statuses[row]);
    }
    return byNumber;
}

bool EditPages::anyEnabled() const {
    return std::any_of(m_pages.cbegin(), m_pages.cend(), [](const PageRecord& page) { return page.Enabled; });
}

void EditPages::disableAll() {
    for (PageRecord& page : m_pages)
        page.Enabled = false;
}

int EditPages::append(const PageRecord& page) {
    m_pages.append(page);
    m_statuses.emplaceBack();
    return count() - 1;
}

void EditPages::replace(int row, const PageRecord& page) {
    if (page.URL != m_pages[row].URL)
        m_statuses[row].reset();
    m_pages[row] = page;
}

std::optional<int> EditPages::move(int row, int step) {
    moveRow(m_statuses, row, step);
    return moveRow(m_pages, row, step);
}

void EditPages::remove(int row) {
    m_pages.removeAt(row);
    m_statuses.removeAt(row);
}
