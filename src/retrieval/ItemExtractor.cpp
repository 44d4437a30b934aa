#include "retrieval/ItemExtractor.h"

#include "retrieval/ItemLinks.h"
#include "retrieval/TagRemoval.h"

#include <QHash>
#include <QStringList>
#include <QStringMatcher>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct PreparedRule {
    QString header;
    QString footer;
    QStringList exclusions; // empty words included: they match every fragment
};

QString prepared(QString text, const ExtractionOptions& options) {
    if (options.ignoreCase)
        text = text.toUpper();
    if (options.ignoreQuote) {
        text.remove(u'"');
        text.remove(u'\'');
    }
    return text;
}

PreparedRule prepareRule(const RuleRecord& record, const ExtractionOptions& options) {
    PreparedRule rule;
    rule.header = prepared(record.Header, options);
    rule.footer = prepared(record.Footer, options);
    // Prepared as the field's text and split after: a field of nothing but quotes holds no word.
    const QString exclusions = prepared(record.Exclusions.join(u' '), options);
    if (!exclusions.isEmpty())
        rule.exclusions = exclusions.split(u' ');
    if (rule.footer.isEmpty())
        rule.footer = u"<"_s; // the fragment then ends at the next tag
    return rule;
}

// The first of the rule's words that the fragment holds, or nullptr.
const QString* excludingWord(const QString& fragment, const PreparedRule& rule,
                             const ExtractionOptions& options) {
    if (options.ignoreExcept)
        return nullptr;
    const auto word = std::find_if(rule.exclusions.cbegin(), rule.exclusions.cend(),
                                   [&](const QString& w) { return fragment.contains(w); });
    return word == rule.exclusions.cend() ? nullptr : &*word;
}

// The link of a fragment: the first anchor's href in it, counting the tag its start cuts into (a
// header that ends inside <a href="...">) and reading a tag its end cuts into to the tag's end.
QString fragmentLink(const QString& page, qsizetype start, qsizetype end) {
    const qsizetype lookedFrom = std::max<qsizetype>(0, start - ItemLinks::LongestTag);
    const QStringView before = QStringView(page).sliced(lookedFrom, start - lookedFrom);
    const qsizetype open = before.lastIndexOf(u'<');
    if (open > before.lastIndexOf(u'>'))
        start = lookedFrom + open;
    return ItemLinks::firstAnchorHref(QStringView(page).sliced(start), end - start);
}

// Hands every non-empty fragment, in page order, to take(fragment, excluding word or nullptr, the
// start and end of its stretch of page). Returns whether there was any.
template <typename Take>
bool applyRule(const QString& page, const PreparedRule& rule, const ExtractionOptions& options,
               const StopSignal& shouldStop, Take take) {
    constexpr int StopCheckInterval = 1024;
    const QStringMatcher header(rule.header);
    const QStringMatcher footer(rule.footer);
    bool found = false;
    qsizetype p = 0;
    for (int round = 1;; ++round) {
        if (round % StopCheckInterval == 0 && stopRequested(shouldStop))
            break;
        const qsizetype s = header.indexIn(page, p);
        if (s < 0)
            break;
        const qsizetype start = s + rule.header.size();
        const qsizetype e = footer.indexIn(page, start);
        // No footer after this header means none after any later header either.
        if (e < 0)
            break;
        QString fragment = page.sliced(start, e - start);
        if (!removeTags(fragment, shouldStop))
            break;
        if (!fragment.isEmpty()) {
            found = true;
            const QString* word = excludingWord(fragment, rule, options);
            take(std::move(fragment), word, start, e);
        }
        p = e + rule.footer.size();
    }
    return found;
}

} // namespace

bool extractItems(QString& pageText, int pageNumber, const QList<RuleRecord>& rules,
                  const ExtractionOptions& options, InfoItems& items, const StopSignal& shouldStop) {
    // Upper case and dropped quotes would break the addresses: links are taken from the page as it came.
    const bool textChanges = options.ignoreCase || options.ignoreQuote;
    const QString original = textChanges ? pageText : QString();
    std::optional<QHash<QString, QString>> originalLinks;
    const auto linkAsWritten = [&](const QString& link) {
        if (!textChanges || link.isEmpty())
            return link;
        if (!originalLinks) {
            originalLinks.emplace();
            for (const QString& href : ItemLinks::anchorHrefs(original)) {
                const QString asPrepared = prepared(href, options);
                if (!originalLinks->contains(asPrepared))
                    originalLinks->insert(asPrepared, href);
            }
        }
        return originalLinks->value(link);
    };
    pageText = prepared(std::move(pageText), options);
    bool found = false;
    for (int number = 1; number <= rules.size(); ++number) {
        const RuleRecord& record = rules[number - 1];
        if (!record.Enabled)
            continue;
        if (stopRequested(shouldStop))
            break;
        const PreparedRule rule = prepareRule(record, options);
        const auto keep = [&](QString&& fragment, const QString* excludedBy, qsizetype start, qsizetype end) {
            if (!excludedBy)
                items.append(InfoItem{std::move(fragment), pageNumber, number,
                                      linkAsWritten(fragmentLink(pageText, start, end))});
        };
        found = applyRule(pageText, rule, options, shouldStop, keep) || found;
    }
    return found;
}

QList<RuleFragment> testRule(const QString& pageText, const RuleRecord& rule,
                             const ExtractionOptions& options, const StopSignal& shouldStop) {
    QList<RuleFragment> fragments;
    const auto take = [&](QString&& fragment, const QString* excludedBy, qsizetype, qsizetype) {
        fragments.append({std::move(fragment), excludedBy ? std::optional(*excludedBy) : std::nullopt});
    };
    applyRule(prepared(pageText, options), prepareRule(rule, options), options, shouldStop, take);
    return fragments;
}
