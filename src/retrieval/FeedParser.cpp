#include "retrieval/FeedParser.h"

#include "retrieval/FeedText.h"
#include "retrieval/HtmlEntities.h"
#include "retrieval/JsonFeed.h"
#include "retrieval/LenientXmlReader.h"

#include <algorithm>
#include <iterator>

using namespace Qt::StringLiterals;
using Token = LenientXmlReader::Token;

namespace {

constexpr QStringView RdfNamespace = u"http://www.w3.org/1999/02/22-rdf-syntax-ns#";
constexpr QStringView Rss10Namespace = u"http://purl.org/rss/1.0/";
constexpr QStringView Rss09Namespace = u"http://my.netscape.com/rdf/simple/0.9/";
constexpr QStringView AtomNamespace = u"http://www.w3.org/2005/Atom";
constexpr QStringView Atom03Namespace = u"http://purl.org/atom/ns#";
constexpr QStringView DcNamespace = u"http://purl.org/dc/elements/1.1/";
constexpr QStringView ContentNamespace = u"http://purl.org/rss/1.0/modules/content/";
// How far into a page a feed may start behind a server's warning.
constexpr qsizetype WarningLength = 4096;

enum class FeedFormat { Rss, Rdf, Atom };

bool isMediaNamespace(QStringView ns) {
    return ns == u"http://search.yahoo.com/mrss/" || ns == u"http://search.yahoo.com/mrss";
}

// XHTML elements whose edges stand between words.
bool isBlock(QStringView name) {
    static constexpr QStringView Blocks[] = {u"br", u"p",  u"div", u"li", u"tr", u"td",         u"th", u"h1",
                                             u"h2", u"h3", u"h4",  u"h5", u"h6", u"blockquote", u"pre"};
    return std::find(std::begin(Blocks), std::end(Blocks), name) != std::end(Blocks);
}

std::optional<FeedFormat> formatOf(const LenientXmlReader& reader) {
    const QStringView ns = reader.namespaceUri();
    if (reader.name() == u"rss")
        return FeedFormat::Rss;
    if (reader.name() == u"RDF" && ns == RdfNamespace)
        return FeedFormat::Rdf;
    if (reader.name() == u"feed" && (ns == AtomNamespace || ns == Atom03Namespace))
        return FeedFormat::Atom;
    return std::nullopt;
}

// The format named by the document element; nullopt when it is no feed's, or when text comes first.
std::optional<FeedFormat> readDocumentElement(LenientXmlReader& reader) {
    for (;;) {
        switch (reader.readNext()) {
        case Token::StartElement:
            return formatOf(reader);
        case Token::Characters:
            if (!reader.text().trimmed().isEmpty())
                return std::nullopt;
            break;
        default:
            return std::nullopt;
        }
    }
}

bool isEntry(const LenientXmlReader& reader, FeedFormat format, QStringView feedNamespace) {
    const QStringView name = reader.name();
    const QStringView ns = reader.namespaceUri();
    switch (format) {
    case FeedFormat::Rss:
        return name == u"item" && ns == feedNamespace;
    case FeedFormat::Rdf:
        return name == u"item" && (ns == Rss10Namespace || ns == Rss09Namespace);
    case FeedFormat::Atom:
        return name == u"entry" && ns == feedNamespace;
    }
    return false;
}

// The text inside the element just started, its children's included, a space at the edges of
// their block elements; nullopt when the document ends inside it. Where the inside stands is
// added to texts.
std::optional<QString> readText(LenientXmlReader& reader, QList<TextRange>& texts) {
    const qsizetype depth = reader.depth();
    const qsizetype start = reader.position();
    QString text;
    for (;;) {
        switch (reader.readNext()) {
        case Token::Characters:
            text += reader.text();
            break;
        case Token::EndElement:
            if (reader.depth() < depth) {
                texts.append({start, std::max(start, reader.tokenStart())});
                return text;
            }
            [[fallthrough]];
        case Token::StartElement:
            if (isBlock(reader.name()))
                text += u' ';
            break;
        case Token::EndOfDocument:
            return std::nullopt;
        }
    }
}

// A title's text. An Atom title is HTML when its type says so (Atom 0.3's "text/html", escaped or
// in base64, included) and plain text otherwise; any other title is HTML when it plainly holds
// markup, and plain text with its references decoded once more (feeds escape twice) otherwise.
std::optional<QString> readTitle(LenientXmlReader& reader, bool atom, QList<TextRange>& texts) {
    const QString type = reader.attribute(u"type");
    const bool base64 = reader.attribute(u"mode") == u"base64";
    std::optional<QString> text = readText(reader, texts);
    if (!text)
        return std::nullopt;
    if (base64)
        *text = QString::fromUtf8(QByteArray::fromBase64(text->toLatin1()));
    if (type == u"html" || type == u"text/html" || (!atom && looksLikeHtml(*text)))
        return htmlText(*text);
    if (atom)
        return collapseWhiteSpace(*text);
    QString decoded;
    appendWithReferencesDecoded(decoded, *text);
    return collapseWhiteSpace(decoded);
}

// What an entry's item is made from, as read so far.
struct EntryParts {
    QString title;
    QString dcTitle;
    QString mediaTitle;
    QString body;         // description, summary or content, as text
    QString link;         // RSS <link>, Atom alternate link
    QString fallbackLink; // RSS permalink <guid>, the first Atom link

