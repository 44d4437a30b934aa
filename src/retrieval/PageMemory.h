#pragma once

#include "retrieval/DataSet.h"
#include "retrieval/InfoItem.h"
#include "retrieval/ItemExtractor.h"
#include "retrieval/PageFetcher.h"

#include <QHash>
#include <QSet>
#include <QString>

// What a page gave at its last update: its items, to tell what is new and to stand in for the page
// when the server says it has not changed, and the validators to ask it with.
struct RememberedPage {
    PageValidators validators;
    InfoItems items; // read from the file with page number 0; the cycle numbers them when it reuses them
};

// Identifies a page together with everything that decides its items: address, user name, rules and
// extraction settings. A change to any of them makes a new key, so what was kept is forgotten.
QString pageMemoryKey(const PageRecord& page, const QList<RuleRecord>& rules,
                      const ExtractionOptions& options, bool showTextInstead);

// What the pages gave at their last update, by key; kept in a small file of the settings folder so
// that a restart neither makes everything new nor downloads what has not changed.
class PageMemory {
public:
    // More items than this are not kept whole: the page's validators are then dropped, so that a 304
    // never stands in for items that were not kept.
    static constexpr qsizetype MaxItems = 1000;

    const RememberedPage* find(const QString& key) const;
    // Takes in what the page gave now: each of items is marked new when no remembered item had its
    // text (a page seen for the first time has nothing new), and they are kept with validators.
    void remember(const QString& key, const PageValidators& validators, InfoItems& items);
    // Forgets every page whose key is not among keys.
    void keepOnly(const QSet<QString>& keys);
    bool isChanged() const { return m_changed; }

    // A missing, unreadable or foreign file is an empty memory.
    void load(const QString& path);
    // Written atomically, owner-only; only when something changed. False when the write failed.
    bool save(const QString& path);

private:
    QHash<QString, RememberedPage> m_pages;
    bool m_changed = false;
};
