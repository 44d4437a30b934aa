#pragma once

#include "retrieval/DataSet.h"

#include <QString>
#include <QStringList>

// A text of more than 40 UTF-16 code units is shown as its first 38 and "..."; a Japanese
// character counts like an ASCII one.
QString shortenedText(const QString& text);

// What the rule extracts, in plain words: from the (shortened) header up to the footer, and when
// it has exclusion words, a third line that they stop the extraction.
QStringList ruleDescription(const RuleRecord& rule);
