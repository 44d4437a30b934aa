// Times one update cycle over 20 pages of ~50 KB Shift_JIS served by four local hosts (127.0.0.1
// to 127.0.0.4, five pages each, every reply 300 ms late): sorvanta-check run as a process on a
// prepared folder, against urlwatch fetching the same pages; then the same cycle in-process with
// the ordinary fetcher made to take one download at a time, for the serial figure.
// Usage: bench_cycle [data folder (default bench/data)] [runs (default 7)] [serial runs (default 3)]
#include "BenchSupport.h"
#include "retrieval/DataFiles.h"
#include "retrieval/UpdateCycle.h"
#include "settings/SettingsStore.h"
#include "support/TestHttpServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QStandardPaths>
#include <cstdio>
#include <memory>
#include <mutex>
#include <vector>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

constexpr int HostCount = 4;
constexpr int PagesPerHost = 5;
constexpr int PageCount = HostCount * PagesPerHost;
constexpr int RowsPerPage = 300; // about 50 KB in Shift_JIS
constexpr auto ReplyDelay = 300ms;
constexpr double TargetSeconds = 0.6;
constexpr double TargetSpeedUp = 1.5; // over urlwatch on the same pages
constexpr double SerialLowerBound = PageCount * 0.3;

// One scripted server per host address; page n lives on host (n - 1) / PagesPerHost.
struct Hosts {
    std::vector<std::unique_ptr<TestHttpServer>> servers;
    QStringList urls;

    qsizetype requestCount() const {
        qsizetype count = 0;
        for (const auto& server : servers)
            count += server->requestCount();
        return count;
    }
};

std::optional<Hosts> startHosts(const QString& folder, qsizetype& pageBytes) {
    Hosts hosts;
    for (int host = 1; host <= HostCount; ++host) {
        hosts.servers.push_back(std::make_unique<TestHttpServer>("127.0.0." + QByteArray::number(host)));
        if (!hosts.servers.back()->isListening())
            return std::nullopt;
    }
    pageBytes = 0;
    for (int page = 1; page <= PageCount; ++page) {
        const QByteArray path = "/page-" + QByteArray::number(page) + ".html";
        const QByteArray bytes = encodePage(generateDelayPage(RowsPerPage, 412 + page), "windows-31j");
        if (!writeBenchFile(folder + QString::fromLatin1(path), bytes))
            return std::nullopt;
        Reply reply = Reply::ok(bytes, "text/html; charset=Shift_JIS");
        reply.delay = ReplyDelay;
        TestHttpServer& server = *hosts.servers[size_t((page - 1) / PagesPerHost)];
        server.route(path, reply);
        hosts.urls.append(server.url(QString::fromLatin1(path)));
        pageBytes += bytes.size();
    }
    return hosts;
}

struct RunOutput {
    int exitCode = -1;
    QString out;
    QString err;
    double seconds = 0;
};

struct Figures {
    QList<double> seconds;
    QString failure; // why a run did not count; empty when all did
    RunOutput last;
    double median() const { return seconds.isEmpty() ? 0 : ::median(seconds); }
};

std::optional<RunOutput> runTimed(const QString& program, const QStringList& arguments,
                                  const QProcessEnvironment& environment, const QString& folder) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return std::nullopt;
    return RunOutput{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                     QString::fromUtf8(process.readAllStandardError()), double(timer.nsecsElapsed()) / 1e9};
}

// Runs a tool `runs` times (after one untimed run when warmUp), each time checking with `verify`
// that it fetched every page; verify returns the failure or an empty text.
Figures timeTool(const Hosts& hosts, int runs, bool warmUp,
                 const std::function<std::optional<RunOutput>()>& runOnce,
                 const std::function<QString(const RunOutput&)>& verify) {
    Figures figures;
    for (int run = warmUp ? 0 : 1; run <= runs && figures.failure.isEmpty(); ++run) {
        const qsizetype before = hosts.requestCount();
        const std::optional<RunOutput> output = runOnce();
        if (!output) {
            figures.failure = u"did not finish"_s;
            break;
        }
        figures.failure = verify(*output);
        if (figures.failure.isEmpty() && hosts.requestCount() - before != PageCount)
            figures.failure =
                u"the servers saw %1 requests instead of %2"_s.arg(hosts.requestCount() - before)
                    .arg(PageCount);
        if (run > 0 && figures.failure.isEmpty())
            figures.seconds.append(output->seconds);
        figures.last = *output;
    }
    return figures;
}

