// Times the page chain (normalisePageText + extractItems) on a ~5 MB EUC-JP and a ~5 MB
// Shift_JIS train-delay page of 30,000 rows, against `nkf -s` converting the same bytes.
// Usage: bench_normalise [data folder (default bench/data)] [runs (default 9)]
#include "BenchSupport.h"
#include "retrieval/ItemExtractor.h"
#include "retrieval/PageText.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

constexpr int RowCount = 30000;

QList<RuleRecord> delayRules() {
    return {{true, QString(), u"<td class=\"info\">"_s, u"</td>"_s, {u"試運転"_s}},
            {true, u"status"_s, u"<b>"_s, QString(), {}}};
}

struct ChainTimes {
    double normalise = 0;
    double extract = 0;
    double total = 0;
    qsizetype items = 0;
};

ChainTimes timeChain(const QByteArray& bytes, int runs) {
    const QList<RuleRecord> rules = delayRules();
    QList<double> normalise, extract, total;
    qsizetype itemCount = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        QString text = normalisePageText(bytes);
        const double normalised = double(timer.nsecsElapsed()) / 1e6;
        InfoItems items;
        extractItems(text, 1, rules, {}, items);
        const double all = double(timer.nsecsElapsed()) / 1e6;
        normalise.append(normalised);
        extract.append(all - normalised);
        total.append(all);
        itemCount = items.size();
    }
    return {median(normalise), median(extract), median(total), itemCount};
}

// Wall time of `nkf -s file > /dev/null`, process start included; nullopt when nkf cannot run.
std::optional<double> timeNkf(const QString& nkf, const QString& file, int runs) {
    QList<double> times;
    for (int run = 0; run < runs; ++run) {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        process.start(nkf, {u"-s"_s, file});
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0)
            return std::nullopt;
        times.append(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(times);
}

bool report(const QString& name, const QByteArray& bytes, const QString& file, const QString& nkf, int runs) {
    std::printf("%s page: %.2f MB, %d rows (%s)\n", qPrintable(name), double(bytes.size()) / 1e6, RowCount,
                qPrintable(QDir::toNativeSeparators(file)));
    const ChainTimes ours = timeChain(bytes, runs);
    std::printf(
        "  ours: normalisePageText %.1f ms + extractItems %.1f ms = %.1f ms (median of %d), %lld items\n",
        ours.normalise, ours.extract, ours.total, runs, qlonglong(ours.items));
    const std::optional<double> theirs = nkf.isEmpty() ? std::nullopt : timeNkf(nkf, file, runs);
    if (!theirs) {
        std::printf("  nkf: not available (install it with scripts/setup --bench)\n");
        return false;
    }
    std::printf("  nkf -s: %.1f ms (median of %d, process start included)\n", *theirs, runs);
    std::printf("  ours %.1f ms vs nkf %.1f ms: %s (%.1fx)\n", ours.total, *theirs,
                ours.total < *theirs ? "faster" : "slower",
                ours.total < *theirs ? *theirs / ours.total : ours.total / *theirs);
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const QString folder = arguments.size() > 1 ? arguments.at(1) : u"bench/data"_s;
    const int runs = arguments.size() > 2 ? std::max(1, arguments.at(2).toInt()) : 9;
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return 1;
    }
    const QString page = generateDelayPage(RowCount);
    const QString nkf = QStandardPaths::findExecutable(u"nkf"_s);
    bool compared = true;
    for (const auto& [name, converter, fileName] :
         {std::tuple{u"EUC-JP"_s, "EUC-JP", u"page-euc-jp.html"_s},
          std::tuple{u"Shift_JIS"_s, "windows-31j", u"page-shift_jis.html"_s}}) {
        const QByteArray bytes = encodePage(page, converter);
        const QString path = QDir(folder).filePath(fileName);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        file.close();
        compared = report(name, bytes, path, nkf, runs) && compared;
    }
    return compared ? 0 : 2;
}
