#include "retrieval/PageContent.h"

#include "retrieval/PageDecoder.h"
#include "retrieval/PageText.h"

PageContent ReadPageContent(const QByteArray& bytes, const QByteArray& contentType,
                            const StopSignal& shouldStop) {
    std::optional<QString> decoded = bytes.isEmpty() ? std::nullopt : DecodePageBytes(bytes, contentType);
    if (!decoded)
        return {};
    // The feed is read before normalisation, which decodes references and so breaks the markup.
    std::optional<QList<FeedEntry>> feed = ParseFeed(*decoded, shouldStop);
    return {NormaliseText(*std::move(decoded)), std::move(feed)};
}

bool AppendFeedItems(const std::optional<QList<FeedEntry>>& feed, int pageNumber, InfoItems& items) {
    if (!feed)
        return false;
    for (const FeedEntry& entry : *feed) {
        QString text = NormaliseText(entry.title);
        if (!text.isEmpty())
            items.append({std::move(text), pageNumber, 0, entry.link});
    }
    return true;
}
