#pragma once

#include "base/StopSignal.h"

#include <QList>
#include <QString>
#include <optional>

// One entry of a news feed.
struct FeedEntry {
    // CDATA unwrapped, entities decoded, tags dropped from an Atom title of type "html", runs of
    // white space (space, tab, CR, LF) made one space, none at either end. An entity left
    // undeclared under an external document type stays as its reference ("&nbsp;").
    QString title;
    QString link; // the item's link, the Atom entry's alternate link; "" when there is none

    bool operator==(const FeedEntry&) const = default;
};

// The entries, in document order, of a decoded page whose document element is an RSS 0.9x/2.0
// "rss", an RSS 0.9/1.0 "rdf:RDF" or an Atom "feed". nullopt for any other page, and for one that
// is not well-formed XML. A document whose document type has an internal subset is refused unread:
// that is the only place where entities are declared, so no entity is ever expanded (nor an
// external one fetched) and the work stays in proportion to the page. shouldStop is asked between
// the feed's elements; a stop gives nullopt.
std::optional<QList<FeedEntry>> ParseFeed(const QString& text, const StopSignal& shouldStop = {});
