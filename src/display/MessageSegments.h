#pragma once

#include "retrieval/DataSet.h"
#include "retrieval/InfoItem.h"
#include "settings/AppSettings.h"

#include <QList>
#include <QString>
#include <QStringList>

// What a stretch of the message is; it decides the stretch's colour on the sign.
enum class RunRole { Label, Keyword, Plain, NewMarker };

struct MessageRun {
    QString text;
    RunRole role = RunRole::Plain;

    bool operator==(const MessageRun&) const = default;
};

// An item cut into coloured runs: the page label first (when there is one), then the text with
// every keyword occurrence as a run of its own and the characters between merged into plain runs.
struct KeywordColouring {
    QList<MessageRun> runs;
    bool keywordFound = false; // decides the item sound

    bool operator==(const KeywordColouring&) const = default;
};

// Walks text from its first character: at each position the keywords are tried in list order and
// the first one whose text stands there exactly (case-sensitive) wins; the walk goes on after it.
// Where none matches, one character is plain and the walk moves on by one. An empty keyword never
// matches.
KeywordColouring colourKeywords(const QString& label, const QString& text, const QStringList& keywords);

// The item's text with the rule's name in front, without a separator, when ShowFilter is on and
// the item came from a rule (the default message and whole-page texts get no prefix).
QString messageText(const InfoItem& item, const QList<RuleRecord>& rules, const AppSettings& settings);

// The page's label when ShowTitle is on, else empty. The default message has no page, so no label.
QString messageLabel(const InfoItem& item, const QList<PageRecord>& pages, const AppSettings& settings);

// What stands before a new item on the sign.
inline constexpr char16_t NewItemMarker[] = u"● ";

// Label, text and keywords of an item taken together; a new item has the marker in front.
KeywordColouring colourItem(const InfoItem& item, const DataSet& tables, const AppSettings& settings);
