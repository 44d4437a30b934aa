#include "retrieval/FeedParser.h"

#include "retrieval/LenientXmlReader.h"
#include "retrieval/TagRemoval.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

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

// An entry without any title is shown by the start of its text, this many characters at most.
constexpr qsizetype ExcerptLength = 120;

enum class FeedFormat { Rss, Rdf, Atom };

bool IsMediaNamespace(QStringView ns) {
    return ns == u"http://search.yahoo.com/mrss/" || ns == u"http://search.yahoo.com/mrss";
}

bool IsSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == QChar(0xA0);
}

// Runs of white space (no-break spaces included) made one space, none at either end.
QString CollapseWhiteSpace(QStringView raw) {
    QString text;
    text.reserve(raw.size());
    bool space = false;
    for (const QChar c : raw) {
        if (IsSpace(c)) {
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

// A plain-text title that holds markup anyway: a closing tag or a line break.
bool LooksLikeHtml(const QString& text) {
    static const QRegularExpression markup(uR"(</[a-z][a-z0-9]*\s*>|<br\s*/?>)"_s,
                                           QRegularExpression::CaseInsensitiveOption);
    return text.contains(u'<') && markup.match(text).hasMatch();
}

std::optional<FeedFormat> FormatOf(const LenientXmlReader& reader) {
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
std::optional<FeedFormat> ReadDocumentElement(LenientXmlReader& reader) {
    for (;;) {
        switch (reader.readNext()) {
        case Token::StartElement:
            return FormatOf(reader);
        case Token::Characters:
            if (!reader.text().trimmed().isEmpty())
                return std::nullopt;
            break;
        default:
            return std::nullopt;
        }
    }
}

bool IsEntry(const LenientXmlReader& reader, FeedFormat format, QStringView feedNamespace) {
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

// The text inside the element just started, its children's included; nullopt when the document
// ends inside it.
std::optional<QString> ReadText(LenientXmlReader& reader) {
    const qsizetype depth = reader.depth();
    QString text;
    for (;;) {
        switch (reader.readNext()) {
        case Token::Characters:
            text += reader.text();
            break;
        case Token::EndElement:
            if (reader.depth() < depth)
                return text;
            break;
        case Token::EndOfDocument:
            return std::nullopt;
        case Token::StartElement:
            break;
        }
    }
}

// A title's text, white space collapsed. Tags are dropped from an Atom title of type html (Atom
// 0.3's "text/html", escaped or in base64, included), from a media title of type html, and from any
// other title but Atom's plain text when it plainly holds HTML.
std::optional<QString> ReadTitle(LenientXmlReader& reader, bool atom) {
    const QString type = reader.attribute(u"type");
    const bool base64 = reader.attribute(u"mode") == u"base64";
    std::optional<QString> text = ReadText(reader);
    if (!text)
        return std::nullopt;
    if (base64)
        *text = QString::fromUtf8(QByteArray::fromBase64(text->toLatin1()));
    const bool html = type == u"html" || type == u"text/html" || (!atom && LooksLikeHtml(*text));
    if (html)
        RemoveTags(*text);
    return CollapseWhiteSpace(*text);
}

QString Excerpt(const QString& text) {
    return text.size() > ExcerptLength ? text.first(ExcerptLength - 1) + u'…' : text;
}

// What an entry's item is made from, as read so far.
struct EntryParts {
    QString title;
    QString dcTitle;
    QString mediaTitle;
    QString body;         // description, summary or content, tags dropped
    QString link;         // RSS <link>, Atom alternate link
    QString fallbackLink; // RSS permalink <guid>, the first Atom link

    FeedEntry entry() const {
        FeedEntry entry;
        for (const QString* candidate : {&title, &dcTitle, &mediaTitle}) {
            if (entry.title.isEmpty())
                entry.title = *candidate;
        }
        if (entry.title.isEmpty())
            entry.title = Excerpt(body);
        entry.link = link.isEmpty() ? fallbackLink : link;
        return entry;
    }
};

bool StartsWithHttp(const QString& link) {
    return link.startsWith(u"http://"_s, Qt::CaseInsensitive) ||
           link.startsWith(u"https://"_s, Qt::CaseInsensitive);
}

// Reads the element just started when it is part of the entry; false when the document ends in it.
// Titles of other vocabularies, links and bodies count only as the entry's own children, but a media
// title anywhere in it.
bool ReadPart(LenientXmlReader& reader, FeedFormat format, QStringView entryNamespace, bool child,
              EntryParts& parts) {
    const QStringView name = reader.name();
    const QStringView ns = reader.namespaceUri();
    const bool own = ns == entryNamespace;
    const bool atom = format == FeedFormat::Atom;
    QString* title = nullptr;
    if (IsMediaNamespace(ns) && name == u"title")
        title = &parts.mediaTitle;
    else if (child && own && name == u"title")
        title = &parts.title;
    else if (child && ns == DcNamespace && name == u"title")
        title = &parts.dcTitle;
    if (title) {
        const std::optional<QString> text = ReadTitle(reader, atom && title == &parts.title);
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
        return ReadText(reader).has_value();
    }
    const bool permalink = own && name == u"guid" && reader.attribute(u"isPermaLink") != u"false";
    const bool body = (own && (name == u"description" || name == u"summary" || name == u"content")) ||
                      (ns == ContentNamespace && name == u"encoded");
    if (!(own && name == u"link") && !permalink && !body)
        return true;
    std::optional<QString> text = ReadText(reader);
    if (!text)
        return false;
    if (permalink && parts.fallbackLink.isEmpty() && StartsWithHttp(text->trimmed()))
        parts.fallbackLink = text->trimmed();
    else if (body && parts.body.isEmpty() && RemoveTags(*text))
        parts.body = CollapseWhiteSpace(*text);
    else if (!permalink && !body && parts.link.isEmpty())
        parts.link = text->trimmed();
    return true;
}

// Reads the item or entry just started up to its end; nullopt when the document ends first.
std::optional<FeedEntry> ReadEntry(LenientXmlReader& reader, FeedFormat format) {
    const QString entryNamespace = reader.namespaceUri().toString();
    const qsizetype depth = reader.depth();
    EntryParts parts;
    for (;;) {
        switch (reader.readNext()) {
        case Token::StartElement:
            if (!ReadPart(reader, format, entryNamespace, reader.depth() == depth + 1, parts))
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

// A JSON Feed's items: the title, else the start of the text (content_html with its tags dropped);
// the url, else the external_url. nullopt for JSON that is no JSON Feed.
std::optional<QList<FeedEntry>> ParseJsonFeed(const QString& text, const StopSignal& shouldStop) {
    const QJsonObject feed = QJsonDocument::fromJson(text.toUtf8()).object();
    if (!feed.value("version"_L1).toString().startsWith(u"https://jsonfeed.org/version/"_s))
        return std::nullopt;
    QList<FeedEntry> entries;
    for (const QJsonValue& value : feed.value("items"_L1).toArray()) {
        if (StopRequested(shouldStop))
            return std::nullopt;
        const QJsonObject item = value.toObject();
        QString title = CollapseWhiteSpace(item.value("title"_L1).toString());
        if (title.isEmpty()) {
            QString body = item.value("content_html"_L1).toString();
            RemoveTags(body);
            for (const QString& key : {u"content_text"_s, u"summary"_s})
                body = body.trimmed().isEmpty() ? item.value(key).toString() : body;
            title = Excerpt(CollapseWhiteSpace(body));
        }
        const QString url = item.value("url"_L1).toString().trimmed();
        entries.append({title, url.isEmpty() ? item.value("external_url"_L1).toString().trimmed() : url});
    }
    return entries;
}

} // namespace

std::optional<QList<FeedEntry>> ParseFeed(const QString& text, const StopSignal& shouldStop) {
    const QStringView start = QStringView(text).trimmed();
    if (start.startsWith(u'{'))
        return ParseJsonFeed(text, shouldStop);
    if (!start.startsWith(u'<'))
        return std::nullopt;
    LenientXmlReader reader(text);
    const std::optional<FeedFormat> format = ReadDocumentElement(reader);
    if (!format)
        return std::nullopt;
    const QString feedNamespace = reader.namespaceUri().toString();
    QList<FeedEntry> entries;
    for (;;) {
        const Token token = reader.readNext();
        if (token == Token::EndOfDocument)
            return entries;
        if (token != Token::StartElement)
            continue;
        if (StopRequested(shouldStop))
            return std::nullopt;
        if (!IsEntry(reader, *format, feedNamespace))
            continue;
        std::optional<FeedEntry> entry = ReadEntry(reader, *format);
        if (!entry)
            return entries;
        entries.append(*std::move(entry));
    }
}
