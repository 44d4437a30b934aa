#include "retrieval/PageContent.h"

#include "retrieval/PageText.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Stands for each "<" of markup inside a feed's texts; no rule holds it.
constexpr QChar Unmatchable(0xFFFC);

// The feed's text with every "<" of the markup its entries carry made unmatchable: inside their
// titles, descriptions and contents, in CDATA sections, and escaped as the two references of "<"
// that normalisation decodes; so is whatever a server printed before the feed.
QString feedMarkup(QString text, const Feed& feed) {
    // A JSON feed has no markup of its own for a rule to find.
    if (QStringView(text).trimmed().startsWith(u'{'))
        return {};
    const auto unmatchable = [&text](qsizetype start, qsizetype end) {
        std::replace(text.begin() + start, text.begin() + std::min(end, text.size()), QChar(u'<'),
                     Unmatchable);
    };
    unmatchable(0, feed.start);
    for (const TextRange& range : feed.entryTexts)
        unmatchable(range.start, range.end);
    const QString cdata = u"<![CDATA["_s;
    for (qsizetype at = text.indexOf(cdata); at >= 0; at = text.indexOf(cdata, at + 1)) {
        const qsizetype end = text.indexOf(u"]]>"_s, at);
        unmatchable(at + cdata.size(), end < 0 ? text.size() : end);
    }
    text.replace(u"&lt;"_s, Unmatchable);
    text.replace(u"&#60;"_s, Unmatchable);
    return normaliseText(std::move(text));
}

void appendFeedItems(const QList<FeedEntry>& feed, int pageNumber, InfoItems& items) {
    for (const FeedEntry& entry : feed) {
        QString text = normaliseText(entry.title);
        if (!text.isEmpty())
            items.append({std::move(text), pageNumber, 0, entry.link});
    }
}

} // namespace

PageContent readPageContent(const QByteArray& bytes, const QByteArray& contentType,
                            const StopSignal& shouldStop) {
    if (bytes.isEmpty())
        return {};
    PageContent content;
    content.encoding = choosePageEncoding(bytes, contentType);
    std::optional<QString> decoded = decodeWholePage(bytes, content.encoding->encoding);
    if (!decoded)
        return content;
    // The feed is read before normalisation, which decodes references and so breaks the markup, and
    // whole: a NUL inside does not cut it short, though it ends the page text.
    if (std::optional<Feed> feed = parseFeed(*decoded, shouldStop)) {
        content.feedMarkup = feedMarkup(*decoded, *feed);
        content.feed = std::move(feed->entries);
    }
    const qsizetype nul = decoded->indexOf(QChar(0));
    if (nul >= 0)
        decoded->truncate(nul);
    content.text = normaliseText(*std::move(decoded));
    return content;
}

bool extractPageItems(PageContent& content, int pageNumber, const QList<RuleRecord>& rules,
                      const ExtractionOptions& options, InfoItems& items, const StopSignal& shouldStop) {
    if (!content.feed)
        return extractItems(content.text, pageNumber, rules, options, items, shouldStop);
    QList<RuleRecord> feedRules = rules;
    for (RuleRecord& rule : feedRules)
        rule.Enabled = rule.Enabled && !testRule(content.feedMarkup, rule, options, shouldStop).isEmpty();
    if (extractItems(content.text, pageNumber, feedRules, options, items, shouldStop))
        return true;
    appendFeedItems(*content.feed, pageNumber, items);
    return true;
}
