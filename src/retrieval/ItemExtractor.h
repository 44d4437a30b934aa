#pragma once

#include "base/StopSignal.h"
#include "retrieval/DataSet.h"
#include "retrieval/InfoItem.h"

#include <QString>
#include <optional>

struct ExtractionOptions {
    bool ignoreCase = false;   // IgnoreCase
    bool ignoreQuote = false;  // IgnoreQuote
    bool ignoreExcept = false; // IgnoreExcept
};

// Cuts every stretch between each enabled rule's header and footer out of pageText and appends
// the surviving fragments to items. pageText itself is upper-cased / stripped of quotes as the
// options say. Returns true when any non-empty fragment was found, excluded or not. Touches nothing
// but its arguments, so it may run on a worker thread. When shouldStop answers true it returns at
// once, with the items found so far.
bool extractItems(QString& pageText, int pageNumber, const QList<RuleRecord>& rules,
                  const ExtractionOptions& options, InfoItems& items, const StopSignal& shouldStop = {});

// One fragment a rule cut out of a page: an item, or dropped for holding an exclusion word.
struct RuleFragment {
    QString text;
    std::optional<QString> excludedBy; // the first of the rule's words it holds, as matched (maybe empty)

    bool operator==(const RuleFragment&) const = default;
};

// What one rule cuts out of a normalised page text with the same matching as extractItems, in
// page order, the excluded fragments included: for trying a rule out. The rule is applied whether
// or not it is enabled; the page text is left as it is.
QList<RuleFragment> testRule(const QString& pageText, const RuleRecord& rule,
                             const ExtractionOptions& options, const StopSignal& shouldStop = {});
