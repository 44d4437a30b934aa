#pragma once

#include "base/StopSignal.h"
#include "retrieval/FeedParser.h"
#include "retrieval/InfoItem.h"

#include <QByteArray>
#include <QString>
#include <optional>

// A downloaded page, decoded once: the normalised text the rules and the whole-page text work on
// and, when the page is a well-formed feed, its entries.
struct PageContent {
    QString text;
    std::optional<QList<FeedEntry>> feed;
};

// A stop cuts the feed's reading short: the page then has no feed.
PageContent ReadPageContent(const QByteArray& bytes, const QByteArray& contentType,
                            const StopSignal& shouldStop = {});

// For a feed page: appends one item per entry with a title, in feed order, rule number 0, the
// title normalised like page text, the entry's link kept; returns true, also for a feed without
// entries, whose page then has no whole-page text either. For any other page: false.
bool AppendFeedItems(const std::optional<QList<FeedEntry>>& feed, int pageNumber, InfoItems& items);
