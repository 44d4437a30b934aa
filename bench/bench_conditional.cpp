// Times two update cycles in a row over 20 unchanged pages of ~50 KB Shift_JIS, served by four local
// hosts (127.0.0.1 to 127.0.0.4, five pages each) with ETag and Last-Modified, answering 304 to a
// request that repeats them: the first cycle downloads everything, the second asks only for what
// changed. Reports the bytes the servers sent and the time of each cycle (medians over the runs,
// each run starting from an empty memory), twice: on bare loopback, where only our own work counts,
// and over a link as from home to a distant server (every answer 20 ms late, bodies at 2 MB/s).
// Usage: bench_conditional [runs (default 9)]
#include "BenchSupport.h"
#include "retrieval/UpdateCycle.h"
#include "support/TestHttpServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <cstdio>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int HostCount = 4;
constexpr int PagesPerHost = 5;
constexpr int PageCount = HostCount * PagesPerHost;
constexpr int RowsPerPage = 300; // about 50 KB in Shift_JIS
constexpr double TargetByteShare = 0.05;
constexpr double TargetTimeShare = 0.5;

struct Hosts {
    std::vector<std::unique_ptr<TestHttpServer>> servers;
    DataSet tables;

    qint64 bytesSent() const {
        qint64 bytes = 0;
        for (const auto& server : servers)
            bytes += server->bytesSent();
        return bytes;
    }
};

struct Link {
    const char* name;
    std::chrono::milliseconds latency;
    std::chrono::milliseconds pieceDelay; // between pieces of 16 KiB
};

std::optional<Hosts> startHosts(const Link& link) {
    Hosts hosts;
    for (int host = 1; host <= HostCount; ++host) {
        hosts.servers.push_back(std::make_unique<TestHttpServer>("127.0.0." + QByteArray::number(host)));
        if (!hosts.servers.back()->isListening())
            return std::nullopt;
    }
    for (int page = 1; page <= PageCount; ++page) {
        const QByteArray path = "/page-" + QByteArray::number(page) + ".html";
        const QByteArray bytes = encodePage(generateDelayPage(RowsPerPage, 412 + page), "windows-31j");
        TestHttpServer& server = *hosts.servers[size_t((page - 1) / PagesPerHost)];
        Reply reply =
            Reply::ok(bytes, "text/html; charset=Shift_JIS")
                .withValidators("\"v" + QByteArray::number(page) + "\"", "Tue, 01 Dec 2026 09:00:00 GMT");
        reply.delay = link.latency;
        reply.pieceSize = 16 * 1024;
        reply.pieceDelay = link.pieceDelay;
        server.route(path, reply);
        hosts.tables.pages.append(
            {true, server.url(QString::fromLatin1(path)), u"page %1"_s.arg(page), {}, {}, {}});
    }
    // The rules of the other benchmarks: the delay cell (without test runs) and the bold status.
    hosts.tables.rules = {{true, u"遅延"_s, u"<td class=\"info\">"_s, u"</td>"_s, {u"試運転"_s}},
                          {true, u"状況"_s, u"<b>"_s, {}, {}}};
    return hosts;
}

struct CycleFigures {
    double seconds = 0;
    qint64 bytes = 0;
    qsizetype items = 0;
};

std::optional<CycleFigures> runCycle(const Hosts& hosts, PageMemory& memory, const Clock& clock) {
    AppSettings settings;
    settings.ShowTextInstead = false;
    UpdateCycle cycle(clock);
    cycle.setMemory(&memory);
    QEventLoop loop;
    std::optional<CycleResult> result;
    QObject::connect(&cycle, &UpdateCycle::finished, &loop, [&](const CycleResult& finished) {
        result = finished;
        loop.quit();
    });
    const qint64 before = hosts.bytesSent();
    QElapsedTimer timer;
    timer.start();
    if (!cycle.start(hosts.tables, settings))
        return std::nullopt;
    loop.exec();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    if (!result || result->outcome != CycleResult::Outcome::Completed || !result->errorLog.isEmpty() ||
        result->pageStatuses.size() != PageCount)
        return std::nullopt;
    return CycleFigures{seconds, hosts.bytesSent() - before, result->items.size()};
}

// Both updates, runs times after one to warm up; false when a cycle failed or the targets were missed.
bool measure(const Link& link, int runs) {
    std::optional<Hosts> hosts = startHosts(link);
    if (!hosts) {
        std::fprintf(stderr, "bench_conditional: cannot start the local servers\n");
        return false;
    }
    SystemClock clock;
    QList<double> firstSeconds, secondSeconds;
    CycleFigures first, second;
    for (int run = 0; run <= runs; ++run) {
        PageMemory memory;
        const std::optional<CycleFigures> full = runCycle(*hosts, memory, clock);
        const std::optional<CycleFigures> again = runCycle(*hosts, memory, clock);
        if (!full || !again || again->items != full->items || full->items == 0) {
            std::fprintf(stderr, "bench_conditional: a cycle failed or the second gave other items\n");
            return false;
        }
        if (run == 0)
            continue;
        firstSeconds.append(full->seconds);
        secondSeconds.append(again->seconds);
        first = *full;
        second = *again;
    }
    const double byteShare = double(second.bytes) / double(first.bytes);
    const double timeShare = median(secondSeconds) / median(firstSeconds);
    std::printf("%s, %d pages, %d runs (medians):\n", link.name, PageCount, runs);
    std::printf("  first update:  %8lld bytes sent, %7.1f ms, %lld items\n",
                static_cast<long long>(first.bytes), median(firstSeconds) * 1000,
                static_cast<long long>(first.items));
    std::printf("  second update: %8lld bytes sent, %7.1f ms, %lld items (from memory)\n",
                static_cast<long long>(second.bytes), median(secondSeconds) * 1000,
                static_cast<long long>(second.items));
    const bool met = byteShare < TargetByteShare && timeShare < TargetTimeShare;
    std::printf("  second/first:  bytes %.2f %% (target < %.0f %%), time %.2f (target < %.2f): %s\n",
                byteShare * 100, TargetByteShare * 100, timeShare, TargetTimeShare, met ? "met" : "MISSED");
    return met;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    using namespace std::chrono_literals;
    const bool loopback = measure({"bare loopback", 0ms, 0ms}, runs);
    const bool link = measure({"a home link (20 ms, 2 MB/s)", 20ms, 8ms}, runs);
    return loopback && link ? 0 : 1;
}
