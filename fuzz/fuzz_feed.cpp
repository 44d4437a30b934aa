// Feed reading: any page text parses without fault or hang. A feed's titles carry no white space
// at either end and no run of it, the entries' texts lie within the page; a stop signal asked once
// gives no feed rather than part of one.
// Input: the page text (UTF-8).
#include "FuzzInput.h"
#include "retrieval/FeedParser.h"

#include <algorithm>

namespace {

bool isWhiteSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

bool isTidyTitle(const FeedEntry& entry) {
    const QString& title = entry.title;
    if (!title.isEmpty() && (isWhiteSpace(title.front()) || isWhiteSpace(title.back())))
        return false;
    return std::adjacent_find(title.cbegin(), title.cend(), [](QChar a, QChar b) {
               return isWhiteSpace(a) && isWhiteSpace(b);
           }) == title.cend();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<Feed> feed = parseFeed(text);
    if (feed) {
        FUZZ_CHECK(std::all_of(feed->entries.cbegin(), feed->entries.cend(), isTidyTitle));
        FUZZ_CHECK(
            std::all_of(feed->entryTexts.cbegin(), feed->entryTexts.cend(), [&](const TextRange& range) {
                return 0 <= range.start && range.start <= range.end && range.end <= text.size();
            }));
    }
    bool asked = false;
    const std::optional<Feed> stopped = parseFeed(text, [&] { return asked = true; });
    FUZZ_CHECK(!asked || !stopped);
    return 0;
}