Figures timeSorvantaCheck(const Hosts& hosts, const QString& folder, const QString& home, int runs) {
    const std::optional<QString> executable =
        prepareCheckFolder(folder, hosts.urls, u"ShowTextInstead=No\r\n"_s);
    if (!executable)
        return {{}, u"cannot prepare "_s + folder, {}};
    return timeTool(
        hosts, runs, true,
        [&] { return runTimed(*executable, {u"/singleuser"_s}, isolatedEnvironment(home), folder); },
        [](const RunOutput& output) {
            if (output.exitCode != 0 || !output.err.isEmpty() || output.out.isEmpty())
                return u"exit status %1, stderr: %2"_s.arg(output.exitCode).arg(output.err.left(300));
            return QString();
        });
}

QByteArray urlwatchJobs(const QStringList& urls) {
    QByteArrayList jobs;
    for (int i = 0; i < urls.size(); ++i)
        jobs.append("name: \"page " + QByteArray::number(i + 1) + "\"\nurl: \"" + urls[i].toUtf8() + "\"\n");
    return jobs.join("---\n");
}

Figures timeUrlwatch(const Hosts& hosts, const QString& folder, const QString& home, int runs) {
    const QString urlwatch = QStandardPaths::findExecutable(u"urlwatch"_s);
    if (urlwatch.isEmpty())
        return {{}, u"not installed (scripts/setup --bench installs it)"_s, {}};
    const QDir dir(folder);
    const QString urls = dir.filePath(u"urls.yaml"_s), config = dir.filePath(u"urlwatch.yaml"_s);
    const QString hooks = dir.filePath(u"hooks.py"_s), cache = dir.filePath(u"cache.db"_s);
    if (!writeBenchFile(urls, urlwatchJobs(hosts.urls)) || !writeBenchFile(hooks, {}) ||
        !writeBenchFile(config, "report:\n  text:\n    minimal: true\n  stdout:\n    enabled: true\n"
                                "    color: false\n") ||
        !QFile::setPermissions(hooks, QFile::ReadOwner | QFile::WriteOwner))
        return {{}, u"cannot prepare "_s + folder, {}};
    const QStringList arguments{u"--urls"_s,  urls,  u"--config"_s, config,
                                u"--hooks"_s, hooks, u"--cache"_s,  cache};
    return timeTool(
        hosts, runs, true,
        [&]() -> std::optional<RunOutput> {
            QFile::remove(cache); // every run starts afresh and reports every page as new
            return runTimed(urlwatch, arguments, isolatedEnvironment(home), folder);
        },
        [](const RunOutput& output) {
            const qsizetype fresh = output.out.count(u"NEW: "_s);
            if (output.exitCode != 0 || fresh != PageCount || output.out.contains(u"ERROR: "_s))
                return u"exit status %1, %2 new pages, output: %3"_s.arg(output.exitCode)
                    .arg(fresh)
                    .arg((output.out + output.err).left(300));
            return QString();
        });
}

// The same cycle in this process, with fetchPage behind a lock so only one download runs at a time.
Figures timeSerialCycle(const Hosts& hosts, const QString& folder, int runs) {
    const AppFolders folders(parseStartupArguments(u"/singleuser"_s), folder, folder);
    DataFiles files(folders, nullptr);
    files.loadDataFiles();
    SystemClock clock;
    const AppSettings settings = loadSettings(folders, clock, 96);
    auto gate = std::make_shared<std::mutex>();
    const Fetcher oneAtATime = [gate](const FetchRequest& request, const StopSignal& stop,
                                      const ProgressSignal& progress) {
        std::lock_guard lock(*gate);
        return fetchPage(request, stop, progress);
    };
    return timeTool(
        hosts, runs, false,
        [&]() -> std::optional<RunOutput> {
            UpdateCycle cycle(clock);
            cycle.setFetcher(oneAtATime);
            QEventLoop loop;
            RunOutput output;
            QObject::connect(&cycle, &UpdateCycle::finished, &loop, [&](const CycleResult& result) {
                output.exitCode = result.outcome == CycleResult::Outcome::Completed ? 0 : 1;
                output.out = QString::number(result.items.size());
                output.err = result.errorLog;
                loop.quit();
            });
            QElapsedTimer timer;
            timer.start();
            if (!cycle.start(files.tables(), settings))
                return std::nullopt;
            loop.exec();
            output.seconds = double(timer.nsecsElapsed()) / 1e9;
            return output;
        },
        [](const RunOutput& output) {
            if (output.exitCode != 0 || !output.err.isEmpty())
                return u"cycle did not complete: %1"_s.arg(output.err.left(300));
            return QString();
        });
}

