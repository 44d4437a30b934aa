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

PreparedRule PrepareRule(const DataTable& rules, int record, const ExtractionOptions& options) {
    PreparedRule rule;
    rule.header = Prepared(rules.value(RuleField::Header, record), options);
    rule.footer = Prepared(rules.value(RuleField::Footer, record), options);
    const QString exclusions = Prepared(rules.value(RuleField::Exclusions, record), options);
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
               const ExtractionOptions& options, InfoItems& items) {
    const QStringMatcher header(rule.header);
    const QStringMatcher footer(rule.footer);
    bool found = false;
    qsizetype p = 0;
    for (;;) {
        const qsizetype s = header.indexIn(page, p);
        if (s < 0)
            break;
        const qsizetype start = s + rule.header.size();
        const qsizetype e = footer.indexIn(page, start);
        // No footer after this header means none after any later header either.
        if (e < 0)
            break;
        QString fragment = page.sliced(start, e - start);
        RemoveTags(fragment);
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

bool ExtractItems(QString& pageText, int pageNumber, const DataTable& rules, const ExtractionOptions& options,
                  InfoItems& items) {
    pageText = Prepared(std::move(pageText), options);
    bool found = false;
    for (int record = 1; record <= rules.recordCount(); ++record) {
        if (!IsFlagOn(rules.value(RuleField::Enabled, record)))
            continue;
        const PreparedRule rule = PrepareRule(rules, record, options);
        found = ApplyRule(pageText, rule, pageNumber, record, options, items) || found;
    }
    return found;
}
