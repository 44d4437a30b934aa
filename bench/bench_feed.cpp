// Times a generated RSS 2.0 feed of 100,000 entries (UTF-8, within the download cap): decoding,
// reading the feed, turning its entries into items, and the whole page chain as a cycle runs it;
// then what the feed check costs an ordinary HTML page.
// Usage: bench_feed [runs (default 9)]
#include "BenchSupport.h"
#include "retrieval/ItemExtractor.h"
#include "retrieval/PageContent.h"
#include "retrieval/PageDecoder.h"
#include "retrieval/PageFetcher.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int EntryCount = 100000;

// Entries as news sites write them: CDATA titles with half-width katakana and a reference, a
// link, an HTML description in CDATA and a date.
QByteArray generateFeed() {
    QString feed = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\"><channel>"
                   u"<title>運行情報</title><link>http://example.jp/</link>\n"_s;
    for (int i = 1; i <= EntryCount; ++i) {
        const QString n = QString::number(i);
        feed += u"<item><title><![CDATA[【第"_s + n + u"報】山手線 ﾀﾞｲﾔ乱れ &amp; 遅延 ("_s + n +
                u")]]></title><link>http://example.jp/news/"_s + n +
                u"</link><description><![CDATA[<p>信号確認の影響で遅れています。</p>]]></description>"
                u"<pubDate>Mon, 07 Dec 2026 10:23:00 +0900</pubDate></item>\n"_s;
    }
    return (feed + u"</channel></rss>\n"_s).toUtf8();
}

struct Times {
    double decode = 0;
    double parse = 0;
    double items = 0;
    double chain = 0;
    qsizetype itemCount = 0;
};

double msSince(const QElapsedTimer& timer, qint64 startNs) {
    return double(timer.nsecsElapsed() - startNs) / 1e6;
}

Times timeOnce(const QByteArray& bytes, const QList<RuleRecord>& rules) {
    Times times;
    QElapsedTimer timer;
    timer.start();
    const std::optional<QString> text = decodePageBytes(bytes, "application/rss+xml");
    times.decode = msSince(timer, 0);
    qint64 at = timer.nsecsElapsed();
    const std::optional<Feed> feed = parseFeed(*text);
    times.parse = msSince(timer, at);
    at = timer.nsecsElapsed();
    PageContent content{{}, {}, feed->entries, {}};
    InfoItems items;
    extractPageItems(content, 1, {}, {}, items);
    times.items = msSince(timer, at);
    times.itemCount = items.size();

    // What a cycle does with the page: read it once, try the rules, then the feed.
    at = timer.nsecsElapsed();
    PageContent page = readPageContent(bytes, "application/rss+xml");
    InfoItems chainItems;
    extractPageItems(page, 1, rules, {}, chainItems);
    times.chain = msSince(timer, at);
    return times;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const int runs = arguments.size() > 1 ? std::max(1, arguments.at(1).toInt()) : 9;
    const QByteArray bytes = generateFeed();
    const qint64 cap = FetchLimits().maxBytes;
    std::printf("RSS 2.0 feed: %d entries, %.2f MB (download cap %.2f MB)\n", EntryCount,
                double(bytes.size()) / 1e6, double(cap) / 1e6);
    if (bytes.size() > cap) {
        std::fprintf(stderr, "the generated feed is larger than the download cap\n");
        return 1;
    }
    // One rule that finds nothing in a feed.
    const QList<RuleRecord> rules{{true, u"遅延"_s, u"<td class=\"info\">"_s, u"</td>"_s, {}}};

    QList<double> decode, parse, items, parseAndItems, chain;
    qsizetype itemCount = 0;
    for (int run = 0; run < runs; ++run) {
        const Times times = timeOnce(bytes, rules);
        decode.append(times.decode);
        parse.append(times.parse);
        items.append(times.items);
        parseAndItems.append(times.parse + times.items);
        chain.append(times.chain);
        itemCount = times.itemCount;
    }
    std::printf("  parse + items: %.1f ms (parseFeed %.1f ms, items %.1f ms), %lld items; "
                "decoding before it %.1f ms (medians of %d)\n",
                median(parseAndItems), median(parse), median(items), qlonglong(itemCount), median(decode),
                runs);
    std::printf("  page chain (readPageContent + extractPageItems): %.1f ms\n", median(chain));

    // What the feed check costs a page that is no feed: a look at its head.
    const QString page = generateDelayPage(150000);
    QElapsedTimer timer;
    timer.start();
    const bool feed = parseFeed(page).has_value();
    std::printf("  parseFeed on a %.2f M-character HTML page: %.1f us\n", double(page.size()) / 1e6,
                double(timer.nsecsElapsed()) / 1e3);
    return itemCount == EntryCount && !feed ? 0 : 1;
}
