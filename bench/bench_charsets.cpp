// Pages in any charset through the whole chain.
// 1. sorvanta-check on one ~5 MB undeclared EUC-JP train-delay page served on 127.0.0.1 (process start,
//    download, decoding, normalisation, extraction and output), against `nkf -s` converting the same
//    bytes, and against an earlier build of sorvanta-check when SORVANTA_BASELINE_CHECK names one.
// 2. The page chain in process (readPageContent + extractPageItems) on a ~5 MB windows-1252 page
//    declared ISO-8859-1 and on a ~5 MB undeclared GB18030 page, against a target of 150 ms each.
// Usage: bench_charsets [data folder (default bench/data)] [runs (default 7)]
#include "BenchSupport.h"
#include "retrieval/PageContent.h"
#include "support/TestHttpServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int RowCount = 30000;
constexpr double ChainTargetMs = 150;

// Wall time of a process, start included; nullopt when it fails.
std::optional<double> timeProcess(const QString& program, const QStringList& arguments, const QString& folder,
                                  const QString& home) {
    QProcess process;
    process.setProcessEnvironment(isolatedEnvironment(home));
    process.setWorkingDirectory(folder);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return double(timer.nsecsElapsed()) / 1e6;
}

// The medians of several runs of each command, taken in turns so that a busy moment of the machine
// falls on all of them alike.
QList<std::optional<double>> timeInTurns(const QList<std::pair<QString, QStringList>>& commands,
                                         const QString& folder, const QString& home, int runs) {
    QList<QList<double>> times(commands.size());
    QList<bool> failed(commands.size(), false);
    for (int run = 0; run < runs; ++run) {
        for (qsizetype i = 0; i < commands.size(); ++i) {
            const std::optional<double> ms = timeProcess(commands[i].first, commands[i].second, folder, home);
            failed[i] = failed[i] || !ms;
            times[i].append(ms.value_or(0));
        }
    }
    QList<std::optional<double>> medians;
    for (qsizetype i = 0; i < commands.size(); ++i)
        medians.append(failed[i] ? std::nullopt : std::optional(median(times[i])));
    return medians;
}

bool wholeChain(const QString& data, int runs) {
    const QByteArray page = encodePage(generateDelayPage(RowCount), "EUC-JP");
    const QString file = data + u"/page-euc-jp.html"_s;
    TestHttpServer server;
    server.route("/page.html", Reply::ok(page, "text/html"));
    const QString folder = data + u"/charsets-check"_s;
    const QString home = data + u"/charsets-home"_s;
    const QStringList urls{server.url(u"/page.html"_s)};
    const std::optional<QString> ours = prepareCheckFolder(folder, urls, u"ShowTextInstead=No\r\n"_s);
    const QString nkf = QStandardPaths::findExecutable(u"nkf"_s);
    if (!server.isListening() || !ours || !writeBenchFile(file, page) || nkf.isEmpty()) {
        std::printf("  no figure: cannot serve the page, prepare %s or find nkf\n", qPrintable(folder));
        return false;
    }
    QList<std::pair<QString, QStringList>> commands{{*ours, {u"/singleuser"_s}}, {nkf, {u"-s"_s, file}}};
    const QString baseline = qEnvironmentVariable("SORVANTA_BASELINE_CHECK");
    if (!baseline.isEmpty()) {
        const std::optional<QString> theirs =
            prepareCheckFolder(folder + u"-baseline"_s, urls, u"ShowTextInstead=No\r\n"_s, baseline);
        if (theirs)
            commands.append({*theirs, {u"/singleuser"_s}});
    }
    const QList<std::optional<double>> medians = timeInTurns(commands, folder, home, runs);
    std::printf("EUC-JP page, undeclared: %.2f MB, %d rows\n", double(page.size()) / 1e6, RowCount);
    if (!medians[0] || !medians[1]) {
        std::printf("  no figure: a run failed\n");
        return false;
    }
    std::printf(
        "  sorvanta-check: %.1f ms; nkf -s: %.1f ms (medians of %d, process start included): %.2fx nkf's "
        "time\n",
        *medians[0], *medians[1], runs, *medians[0] / *medians[1]);
    if (medians.size() > 2 && medians[2])
        std::printf("  earlier sorvanta-check (%s): %.1f ms: %.2fx nkf's time\n", qPrintable(baseline),
                    *medians[2], *medians[2] / *medians[1]);
    return true;
}

// A delay table like generateDelayPage's, in another language, about as large.
QString foreignDelayPage(int rows, const QString& line, const QString& status, const QString& detail) {
    QString page = u"<html><head><title>Info</title></head><body><table>\r\n"_s;
    for (int i = 0; i < rows; ++i)
        page += u"<tr><td>"_s + line.arg(i) + u"</td><td><b>"_s + status + u"</b></td><td class=\"info\">"_s +
                detail.arg(i % 60) + u"</td></tr>\r\n"_s;
    return page + u"</table></body></html>\r\n"_s;
}

bool inProcessChain(const char* name, const QByteArray& page, const QByteArray& contentType, int runs) {
    const QList<RuleRecord> rules{{true, QString(), u"<td class=\"info\">"_s, u"</td>"_s, {}},
                                  {true, u"status"_s, u"<b>"_s, QString(), {}}};
    QList<double> times;
    qsizetype items = 0;
    QString encoding;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        PageContent content = readPageContent(page, contentType);
        InfoItems found;
        extractPageItems(content, 1, rules, {}, found);
        times.append(double(timer.nsecsElapsed()) / 1e6);
        items = found.size();
        encoding = content.encoding ? pageEncodingName(content.encoding->encoding) : QString();
    }
    const double median = ::median(times);
    std::printf(
        "%s page: %.2f MB, read as %s: %.1f ms (median of %d), %lld items; target under %.0f ms: %s\n", name,
        double(page.size()) / 1e6, qPrintable(encoding), median, runs, qlonglong(items), ChainTargetMs,
        median < ChainTargetMs ? "met" : "MISSED");
    return median < ChainTargetMs;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const QString data = QDir(arguments.value(1, u"bench/data"_s)).absolutePath();
    const int runs = std::max(1, arguments.value(2, u"7"_s).toInt());
    if (!QDir().mkpath(data)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(data));
        return 1;
    }
    bool ok = wholeChain(data, runs);
    const QString latin = foreignDelayPage(34000, u"Ligne %1"_s, u"Retard à Créteil — « service réduit »"_s,
                                           u"Prochain départ prévu à 12h%1, voie ½, supplément 5 €"_s);
    ok = inProcessChain("windows-1252", encodePage(latin, "windows-1252"), "text/html; charset=ISO-8859-1",
                        runs) &&
         ok;
    const QString chinese = foreignDelayPage(48000, u"线路%1"_s, u"运行正常"_s,
                                             u"因信号故障，列车晚点约%1分钟，请乘客注意安全。"_s);
    ok = inProcessChain("GB18030 undeclared", encodePage(chinese, "GB18030"), "text/html", runs) && ok;
    return ok ? 0 : 2;
}
