#include "retrieval/PageContent.h"

#include "retrieval/PageText.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Stands for each "<" of markup inside a feed's texts; no rule holds it.
constexpr QChar Unmatchable(0xFFFC);

QString FeedMarkup(QString text) {
    // A JSON feed has no markup of its own for a rule to find.
    if (QStringView(text).trimmed().startsWith(u'{'))
        return {};
    // The two references of "<" that normalisation decodes, and every "<" inside a CDATA section.
    text.replace(u"&lt;"_s, Unmatchable);
    text.replace(u"&#60;"_s, Unmatchable);
    const QString cdata = u"<![CDATA["_s;
    for (qsizetype at = text.indexOf(cdata); at >= 0; at = text.indexOf(cdata, at + 1)) {
        const qsizetype start = at + cdata.size();
        const qsizetype end = text.indexOf(u"]]>"_s, start);
        const auto last = end < 0 ? text.end() : text.begin() + end;
        std::replace(text.begin() + start, last, QChar(u'<'), Unmatchable);
    }
    return NormaliseText(std::move(text));
}

void AppendFeedItems(const QList<FeedEntry>& feed, int pageNumber, InfoItems& items) {
    for (const FeedEntry& entry : feed) {
        QString text = NormaliseText(entry.title);
        if (!text.isEmpty())
            items.append({std::move(text), pageNumber, 0, entry.link});
    }
}

} // namespace

PageContent ReadPageContent(const QByteArray& bytes, const QByteArray& contentType,
                            const StopSignal& shouldStop) {
    if (bytes.isEmpty())
        return {};
    PageContent content;
    content.encoding = ChoosePageEncoding(bytes, contentType);
    std::optional<QString> decoded = DecodePageBytesAs(bytes, content.encoding->encoding);
    if (!decoded)
        return content;
    // The feed is read before normalisation, which decodes references and so breaks the markup.
    content.feed = ParseFeed(*decoded, shouldStop);
    if (content.feed)
        content.feedMarkup = FeedMarkup(*decoded);
    content.text = NormaliseText(*std::move(decoded));
    return content;
}

bool ExtractPageItems(PageContent& content, int pageNumber, const QList<RuleRecord>& rules,
                      const ExtractionOptions& options, InfoItems& items, const StopSignal& shouldStop) {
    if (!content.feed)
        return ExtractItems(content.text, pageNumber, rules, options, items, shouldStop);
    QList<RuleRecord> feedRules = rules;
    for (RuleRecord& rule : feedRules)
        rule.Enabled = rule.Enabled && !TestRule(content.feedMarkup, rule, options, shouldStop).isEmpty();
    if (ExtractItems(content.text, pageNumber, feedRules, options, items, shouldStop))
        return true;
    AppendFeedItems(*content.feed, pageNumber, items);
    return true;
}
