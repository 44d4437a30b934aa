#include "retrieval/ItemExtractor.h"

#include "retrieval/TagRemoval.h"

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

// Hands every non-empty fragment, in page order, to take(fragment, excluding word or nullptr).
// Returns whether there was any.
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
            take(std::move(fragment), word);
        }
        p = e + rule.footer.size();
    }
    return found;
}

} // namespace

bool extractItems(QString& pageText, int pageNumber, const QList<RuleRecord>& rules,
                  const ExtractionOptions& options, InfoItems& items, const StopSignal& shouldStop) {
    pageText = prepared(std::move(pageText), options);
    bool found = false;
    for (int number = 1; number <= rules.size(); ++number) {
        const RuleRecord& record = rules[number - 1];
        if (!record.Enabled)
            continue;
        if (stopRequested(shouldStop))
            break;
        const PreparedRule rule = prepareRule(record, options);
        const auto keep = [&](QString&& fragment, const QString* excludedBy) {
            if (!excludedBy)
                items.append(InfoItem{std::move(fragment), pageNumber, number});
        };
        found = applyRule(pageText, rule, options, shouldStop, keep) || found;
    }
    return found;
}

QList<RuleFragment> testRule(const QString& pageText, const RuleRecord& rule,
                             const ExtractionOptions& options, const StopSignal& shouldStop) {
    QList<RuleFragment> fragments;
    const auto take = [&](QString&& fragment, const QString* excludedBy) {
        fragments.append({std::move(fragment), excludedBy ? std::optional(*excludedBy) : std::nullopt});
    };
    applyRule(prepared(pageText, options), prepareRule(rule, options), options, shouldStop, take);
    return fragments;
}
