// Peak memory of sorvanta-check on one 30 MB Shift_JIS train-delay page served on 127.0.0.1,
// measured with GNU time (-v: maximum resident set size), next to the same run on a 50 KB page.
// Usage: bench_memory [data folder (default bench/data)] [runs (default 3)]
#include "BenchSupport.h"
#include "support/TestHttpServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype PageBytes = 30 * 1000 * 1000;
constexpr double TargetMegabytes = 150;
const QString Time = u"/usr/bin/time"_s;

// A page of about `bytes` bytes: the row count is scaled from a sample of the same rows.
QByteArray shiftJisPageOf(qsizetype bytes) {
    constexpr int SampleRows = 2000;
    const qsizetype sample = encodePage(generateDelayPage(SampleRows), "windows-31j").size();
    const int rows = int(double(bytes) / double(sample) * SampleRows);
    return encodePage(generateDelayPage(rows), "windows-31j");
}

struct PeakRun {
    double megabytes = 0;
    double seconds = 0;
    qsizetype items = 0;
    QString failure;
};

double parseNumber(const QString& report, const QString& label) {
    const QRegularExpression line(QRegularExpression::escape(label) + u":\\s*([0-9:.]+)"_s);
    const QString value = line.match(report).captured(1);
    // Elapsed time comes as [h:]m:ss.ss.
    double total = 0;
    for (const QString& part : value.split(u':'))
        total = total * 60 + part.toDouble();
    return total;
}

PeakRun measureOnce(const QString& executable, const QString& folder, const QString& home) {
    const QString items = QDir(folder).filePath(u"items.txt"_s);
    QProcess process;
    process.setProcessEnvironment(isolatedEnvironment(home));
    process.setWorkingDirectory(folder);
    process.setStandardOutputFile(items);
    process.start(Time, {u"-v"_s, executable, u"/singleuser"_s});
    if (!process.waitForFinished(300000) || process.exitStatus() != QProcess::NormalExit)
        return {0, 0, 0, u"did not finish"_s};
    const QString report = QString::fromUtf8(process.readAllStandardError());
    if (process.exitCode() != 0 || !report.contains(u"Exit status: 0"_s))
        return {0, 0, 0, u"exit status %1: %2"_s.arg(process.exitCode()).arg(report.left(400))};
    QFile output(items);
    PeakRun run;
    run.items = output.open(QIODevice::ReadOnly) ? output.readAll().count('\n') : 0;
    run.megabytes = parseNumber(report, u"Maximum resident set size (kbytes)"_s) / 1024;
    run.seconds = parseNumber(report, u"Elapsed (wall clock) time (h:mm:ss or m:ss)"_s);
    if (run.items == 0)
        run.failure = u"no item printed; stderr: "_s + report.left(400);
    return run;
}

// Serves page at one address and returns the median peak of `runs` runs.
PeakRun measure(const QByteArray& page, const QString& folder, const QString& home, int runs) {
    TestHttpServer server;
    server.route("/page.html", Reply::ok(page, "text/html; charset=Shift_JIS"));
    const std::optional<QString> executable =
        prepareCheckFolder(folder, {server.url(u"/page.html"_s)}, u"ShowTextInstead=No\r\n"_s);
    if (!server.isListening() || !executable)
        return {0, 0, 0, u"cannot serve the page or prepare "_s + folder};
    QList<double> peaks, seconds;
    PeakRun run;
    for (int i = 0; i < runs; ++i) {
        run = measureOnce(*executable, folder, home);
        if (!run.failure.isEmpty())
            return run;
        peaks.append(run.megabytes);
        seconds.append(run.seconds);
    }
    run.megabytes = median(peaks);
    run.seconds = median(seconds);
    return run;
}

bool report(const char* name, const PeakRun& run, int runs) {
    if (!run.failure.isEmpty()) {
        std::printf("  %s: no figure: %s\n", name, qUtf8Printable(run.failure));
        return false;
    }
    std::printf("  %s: peak RSS %.1f MB (median of %d), %.2f s, %lld items\n", name, run.megabytes, runs,
                run.seconds, qlonglong(run.items));
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const QString data = QDir(arguments.value(1, u"bench/data"_s)).absoluteFilePath(u"memory"_s);
    const int runs = std::max(1, arguments.value(2, u"3"_s).toInt());
    if (!QFile::exists(Time)) {
        std::printf("memory: %s is missing (scripts/setup --bench installs the package time)\n",
                    qPrintable(Time));
        return 2;
    }
    const QByteArray large = shiftJisPageOf(PageBytes);
    const QByteArray small = encodePage(generateDelayPage(300), "windows-31j");
    if (!writeBenchFile(data + u"/page-30mb-shift_jis.html"_s, large)) {
        std::fprintf(stderr, "cannot write into %s\n", qPrintable(data));
        return 1;
    }
    std::printf(
        "memory: sorvanta-check /singleuser on one Shift_JIS page served on 127.0.0.1, /usr/bin/time -v\n");
    const QString home = data + u"/home"_s;
    const bool haveSmall = report(qPrintable(u"%1 KB page"_s.arg(small.size() / 1024)),
                                  measure(small, data + u"/check-small"_s, home, runs), runs);
    const PeakRun peak = measure(large, data + u"/check"_s, home, runs);
    const bool haveLarge =
        report(qPrintable(u"%1 MB page"_s.arg(double(large.size()) / 1e6, 0, 'f', 1)), peak, runs);
    std::printf("  target: under %.0f MB on the 30 MB page: %s\n", TargetMegabytes,
                !haveLarge                         ? "unknown"
                : peak.megabytes < TargetMegabytes ? "met"
                                                   : "MISSED");
    return haveSmall && haveLarge ? 0 : 2;
}
