#include "retrieval/FeedParser.h"

#include "retrieval/TagRemoval.h"

#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView RdfNamespace = u"http://www.w3.org/1999/02/22-rdf-syntax-ns#";
constexpr QStringView Rss10Namespace = u"http://purl.org/rss/1.0/";
constexpr QStringView Rss09Namespace = u"http://my.netscape.com/rdf/simple/0.9/";
constexpr QStringView AtomNamespace = u"http://www.w3.org/2005/Atom";

enum class FeedFormat { Rss, Rdf, Atom };

bool IsXmlSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

qsizetype SkipSpace(QStringView text, qsizetype at) {
    while (at < text.size() && IsXmlSpace(text[at]))
        ++at;
    return at;
}

// Just after the first end marker behind at; -1 when there is none.
qsizetype EndAfter(QStringView text, qsizetype at, QStringView marker) {
    const qsizetype end = text.indexOf(marker, at + 2);
    return end < 0 ? -1 : end + marker.size();
}

// Just after the ">" of the document type declaration at at; -1 when it has an internal subset
// ("[" outside its quoted identifiers) or no end.
qsizetype EndOfDoctype(QStringView text, qsizetype at) {
    QChar quote;
    for (; at < text.size(); ++at) {
        const QChar c = text[at];
        if (!quote.isNull())
            quote = c == quote ? QChar() : quote;
        else if (c == u'"' || c == u'\'')
            quote = c;
        else if (c == u'[')
            return -1;
        else if (c == u'>')
            return at + 1;
    }
    return -1;
}

// Where the document element starts, after white space, the XML declaration, processing
// instructions, comments and a document type declaration without internal subset; -1 when
// anything else comes first.
qsizetype DocumentElementAt(QStringView text) {
    for (qsizetype at = SkipSpace(text, 0); at < text.size(); at = SkipSpace(text, at)) {
        const QStringView rest = text.sliced(at);
        if (rest.startsWith(u"<?"))
            at = EndAfter(text, at, u"?>");
        else if (rest.startsWith(u"<!--"))
            at = EndAfter(text, at, u"-->");
        else if (rest.startsWith(u"<!DOCTYPE"))
            at = EndOfDoctype(text, at);
        else
            return rest.startsWith(u'<') ? at : -1;
        if (at < 0)
            return -1;
    }
    return -1;
}

// A look at the name of the tag at at, so that ordinary pages never reach the XML reader.
bool HasFeedName(QStringView text, qsizetype at) {
    qsizetype end = at + 1;
    while (end < text.size() && !IsXmlSpace(text[end]) && text[end] != u'>' && text[end] != u'/')
        ++end;
    const QStringView name = text.sliced(at + 1, end - at - 1);
    const QStringView local = name.sliced(name.lastIndexOf(u':') + 1);
    return local == u"rss" || local == u"RDF" || local == u"feed";
}

std::optional<FeedFormat> FormatOf(const QXmlStreamReader& reader) {
    if (reader.name() == u"rss")
        return FeedFormat::Rss;
    if (reader.name() == u"RDF" && reader.namespaceUri() == RdfNamespace)
        return FeedFormat::Rdf;
    if (reader.name() == u"feed" && reader.namespaceUri() == AtomNamespace)
        return FeedFormat::Atom;
    return std::nullopt;
}

bool IsEntry(const QXmlStreamReader& reader, FeedFormat format, QStringView feedNamespace) {
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

// The text inside the current element, child elements' text included. The reader reports an
// entity it could not resolve (undeclared, under an external document type) by name: its
// reference is kept for the page text's own reference decoding.
QString ReadText(QXmlStreamReader& reader) {
    QString text;
    for (int depth = 1; depth > 0 && !reader.atEnd();) {
        switch (reader.readNext()) {
        case QXmlStreamReader::Characters:
            text += reader.text();
            break;
        case QXmlStreamReader::EntityReference:
            text += u'&';
            text += reader.name();
            text += u';';
            break;
        case QXmlStreamReader::StartElement:
            ++depth;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return text;
}

// Runs of white space made one space, none at either end.
QString CollapseWhiteSpace(QStringView raw) {
    QString text;
    text.reserve(raw.size());
    bool space = false;
    for (const QChar c : raw) {
        if (IsXmlSpace(c)) {
            space = !text.isEmpty();
            continue;
        }
        if (space)
            text += u' ';
        space = false;
        text += c;
    }
    return text;
}

// The href of an Atom link that points at the entry itself (rel "alternate" or none); "" for others.
QString AtomLink(QXmlStreamReader& reader) {
    const QXmlStreamAttributes attributes = reader.attributes();
    reader.skipCurrentElement();
    const QStringView rel = attributes.value("rel"_L1);
    return rel.isEmpty() || rel == u"alternate" ? attributes.value("href"_L1).trimmed().toString()
                                                : QString();
}

// Reads the current item or entry up to its end; its first title and first link count.
FeedEntry ReadEntry(QXmlStreamReader& reader, FeedFormat format) {
    const QString entryNamespace = reader.namespaceUri().toString();
    FeedEntry entry;
    bool titled = false;
    while (reader.readNextStartElement()) {
        const bool own = reader.namespaceUri() == entryNamespace;
        if (own && reader.name() == u"title" && !titled) {
            const bool html = format == FeedFormat::Atom && reader.attributes().value("type"_L1) == u"html";
            QString title = ReadText(reader);
            if (html)
                RemoveTags(title);
            entry.title = CollapseWhiteSpace(title);
            titled = true;
        } else if (own && reader.name() == u"link" && entry.link.isEmpty()) {
            entry.link = format == FeedFormat::Atom ? AtomLink(reader) : ReadText(reader).trimmed();
        } else {
            reader.skipCurrentElement();
        }
    }
    return entry;
}

// Reads the children of the current element up to its end, collecting entries; an RSS channel
// element directly inside is read the same way. Returns false when stopped.
bool ReadEntries(QXmlStreamReader& reader, FeedFormat format, QStringView feedNamespace, bool inChannel,
                 const StopSignal& shouldStop, QList<FeedEntry>& entries) {
    while (reader.readNextStartElement()) {
        if (StopRequested(shouldStop))
            return false;
        const bool channel = format == FeedFormat::Rss && !inChannel && reader.name() == u"channel";
        if (IsEntry(reader, format, feedNamespace))
            entries.append(ReadEntry(reader, format));
        else if (!channel)
            reader.skipCurrentElement();
        else if (!ReadEntries(reader, format, feedNamespace, true, shouldStop, entries))
            return false;
    }
    return true;
}

} // namespace

std::optional<QList<FeedEntry>> ParseFeed(const QString& text, const StopSignal& shouldStop) {
    const qsizetype root = DocumentElementAt(text);
    if (root < 0 || !HasFeedName(text, root))
        return std::nullopt;
    // White space before the XML declaration is a common slip of feed generators; it is forgiven.
    const qsizetype start = SkipSpace(text, 0);
    QXmlStreamReader reader(start == 0 ? text : text.sliced(start));
    if (!reader.readNextStartElement())
        return std::nullopt;
    const std::optional<FeedFormat> format = FormatOf(reader);
    if (!format)
        return std::nullopt;
    const QString feedNamespace = reader.namespaceUri().toString();
    QList<FeedEntry> entries;
    if (!ReadEntries(reader, *format, feedNamespace, false, shouldStop, entries))
        return std::nullopt;
    while (!reader.atEnd())
        reader.readNext();
    if (reader.hasError())
        return std::nullopt;
    return entries;
}
