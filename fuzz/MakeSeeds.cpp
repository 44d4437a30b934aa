// Writes the generated seeds of the fuzz targets, one input per file, into
// <folder>/<target>/<name>: pages in the encodings a server sends, data file lines, settings
// files and scrambled passwords, each with the further parts its target reads.
#include "FuzzInput.h"
#include "base/AnsiText.h"
#include "retrieval/RecordCodec.h"
#include "settings/PasswordScrambler.h"
#include "support/IcuEncoding.h"

#include <QDir>
#include <QFile>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

class SeedWriter {
public:
    explicit SeedWriter(const QString& folder)
        : m_folder(folder) {}

    void write(const QString& target, const QString& name, const QList<QByteArray>& parts) {
        const QString folder = m_folder + u'/' + target;
        QFile file(folder + u'/' + name);
        if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) ||
            file.write(joinFuzzInput(parts)) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            m_failed = true;
        }
    }

    bool failed() const { return m_failed; }

private:
    QString m_folder;
    bool m_failed = false;
};

QByteArray utf8(const QString& text) {
    return text.toUtf8();
}

QByteArray cp932(const QString& text) {
    return encodeCp932(text);
}

void writeTableSeeds(SeedWriter& seeds) {
    const QList<PageRecord> pages = {
        {true, u"https://例.jp/運行情報?a=1&b=\"2\""_s, u"運行情報, 関東"_s, u"［交通］\r\n"_s, u"user"_s,
         encryptPassword(u"pa\"ss,wd"_s, 7)},
        {false, u"http://example.com/"_s, u"Example"_s, {}, {}, {}},
    };
    seeds.write(u"tablecodec"_s, u"pages-utf8"_s, {utf8(formatPages(pages))});
    seeds.write(u"tablecodec"_s, u"pages-cp932"_s, {cp932(formatPages(pages))});
    seeds.write(u"tablecodec"_s, u"quirks"_s,
                {utf8(u"\"a\"\"b\",c\r\n\"one\r\ntwo\",x\r\n\"ab\"x\r\n\"a\"b\",c\r\n a , \"b\" \r\n,,x\r\n"
                      u"\"a\"\"\r\n\"\"\r\nb\",c\r\n\"a\r\nb\"\"c\""_s),
                 QByteArray("\x01", 1)});
    seeds.write(u"tablecodec"_s, u"other-delimiters"_s,
                {utf8(u"'a;''b';c\n'x\ny';z\n"_s), QByteArray("\x02\x01", 2)});
    seeds.write(u"tablecodec"_s, u"own-delimiters"_s,
                {utf8(u"|a\t||b|\tc;|x;y|\td;"_s), QByteArray("\x02\x02\t;|", 5)});
    seeds.write(u"tablecodec"_s, u"grid"_s,
                {QByteArray(), QByteArray("\x02\x00", 2),
                 utf8(u"a\x1f\"\x1f\r\n\x1f,\x1f\"\"\r\n\x1f\x1f 運行 \x1f\r\x1f\n\x1f\",\""_s)});
}

void writeIniSeeds(SeedWriter& seeds) {
    const QString settings =
        u"[Sorvanta 1.00]\r\nXPosR=0.3000000\r\nFontName=ＭＳ ゴシック\r\nTopMost=Yes\r\n"
        u"Password=NaSO\"F]h^;oVBK,yc!\r\n; a comment\r\nDefaultMSG=\"  遅れ  \"\r\n"_s;
    seeds.write(u"inifile"_s, u"settings-cp932"_s,
                {cp932(settings), utf8(u"Sorvanta 1.00"_s), utf8(u"fontname"_s), utf8(u"　明朝 "_s),
                 utf8(u"Sorvanta 1.00"_s), utf8(u"TopMost"_s)});
    seeds.write(u"inifile"_s, u"new-section"_s,
                {utf8(u"; top\r\n[Other]\r\nk=v\r\n\r\n"_s), utf8(u"Sorvanta 1.00"_s), utf8(u"Password"_s),
                 utf8(u"\"x,y\" \r\nz"_s), utf8(u"other"_s), utf8(u"K"_s)});
    seeds.write(u"inifile"_s, u"lf-and-quotes"_s,
                {utf8(u"[S]\nk = 'v'\n  [ s ] \nK=\"w\"\n[T\nx=1=2\n;k=c\n"_s), utf8(u"s"_s), utf8(u"x"_s),
                 utf8(u"'quoted'"_s), utf8(u"S"_s), utf8(u"k"_s)});
    seeds.write(u"inifile"_s, u"bom"_s, {"\xEF\xBB\xBF[S]\r\nk=\xE5\x80\xA4\r\n"});
}

