// Times the page chain (NormalisePageText + ExtractItems) on a ~5 MB EUC-JP and a ~5 MB
// Shift_JIS train-delay page of 30,000 rows, against `nkf -s` converting the same bytes.
// Usage: bench_normalise [data folder (default bench/data)] [runs (default 9)]
#include "retrieval/ItemExtractor.h"
#include "retrieval/PageText.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <tuple>
#include <unicode/ucnv.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int RowCount = 30000;

const QStringList Lines = {u"山手線"_s,   u"京浜東北線"_s,     u"中央線快速"_s, u"埼京線"_s,
                           u"東海道線"_s, u"総武線各駅停車"_s, u"京葉線"_s,     u"常磐線"_s,
                           u"横須賀線"_s, u"湘南新宿ライン"_s};
const QStringList Stations = {u"品川"_s, u"大宮"_s, u"東京"_s, u"新宿"_s, u"池袋"_s,
                              u"横浜"_s, u"千葉"_s, u"上野"_s, u"赤羽"_s, u"武蔵小杉"_s};
const QStringList Causes = {u"ｼｽﾃﾑ点検"_s, u"車両点検"_s,  u"信号ﾄﾗﾌﾞﾙ"_s,      u"人身事故"_s,
                            u"強風"_s,     u"ﾎﾟｲﾝﾄ故障"_s, u"線路内立ち入り"_s, u"急病人救護"_s};
const QStringList States = {u"遅延"_s, u"運転見合わせ"_s, u"ダイヤ乱れ"_s, u"平常運転"_s};

QString Pick(QRandomGenerator& random, const QStringList& list) {
    return list.at(int(random.bounded(list.size())));
}

QString Row(QRandomGenerator& random, int index) {
    const QString note = random.bounded(20) == 0 ? u"（試運転列車）"_s : QString();
    return u"<tr>\r\n<td><a href=\"/line/%1.html\">%2</a></td><td><b>%3</b></td>\r\n"
           u"<td class=\"info\">%4の影響で%5～%6間に&nbsp;最大%7分の遅れ&amp;運休。%8</td></tr>\r\n"_s
               .arg(index)
               .arg(Pick(random, Lines), Pick(random, States), Pick(random, Causes), Pick(random, Stations),
                    Pick(random, Stations), QString::number(5 + random.bounded(55)), note);
}

QString GeneratePage() {
    QRandomGenerator random(412);
    QString page =
        u"<!DOCTYPE html>\r\n<html lang=\"ja\">\r\n<head>\r\n<title>運行情報 - 列車の遅れ</title>\r\n"
        u"<style>\r\ntd { padding: 2px; }\r\n</style>\r\n<script>\r\nvar updated = \"12:34\";\r\n"
        u"</script>\r\n</head>\r\n<body>\r\n<h1>ただいまの運行状況</h1>\r\n<table>\r\n"_s;
    for (int i = 0; i < RowCount; ++i)
        page += Row(random, i);
    return page +
           u"</table>\r\n<p>※ ﾀﾞｲﾔは&lt;予告なく&gt;変更になることがあります。</p>\r\n</body>\r\n</html>\r\n"_s;
}

QByteArray Encode(const QString& text, const char* converterName) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, void (*)(UConverter*)> converter(ucnv_open(converterName, &status),
                                                                 ucnv_close);
    QByteArray bytes(text.size() * 3 + 16, Qt::Uninitialized);
    const int32_t length =
        ucnv_fromUChars(converter.get(), bytes.data(), int32_t(bytes.size()),
                        reinterpret_cast<const UChar*>(text.constData()), int32_t(text.size()), &status);
    if (U_FAILURE(status))
        qFatal("cannot encode the page as %s", converterName);
    bytes.truncate(length);
    return bytes;
}

DataTable Rules() {
    DataTable rules(RuleField::Count);
    rules.setValue(RuleField::Enabled, 1, u"1"_s);
    rules.setValue(RuleField::Header, 1, u"<td class=\"info\">"_s);
    rules.setValue(RuleField::Footer, 1, u"</td>"_s);
    rules.setValue(RuleField::Exclusions, 1, u"試運転"_s);
    rules.appendRecord({u"1"_s, u"status"_s, u"<b>"_s, QString(), QString()});
    return rules;
}

double Median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

struct ChainTimes {
    double normalise = 0;
    double extract = 0;
    double total = 0;
    qsizetype items = 0;
};

ChainTimes TimeChain(const QByteArray& bytes, int runs) {
    const DataTable rules = Rules();
    QList<double> normalise, extract, total;
    qsizetype itemCount = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        QString text = NormalisePageText(bytes);
        const double normalised = double(timer.nsecsElapsed()) / 1e6;
        InfoItems items;
        ExtractItems(text, 1, rules, {}, items);
        const double all = double(timer.nsecsElapsed()) / 1e6;
        normalise.append(normalised);
        extract.append(all - normalised);
        total.append(all);
        itemCount = items.size();
    }
    return {Median(normalise), Median(extract), Median(total), itemCount};
}

// Wall time of `nkf -s file > /dev/null`, process start included; nullopt when nkf cannot run.
std::optional<double> TimeNkf(const QString& nkf, const QString& file, int runs) {
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
    return Median(times);
}

bool Report(const QString& name, const QByteArray& bytes, const QString& file, const QString& nkf, int runs) {
    std::printf("%s page: %.2f MB, %d rows (%s)\n", qPrintable(name), double(bytes.size()) / 1e6, RowCount,
                qPrintable(QDir::toNativeSeparators(file)));
    const ChainTimes ours = TimeChain(bytes, runs);
    std::printf(
        "  ours: NormalisePageText %.1f ms + ExtractItems %.1f ms = %.1f ms (median of %d), %lld items\n",
        ours.normalise, ours.extract, ours.total, runs, qlonglong(ours.items));
    const std::optional<double> theirs = nkf.isEmpty() ? std::nullopt : TimeNkf(nkf, file, runs);
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
    const QString page = GeneratePage();
    const QString nkf = QStandardPaths::findExecutable(u"nkf"_s);
    bool compared = true;
    for (const auto& [name, converter, fileName] :
         {std::tuple{u"EUC-JP"_s, "EUC-JP", u"page-euc-jp.html"_s},
          std::tuple{u"Shift_JIS"_s, "windows-31j", u"page-shift_jis.html"_s}}) {
        const QByteArray bytes = Encode(page, converter);
        const QString path = QDir(folder).filePath(fileName);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        file.close();
        compared = Report(name, bytes, path, nkf, runs) && compared;
    }
    return compared ? 0 : 2;
}
