#pragma once

#include "retrieval/DataSet.h"

#include <QString>
#include <QStringList>

// The texts of url.txt, filter.txt and keywords.txt and the records they hold. Flags and
// exclusion words are read here once: a flag is on when it reads as a non-zero number or as the
// word "True" (any case). Writing gives back the bytes the program wrote for the same records.

QList<PageRecord> ParsePages(const QString& text);
QString FormatPages(const QList<PageRecord>& pages);

QList<RuleRecord> ParseRules(const QString& text);
QString FormatRules(const QList<RuleRecord>& rules);

// A rule's exclusion words as the rule file and the rule dialogs hold them: separated by single
// spaces, so two spaces in a row hold an empty word; an empty text has none.
QStringList ParseExclusions(const QString& text);
QString FormatExclusions(const QStringList& exclusions);

// Keywords are the lines of the text, split at every CR LF: an empty text has none, and a text
// ending in CR LF has an empty last keyword. They are written back joined by CR LF.
QStringList ParseKeywords(const QString& text);
QString FormatKeywords(const QStringList& keywords);
