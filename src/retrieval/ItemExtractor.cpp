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

QString Prepared(QString text, const ExtractionOptions& options) {
    if (options.ignoreCase)
        text = text.toUpper();
    if (options.ignoreQuote) {
        text.remove(u'"');
        text.remove(u'\'');
    }
    return text;
}

PreparedRule PrepareRule(const RuleRecord& record, const ExtractionOptions& options) {
    PreparedRule rule;
    rule.header = Prepared(record.Header, options);
    rule.footer = Prepared(record.Footer, options);
    // Prepared as the field's text and split after: a field of nothing but quotes holds no word.
    const QString exclusions = Prepared(record.Exclusions.join(u' '), options);
    if (!exclusions.isEmpty())
        rule.exclusions = exclusions.split(u' ');
    if (rule.footer.isEmpty())
        rule.footer = u"<"_s; // the fragment then ends at the next tag
    return rule;
}

bool IsExcluded(const QString& fragment, const PreparedRule& rule) {
    return std::any_of(rule.exclusions.cbegin(), rule.exclusions.cend(),
                       [&](const QString& word) { return fragment.contains(word); });
}

// Returns whether the rule found any non-empty fragment.
bool ApplyRule(const QString& page, const PreparedRule& rule, int pageNumber, int ruleNumber,
               const ExtractionOptions& options, InfoItems& items, const StopSignal& shouldStop) {
    constexpr int StopCheckInterval = 1024;
    const QStringMatcher header(rule.header);
    const QStringMatcher footer(rule.footer);
    bool found = false;
    qsizetype p = 0;
    for (int round = 1;; ++round) {
        if (round % StopCheckInterval == 0 && shouldStop && shouldStop())
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
        if (!RemoveTags(fragment, shouldStop))
            break;
        if (!fragment.isEmpty()) {
            found = true;
            if (options.ignoreExcept || !IsExcluded(fragment, rule))
                items.append(InfoItem{std::move(fragment), pageNumber, ruleNumber});
        }
        p = e + rule.footer.size();
    }
    return found;
}

} // namespace

bool ExtractItems(QString& pageText, int pageNumber, const QList<RuleRecord>& rules,
                  const ExtractionOptions& options, InfoItems& items, const StopSignal& shouldStop) {
    pageText = Prepared(std::move(pageText), options);
    bool found = false;
    for (int number = 1; number <= rules.size(); ++number) {
        const RuleRecord& record = rules[number - 1];
        if (!record.Enabled)
            continue;
        if (shouldStop && shouldStop())
            break;
        const PreparedRule rule = PrepareRule(record, options);
        found = ApplyRule(pageText, rule, pageNumber, number, options, items, shouldStop) || found;
    }
    return found;
}
