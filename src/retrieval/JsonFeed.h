#pragma once

#include "base/StopSignal.h"
#include "retrieval/FeedParser.h"

#include <QList>
#include <QString>
#include <optional>

// The items of a JSON Feed: each one's title, else the start of its text (content_html's text,
// content_text or summary); its url, else its external_url. nullopt for text that is no JSON Feed;
// a stop gives nullopt too.
std::optional<QList<FeedEntry>> parseJsonFeed(const QString& text, const StopSignal& shouldStop = {});