void writePasswordSeeds(SeedWriter& seeds) {
    QString printable;
    for (char16_t c = 32; c <= 126; ++c)
        printable += QChar(c);
    const QString passwords[] = {
        QString(), u"secret"_s, u"Pa55w0rd!"_s, printable, u"x7is\u0080\u0081\t"_s, u"パスワード"_s};
    int number = 0;
    for (const QString& password : passwords) {
        const QByteArray seed("\x2A\x00\x00\x00", 4);
        seeds.write(u"password"_s, u"plain-%1"_s.arg(++number), {utf8(password), seed});
        seeds.write(u"password"_s, u"scrambled-%1"_s.arg(number),
                    {utf8(encryptPassword(password, 42)), seed});
    }
}

void writePageSeeds(SeedWriter& seeds) {
    const QString body = u"<title>運行情報</title>\r\n<style>p{}</style><body>\t<b>ｶﾞｲﾄﾞ ﾊﾟﾝ ｳﾞｧ</b>  a   b"
                         u"&lt;b&gt;&amp;amp;&nbsp;&#60;&#34;&#160;&LT;<!-- c --><script>x</script>遅れ\r\n"
                         u"</body>"_s;
    const QString meta = u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=%1\">"_s;
    seeds.write(u"pagetext"_s, u"shift-jis-meta"_s,
                {encodeWithIcu(meta.arg(u"Shift_JIS"_s) + body, "windows-31j")});
    seeds.write(u"pagetext"_s, u"shift-jis-detected"_s, {encodeWithIcu(body, "windows-31j")});
    seeds.write(u"pagetext"_s, u"euc-jp-detected"_s, {encodeWithIcu(body, "EUC-JP")});
    seeds.write(u"pagetext"_s, u"euc-jp-header"_s,
                {encodeWithIcu(body, "EUC-JP"), "text/html; charset=\"EUC-JP\""});
    // ISO-2022-JP holds no half-width katakana.
    seeds.write(u"pagetext"_s, u"iso-2022-jp"_s,
                {encodeWithIcu(u"<b>運行情報 &amp; ガイド</b>\r\n"_s, "ISO-2022-JP")});
    seeds.write(u"pagetext"_s, u"utf-8-bom"_s, {"\xEF\xBB\xBF" + utf8(body)});
    seeds.write(u"pagetext"_s, u"utf-8-meta-charset"_s, {utf8(u"<meta charset=utf-8>"_s + body)});
    seeds.write(u"pagetext"_s, u"utf-16le-bom"_s, {utf16WithBom(body, true)});
    seeds.write(u"pagetext"_s, u"utf-16be-header"_s,
                {encodeWithIcu(body, "UTF-16BE"), "text/html;charset=utf-16be"});
    seeds.write(u"pagetext"_s, u"nul-inside"_s, {QByteArray("ab\0cd", 5)});
}

