#pragma once

#include "base/StopSignal.h"

#include <QList>
#include <QString>
#include <optional>

// One entry of a news feed.
struct FeedEntry {
    // The entry's title (its own, else its Dublin Core title, else its media title), references
    // decoded, HTML turned into its text where the title holds HTML, runs of white space made one
    // space, none at either end. An entry without any title has the start of its text instead.
    QString title;
    // The item's <link>, else its permalink <guid>; the Atom entry's alternate link, else its first
    // link; "" when there is none.
    QString link;

    bool operator==(const FeedEntry&) const = default;
};

// A stretch of the page text, [start, end).
struct TextRange {
    qsizetype start = 0;
    qsizetype end = 0;

    bool operator==(const TextRange&) const = default;
};

struct Feed {
    QList<FeedEntry> entries;
    qsizetype start = 0; // where the feed begins in the text, after whatever a server printed first
    // Where the insides of the entries' titles, descriptions and contents stand in the text: the
    // markup there is the entries' content, not the feed's own.
    QList<TextRange> entryTexts;
};

// The entries, in document order, of a decoded page whose document element is an RSS 0.9x/2.0
// "rss", an RSS 0.9/1.0 "rdf:RDF" or an Atom 1.0 or 0.3 "feed" (also after a server's warning
// printed before the XML declaration), or of a JSON Feed; nullopt for any other page. The page is
// read as a feed reader reads it (LenientXmlReader.h): HTML's named references, a bare "&",
// undeclared prefixes and unbalanced tags are forgiven, and a document cut off gives the entries
// complete before the cut. No entity a document type declares is ever expanded, nor anything it
// names fetched. shouldStop is asked at each element outside the entries; a stop gives nullopt.
std::optional<Feed> parseFeed(const QString& text, const StopSignal& shouldStop = {});
