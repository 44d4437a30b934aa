#include "retrieval/JsonFeed.h"

#include "retrieval/FeedText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

std::optional<QList<FeedEntry>> parseJsonFeed(const QString& text, const StopSignal& shouldStop) {
    const QJsonObject feed = QJsonDocument::fromJson(text.toUtf8()).object();
    if (!feed.value("version"_L1).toString().startsWith(u"https://jsonfeed.org/version/"_s))
        return std::nullopt;
    QList<FeedEntry> entries;
    for (const QJsonValue& value : feed.value("items"_L1).toArray()) {
        if (stopRequested(shouldStop))
            return std::nullopt;
        const QJsonObject item = value.toObject();
        QString title = collapseWhiteSpace(item.value("title"_L1).toString());
        if (title.isEmpty()) {
            QString body = htmlText(item.value("content_html"_L1).toString());
            for (const QLatin1StringView key : {"content_text"_L1, "summary"_L1})
                body = body.isEmpty() ? collapseWhiteSpace(item.value(key).toString()) : body;
            title = excerpt(body);
        }
        const QString url = item.value("url"_L1).toString().trimmed();
        entries.append({title, url.isEmpty() ? item.value("external_url"_L1).toString().trimmed() : url});
    }
    return entries;
}
