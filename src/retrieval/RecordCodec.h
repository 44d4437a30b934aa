#pragma once

#include "retrieval/DataSet.h"

#include <QString>
#include <QStringList>

// The texts of url.txt, filter.txt and keywords.txt and the records they hold. Flags and
// exclusion words are read here once: a flag is on when it reads as a non-zero number or as the
// word "True" (any case). Writing gives back the bytes the program wrote for the same records.

QList<PageRecord> parsePages(const QString& text);
QString formatPages(const QList<PageRecord>& pages);

QList<RuleRecord> parseRules(const QString& text);
QString formatRules(const QList<RuleRecord>& rules);

// A rule's exclusion words as the rule file and the rule dialogs hold them: separated by single
// spaces, so two spaces in a row hold an empty word; an empty text has none.
QStringList parseExclusions(const QString& text);
QString formatExclusions(const QStringList& exclusions);

// Keywords are the lines of the text, split at every CR LF: an empty text has none, and a text
// ending in CR LF has an empty last keyword. They are written back joined by CR LF.
QStringList parseKeywords(const QString& text);
QString formatKeywords(const QStringList& keywords);
