#pragma once

#include "base/StopSignal.h"
#include "retrieval/DataSet.h"
#include "retrieval/FeedParser.h"
#include "retrieval/InfoItem.h"
#include "retrieval/ItemExtractor.h"
#include "retrieval/PageDecoder.h"

#include <QByteArray>
#include <QString>
#include <optional>

// A downloaded page, decoded once: the normalised text the rules and the whole-page text work on,
// the encoding it was read in and, when the page is a feed, its entries and its own markup: the
// normalised text in which the markup that its texts carry (escaped, or in CDATA sections) no
// longer matches, so that a rule finds there only what it finds in the feed's own elements.
struct PageContent {
    QString text;
    std::optional<EncodingChoice> encoding; // nullopt when no bytes arrived
    std::optional<QList<FeedEntry>> feed;
    QString feedMarkup;
};

// A stop cuts the feed's reading short: the page then has no feed.
PageContent readPageContent(const QByteArray& bytes, const QByteArray& contentType,
                            const StopSignal& shouldStop = {});

// Cuts a page's items with the rules (extractItems). A feed is taken over only by the rules that find
// something in its own markup; when none does, each entry with a title becomes an item, in feed
// order, rule number 0, its title normalised like page text and its link kept. Returns true when
// something was found, or the page is a feed (a feed without entries has no whole-page text either).
// content.text is changed as extractItems changes it.
bool extractPageItems(PageContent& content, int pageNumber, const QList<RuleRecord>& rules,
                      const ExtractionOptions& options, InfoItems& items, const StopSignal& shouldStop = {});