void writeExtractionSeeds(SeedWriter& seeds) {
    const QByteArray page =
        utf8(u"<html><head><title>T</title><style>p{}</style></head><body>"
             u"<b>運行情報</b><p>Hi</p><!-- c --><script>x</script>there<b>遅れ <i>x</i></b>"
             u"<B>Mixed</B><a href=\"/x\">link</a><a href='/x'>other</a><<b>>x</b>"
             u"<b>lone < bracket</b></body></html>"_s);
    const QByteArray rules = utf8(u"\"1\",\"太字\",\"<b>\",\"</b>\",\"遅れ\"\r\n"
                                  u"\"1\",\"link\",\"<a href='/x'>\",\"\",\"\"\r\n"
                                  u"\"0\",\"off\",\"<p>\",\"</p>\",\"\"\r\n"
                                  u"\"True\",\"all\",\"\",\"\",\"x \"\r\n"_s);
    const char flags[] = {0, 1, 2, 4, 7};
    for (const char flag : flags) {
        seeds.write(u"extraction"_s, u"page-flags-%1"_s.arg(int(flag)),
                    {page, rules, QByteArray(1, flag) + QByteArray("\x03\x00\x00\x00\x02\x00\x00\x00", 8)});
    }
}

void writeFeedSeeds(SeedWriter& seeds) {
    seeds.write(u"feed"_s, u"rss"_s,
                {utf8(u"<?xml version=\"1.0\"?>\n<rss version=\"2.0\"><channel><title>駅</title><item><title>"
                      u"<![CDATA[  山手線\n  運転再開 <b>]]></title><link>http://example.jp/1</link></item>"
                      u"<item><title>a&amp;b&#12354;</title></item></channel></rss>"_s)});
    seeds.write(
        u"feed"_s, u"rdf"_s,
        {utf8(
            u"<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\" "
            u"xmlns=\"http://purl.org/rss/1.0/\"><channel rdf:about=\"http://example.jp/\"><title>c</title>"
            u"</channel><item rdf:about=\"http://example.jp/2\"><title>遅れ</title><link>http://example.jp/2"
            u"</link></item></rdf:RDF>"_s)});
    seeds.write(
        u"feed"_s, u"atom"_s,
        {utf8(u"<feed xmlns=\"http://www.w3.org/2005/Atom\"><title>F</title><entry><title type=\"html\">"
              u"&lt;b&gt;速報&lt;/b&gt;\t地震</title><link rel=\"self\" href=\"http://example.jp/s\"/>"
              u"<link href=\"http://example.jp/a\"/></entry></feed>"_s)});
    seeds.write(
        u"feed"_s, u"doctype"_s,
        {utf8(u"<!DOCTYPE rss PUBLIC \"-//Netscape Communications//DTD RSS 0.91//EN\" \"x.dtd\">"
              u"<rss version=\"0.91\"><channel><item><title>a&nbsp;b</title></item></channel></rss>"_s)});
    seeds.write(
        u"feed"_s, u"atom03"_s,
        {utf8(
            u"<feed version=\"0.3\" xmlns=\"http://purl.org/atom/ns#\"><entry><title mode=\"base64\">"
            u"5bGx5omL57ea</title><link rel=\"alternate\" href=\"http://example.jp/b\"/></entry></feed>"_s)});
    seeds.write(
        u"feed"_s, u"broken"_s,
        {utf8(
            u"<b>Warning</b><?xml version=\"1.0\"?><rss><channel><item><dc:title>Q&A&hellip;</dc:title>"
            u"<description><p>x<br></description><guid>http://example.jp/g</guid></item><item><title>cut"_s)});
    seeds.write(u"feed"_s, u"json"_s,
                {utf8(u"{\"version\": \"https://jsonfeed.org/version/1.1\", \"items\": [{\"content_html\": "
                      u"\"<p>本文</p>\", \"url\": \"http://example.jp/j\"}]}"_s)});
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    SeedWriter seeds(QString::fromLocal8Bit(argv[1]));
    writeTableSeeds(seeds);
    writeIniSeeds(seeds);
    writePasswordSeeds(seeds);
    writePageSeeds(seeds);
    writeExtractionSeeds(seeds);
    writeFeedSeeds(seeds);
    return seeds.failed() ? 1 : 0;
}