    FeedEntry entry() const {
        FeedEntry entry;
        for (const QString* candidate : {&title, &dcTitle, &mediaTitle}) {
            if (entry.title.isEmpty())
                entry.title = *candidate;
        }
        if (entry.title.isEmpty())
            entry.title = excerpt(body);
        entry.link = link.isEmpty() ? fallbackLink : link;
        return entry;
    }
};

bool startsWithHttp(const QString& link) {
    return link.startsWith(u"http://"_s, Qt::CaseInsensitive) ||
           link.startsWith(u"https://"_s, Qt::CaseInsensitive);
}

// Reads the element just started when it is part of the entry; false when the document ends in it.
// Titles of other vocabularies, links and bodies count only as the entry's own children, but a media
// title anywhere in it.
bool readPart(LenientXmlReader& reader, FeedFormat format, QStringView entryNamespace, bool child,
              EntryParts& parts, QList<TextRange>& texts) {
    const QStringView name = reader.name();
    const QStringView ns = reader.namespaceUri();
    const bool own = ns == entryNamespace;
    const bool atom = format == FeedFormat::Atom;
    QString* title = nullptr;
    if (isMediaNamespace(ns) && name == u"title")
        title = &parts.mediaTitle;
    else if (child && own && name == u"title")
        title = &parts.title;
    else if (child && ns == DcNamespace && name == u"title")
        title = &parts.dcTitle;
    if (title) {
        const std::optional<QString> text = readTitle(reader, atom && title == &parts.title, texts);
        if (text && title->isEmpty())
            *title = *text;
        return text.has_value();
    }
    if (!child)
        return true;
    if (own && name == u"link" && atom) {
        const QString rel = reader.attribute(u"rel");
        const QString href = reader.attribute(u"href").trimmed();
        if ((rel.isEmpty() || rel == u"alternate") && parts.link.isEmpty())
            parts.link = href;
        if (parts.fallbackLink.isEmpty())
            parts.fallbackLink = href;
        QList<TextRange> inside;
        return readText(reader, inside).has_value();
    }
    const bool permalink = own && name == u"guid" && reader.attribute(u"isPermaLink") != u"false";
    const bool body = (own && (name == u"description" || name == u"summary" || name == u"content")) ||
                      (ns == ContentNamespace && name == u"encoded");
    if (!(own && name == u"link") && !permalink && !body)
        return true;
    const std::optional<QString> text = readText(reader, texts);
    if (!text)
        return false;
    if (permalink && parts.fallbackLink.isEmpty() && startsWithHttp(text->trimmed()))
        parts.fallbackLink = text->trimmed();
    else if (body && parts.body.isEmpty())
        parts.body = htmlText(*text);
    else if (!permalink && !body && parts.link.isEmpty())
        parts.link = text->trimmed();
    return true;
}

// Reads the item or entry just started up to its end; nullopt when the document ends first.
std::optional<FeedEntry> readEntry(LenientXmlReader& reader, FeedFormat format, QList<TextRange>& texts) {
    const QString entryNamespace = reader.namespaceUri().toString();
    const qsizetype depth = reader.depth();
    EntryParts parts;
    for (;;) {
        switch (reader.readNext()) {
        case Token::StartElement:
            if (!readPart(reader, format, entryNamespace, reader.depth() == depth + 1, parts, texts))
                return std::nullopt;
            break;
        case Token::EndElement:
            if (reader.depth() < depth)
                return parts.entry();
            break;
        case Token::EndOfDocument:
            return std::nullopt;
        case Token::Characters:
            break;
        }
    }
}

std::optional<Feed> readXmlFeed(QStringView text, const StopSignal& shouldStop) {
    LenientXmlReader reader(text);
    const std::optional<FeedFormat> format = readDocumentElement(reader);
    if (!format)
        return std::nullopt;
    const QString feedNamespace = reader.namespaceUri().toString();
    Feed feed;
    for (;;) {
        const Token token = reader.readNext();
        if (token == Token::EndOfDocument)
            return feed;
        if (token != Token::StartElement)
            continue;
        if (stopRequested(shouldStop))
            return std::nullopt;
        if (!isEntry(reader, *format, feedNamespace))
            continue;
        std::optional<FeedEntry> entry = readEntry(reader, *format, feed.entryTexts);
        if (!entry)
            return feed;
        feed.entries.append(*std::move(entry));
    }
}

} // namespace

std::optional<Feed> parseFeed(const QString& text, const StopSignal& shouldStop) {
    const QStringView start = QStringView(text).trimmed();
    if (start.startsWith(u'{')) {
        std::optional<QList<FeedEntry>> entries = parseJsonFeed(text, shouldStop);
        return entries ? std::optional(Feed{*std::move(entries), 0, {}}) : std::nullopt;
    }
    if (!start.startsWith(u'<'))
        return std::nullopt;
    bool stopped = false;
    const StopSignal remembered = [&] { return stopped = stopRequested(shouldStop); };
    if (std::optional<Feed> feed = readXmlFeed(text, remembered))
        return feed;
    if (stopped)
        return std::nullopt;
    // A warning a server script printed before the feed.
    const qsizetype declaration =
        QStringView(text).first(std::min(text.size(), WarningLength)).indexOf(u"<?xml");
    if (declaration <= 0)
        return std::nullopt;
    std::optional<Feed> feed = readXmlFeed(QStringView(text).sliced(declaration), remembered);
    if (feed) {
        feed->start = declaration;
        for (TextRange& range : feed->entryTexts)
            range = {range.start + declaration, range.end + declaration};
    }
    return feed;
}
