#include "BenchSupport.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <algorithm>
#include <memory>
#include <unicode/ucnv.h>

using namespace Qt::StringLiterals;

namespace {

const QStringList Lines = {u"山手線"_s,   u"京浜東北線"_s,     u"中央線快速"_s, u"埼京線"_s,
                           u"東海道線"_s, u"総武線各駅停車"_s, u"京葉線"_s,     u"常磐線"_s,
                           u"横須賀線"_s, u"湘南新宿ライン"_s};
const QStringList Stations = {u"品川"_s, u"大宮"_s, u"東京"_s, u"新宿"_s, u"池袋"_s,
                              u"横浜"_s, u"千葉"_s, u"上野"_s, u"赤羽"_s, u"武蔵小杉"_s};
const QStringList Causes = {u"ｼｽﾃﾑ点検"_s, u"車両点検"_s,  u"信号ﾄﾗﾌﾞﾙ"_s,      u"人身事故"_s,
                            u"強風"_s,     u"ﾎﾟｲﾝﾄ故障"_s, u"線路内立ち入り"_s, u"急病人救護"_s};
const QStringList States = {u"遅延"_s, u"運転見合わせ"_s, u"ダイヤ乱れ"_s, u"平常運転"_s};

QString pick(QRandomGenerator& random, const QStringList& list) {
    return list.at(int(random.bounded(list.size())));
}

QString row(QRandomGenerator& random, int index) {
    const QString note = random.bounded(20) == 0 ? u"（試運転列車）"_s : QString();
    return u"<tr>\r\n<td><a href=\"/line/%1.html\">%2</a></td><td><b>%3</b></td>\r\n"
           u"<td class=\"info\">%4の影響で%5～%6間に&nbsp;最大%7分の遅れ&amp;運休。%8</td></tr>\r\n"_s
               .arg(index)
               .arg(pick(random, Lines), pick(random, States), pick(random, Causes), pick(random, Stations),
                    pick(random, Stations), QString::number(5 + random.bounded(55)), note);
}

QString pageLine(const QString& url, int number) {
    return u"\"1\",\"%1\",\"運行情報 %2\",\"\",\"\",\"\"\r\n"_s.arg(url).arg(number);
}

} // namespace

QString generateDelayPage(int rowCount, quint32 seed) {
    QRandomGenerator random(seed);
    QString page =
        u"<!DOCTYPE html>\r\n<html lang=\"ja\">\r\n<head>\r\n<title>運行情報 - 列車の遅れ</title>\r\n"
        u"<style>\r\ntd { padding: 2px; }\r\n</style>\r\n<script>\r\nvar updated = \"12:34\";\r\n"
        u"</script>\r\n</head>\r\n<body>\r\n<h1>ただいまの運行状況</h1>\r\n<table>\r\n"_s;
    for (int i = 0; i < rowCount; ++i)
        page += row(random, i);
    return page +
           u"</table>\r\n<p>※ ﾀﾞｲﾔは&lt;予告なく&gt;変更になることがあります。</p>\r\n</body>\r\n</html>\r\n"_s;
}

QByteArray encodePage(const QString& text, const char* converterName) {
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

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

bool writeBenchFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) &&
           file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray delayRulesFile() {
    return u"\"1\",\"遅延\",\"<td class=\"\"info\"\">\",\"</td>\",\"試運転\"\r\n"
           u"\"1\",\"状況\",\"<b>\",\"\",\"\"\r\n"_s.toUtf8();
}

std::optional<QString> prepareCheckFolder(const QString& folder, const QStringList& urls,
                                          const QString& iniLines, const QString& checkBinary) {
    const QDir dir(folder);
    const QString executable = dir.filePath(u"sorvanta-check"_s);
    QString pages;
    for (int i = 0; i < urls.size(); ++i)
        pages += pageLine(urls.at(i), i + 1);
    if (!QDir().mkpath(folder) || (QFile::exists(executable) && !QFile::remove(executable)) ||
        !QFile::copy(checkBinary, executable) ||
        !writeBenchFile(dir.filePath(u"url.txt"_s), encodePage(pages, "windows-31j")) ||
        !writeBenchFile(dir.filePath(u"filter.txt"_s), delayRulesFile()) ||
        !writeBenchFile(dir.filePath(u"Sorvanta.ini"_s), (u"[Sorvanta 1.00]\r\n"_s + iniLines).toUtf8()))
        return std::nullopt;
    return executable;
}

QProcessEnvironment isolatedEnvironment(const QString& home) {
    QDir().mkpath(home + u"/.config"_s);
    QDir().mkpath(home + u"/.cache"_s);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"HOME"_s, home);
    environment.insert(u"XDG_CONFIG_HOME"_s, home + u"/.config"_s);
    environment.insert(u"XDG_CACHE_HOME"_s, home + u"/.cache"_s);
    for (const QString& name : {u"http_proxy"_s, u"https_proxy"_s, u"all_proxy"_s, u"no_proxy"_s}) {
        environment.remove(name);
        environment.remove(name.toUpper());
    }
    return environment;
}
