#include "retrieval/ItemLinks.h"

#include <QStringMatcher>
#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

bool isSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// Where the next tag named name starts at or after from (its "<"), or -1.
qsizetype findTag(QStringView text, QStringView name, qsizetype from) {
    const QString open = u'<' + name.toString();
    // Pages are long: a matcher skips ahead where a plain case-insensitive search looks at each character.
    const QStringMatcher matcher(open, Qt::CaseInsensitive);
    for (qsizetype at = matcher.indexIn(text, from); at >= 0; at = matcher.indexIn(text, at + 1)) {
        const qsizetype after = at + open.size();
        if (after < text.size() && (isSpace(text[after]) || text[after] == u'/'))
            return at;
    }
    return -1;
}

// The value of attribute name in the tag that starts at tagStart; nullopt when it has none. end
// receives where the tag ends.
std::optional<QString> attribute(QStringView text, qsizetype tagStart, QStringView name, qsizetype& end) {
    end = text.indexOf(u'>', tagStart);
    const QStringView tag = text.sliced(tagStart, (end < 0 ? text.size() : end) - tagStart);
    for (qsizetype at = tag.indexOf(name, 0, Qt::CaseInsensitive); at > 0;
         at = tag.indexOf(name, at + 1, Qt::CaseInsensitive)) {
        if (!isSpace(tag[at - 1]) && tag[at - 1] != u'"' && tag[at - 1] != u'\'')
            continue;
        qsizetype p = at + name.size();
        while (p < tag.size() && isSpace(tag[p]))
            ++p;
        if (p >= tag.size() || tag[p] != u'=')
            continue;
        ++p;
        while (p < tag.size() && isSpace(tag[p]))
            ++p;
        if (p < tag.size() && (tag[p] == u'"' || tag[p] == u'\'')) {
            const qsizetype close = tag.indexOf(tag[p], p + 1);
            return tag.sliced(p + 1, (close < 0 ? tag.size() : close) - p - 1).trimmed().toString();
        }
        qsizetype stop = p;
        while (stop < tag.size() && !isSpace(tag[stop]))
            ++stop;
        return tag.sliced(p, stop - p).toString();
    }
    return std::nullopt;
}

} // namespace

namespace ItemLinks {

QStringList anchorHrefs(QStringView text) {
    QStringList hrefs;
    qsizetype end = 0;
    for (qsizetype at = findTag(text, u"a", 0); at >= 0; at = end < 0 ? -1 : findTag(text, u"a", end)) {
        if (std::optional<QString> href = attribute(text, at, u"href", end))
            hrefs.append(*std::move(href));
    }
    return hrefs;
}

QString firstAnchorHref(QStringView text, qsizetype startsBefore) {
    text = text.first(std::min(text.size(), startsBefore + LongestTag));
    // A tag cut off by the limit is still read to its end; no tag is looked for beyond it.
    const QStringView searched = text.first(std::min(text.size(), startsBefore + 2));
    qsizetype end = 0;
    for (qsizetype at = findTag(searched, u"a", 0); at >= 0 && at < startsBefore;
         at = end < 0 ? -1 : findTag(searched, u"a", end)) {
        if (std::optional<QString> href = attribute(text, at, u"href", end))
            return *std::move(href);
    }
    return {};
}

QUrl pageBase(const QString& pageUrl, QStringView pageText) {
    const QUrl page(pageUrl);
    qsizetype end = 0;
    const qsizetype tag = findTag(pageText, u"base", 0);
    if (tag < 0)
        return page;
    const std::optional<QString> href = attribute(pageText, tag, u"href", end);
    return href && !href->isEmpty() ? page.resolved(QUrl(*href)) : page;
}

QString resolved(const QString& link, const QUrl& base) {
    if (link.isEmpty())
        return {};
    const QUrl url = base.resolved(QUrl(link.trimmed()));
    const QString scheme = url.scheme().toLower();
    if ((scheme != u"http" && scheme != u"https") || url.host().isEmpty())
        return {};
    return url.toString();
}

} // namespace ItemLinks
