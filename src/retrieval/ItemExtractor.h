#pragma once

#include "base/StopSignal.h"
#include "retrieval/DataSet.h"
#include "retrieval/InfoItem.h"

#include <QString>

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
bool ExtractItems(QString& pageText, int pageNumber, const QList<RuleRecord>& rules,
                  const ExtractionOptions& options, InfoItems& items, const StopSignal& shouldStop = {});