QString seconds(const Figures& figures) {
    return u"%1 s (median of %2, min %3 s)"_s.arg(figures.median(), 0, 'f', 2)
        .arg(figures.seconds.size())
        .arg(*std::min_element(figures.seconds.begin(), figures.seconds.end()), 0, 'f', 2);
}

// detail: what the last run produced, in words.
bool print(const char* name, const Figures& figures, const QString& detail) {
    if (!figures.failure.isEmpty()) {
        std::printf("  %s: no figure: %s\n", name, qUtf8Printable(figures.failure));
        return false;
    }
    std::printf("  %s: %s, %s\n", name, qUtf8Printable(seconds(figures)), qUtf8Printable(detail));
    return true;
}

const char* yesNo(bool met) {
    return met ? "met" : "MISSED";
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const QString data = QDir(arguments.value(1, u"bench/data"_s)).absoluteFilePath(u"cycle"_s);
    const int runs = std::max(1, arguments.value(2, u"7"_s).toInt());
    const int serialRuns = std::max(1, arguments.value(3, u"3"_s).toInt());
    qsizetype pageBytes = 0;
    std::optional<Hosts> hosts = startHosts(data + u"/pages"_s, pageBytes);
    if (!hosts) {
        std::fprintf(stderr, "cannot start the servers on 127.0.0.1-%d or write the pages\n", HostCount);
        return 1;
    }
    std::printf(
        "cycle: %d pages of %.0f KB Shift_JIS on %d hosts 127.0.0.1-%d (%d each), every reply %lld ms "
        "late\n",
        PageCount, double(pageBytes) / PageCount / 1024, HostCount, HostCount, PagesPerHost,
        qlonglong(ReplyDelay.count()));
    const Figures ours = timeSorvantaCheck(*hosts, data + u"/check"_s, data + u"/home"_s, runs);
    const Figures theirs = timeUrlwatch(*hosts, data + u"/urlwatch"_s, data + u"/home"_s, runs);
    const Figures serial = timeSerialCycle(*hosts, data + u"/check"_s, serialRuns);
    const bool haveOurs = print("sorvanta-check /singleuser (process, wall time)", ours,
                                u"%1 items printed"_s.arg(ours.last.out.count(u'\n')));
    const bool haveTheirs = print("urlwatch (process, wall time, fresh cache each run)", theirs,
                                  u"%1 pages reported new"_s.arg(theirs.last.out.count(u"NEW: "_s)));
    const bool haveSerial = print("serial cycle (UpdateCycle in-process, one download at a time)", serial,
                                  serial.last.out + u" items"_s);
    if (haveOurs && haveTheirs)
        std::printf("  sorvanta-check %.2f s vs urlwatch %.2f s: %s (%.1fx)\n", ours.median(),
                    theirs.median(), ours.median() < theirs.median() ? "faster" : "slower",
                    std::max(ours.median(), theirs.median()) / std::min(ours.median(), theirs.median()));
    std::printf("  target: %.1fx as fast as urlwatch and under %.1f s; a serial cycle takes over %.0f s\n",
                TargetSpeedUp, TargetSeconds, SerialLowerBound);
    std::printf("  %.1fx as fast as urlwatch: %s; under %.1f s: %s; serial over %.0f s: %s\n", TargetSpeedUp,
                haveOurs && haveTheirs ? yesNo(ours.median() * TargetSpeedUp <= theirs.median()) : "unknown",
                TargetSeconds, haveOurs ? yesNo(ours.median() < TargetSeconds) : "unknown", SerialLowerBound,
                haveSerial ? yesNo(serial.median() > SerialLowerBound) : "unknown");
    return haveOurs && haveTheirs && haveSerial ? 0 : 2;
}
