#include "retrieval/FeedParser.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// n nested entities, each ten references to the one before: 10^n "lol".
QString laughsDocument(int levels) {
    QString doctype = u"<!DOCTYPE rss [<!ENTITY lol0 \"lol\">"_s;
    for (int i = 1; i <= levels; ++i)
        doctype += u"<!ENTITY lol%1 \"%2\">"_s.arg(i).arg(u"&lol%1;"_s.arg(i - 1).repeated(10));
    return doctype + u"]><rss><channel><item><title>&lol%1;</title></item></channel></rss>"_s.arg(levels);
}

// One flat entity of 4000 characters referenced 10,000 times: 40 million characters.
QString quadraticDocument() {
    return u"<!DOCTYPE rss [<!ENTITY a \""_s + QString(4000, u'x') + u"\">]><rss><channel><item><title>"_s +
           u"&a;"_s.repeated(10000) + u"</title></item></channel></rss>"_s;
}

} // namespace

class TestFeedParser : public QObject {
    Q_OBJECT
private slots:
    void readsEntries_data();
    void readsEntries();
    void refusesOtherDocuments_data();
    void refusesOtherDocuments();
    void neverExpandsEntities_data();
    void neverExpandsEntities();
    void stopSignalEndsTheReading();
};

void TestFeedParser::readsEntries_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("links");
    QTest::newRow("RSS 2.0: CDATA and plain titles in order, channel title and media title left out")
        << u"<?xml version=\"1.0\" encoding=\"EUC-JP\"?>\n<rss version=\"2.0\" "
           u"xmlns:media=\"http://search.yahoo.com/mrss/\"><channel><title>駅の情報</title>"
           u"<item><media:title>画像</media:title><title><![CDATA[  山手線\n  運転再開 <b>]]></title>"
           u"<link> http://example.jp/1 </link></item>"
           u"<item><title>A &amp; B</title></item></channel></rss>"_s
        << QStringList{u"山手線 運転再開 <b>"_s, u"A & B"_s}
        << QStringList{u"http://example.jp/1"_s, QString()};
    QTest::newRow("RSS 1.0: items beside the channel, Dublin Core title left out")
        << u"<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\" "
           u"xmlns=\"http://purl.org/rss/1.0/\""
           u" xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><channel rdf:about=\"http://example.jp/\">"
           u"<title>お知らせ</title><items><rdf:Seq><rdf:li rdf:resource=\"http://example.jp/a\"/></rdf:Seq>"
           u"</items></channel><item rdf:about=\"http://example.jp/a\"><dc:title>DC</dc:title>"
           u"<title>ダイヤ改正</title><link>http://example.jp/a</link></item></rdf:RDF>"_s
        << QStringList{u"ダイヤ改正"_s} << QStringList{u"http://example.jp/a"_s};
    QTest::newRow("Atom: tags dropped from html titles only, alternate link")
        << u"<feed xmlns=\"http://www.w3.org/2005/Atom\"><title>F</title>"
           u"<entry><title type=\"html\">&lt;b&gt;速報&lt;/b&gt;\t地震 a&lt;b</title>"
           u"<link rel=\"self\" href=\"http://example.jp/self\"/><link "
           u"href=\"http://example.jp/e1\"/></entry>"
           u"<entry><title type=\"text\">&lt;b&gt;x</title>"
           u"<link rel=\"alternate\" href=\"http://example.jp/e2\"/></entry></feed>"_s
        << QStringList{u"速報 地震 a<b"_s, u"<b>x"_s}
        << QStringList{u"http://example.jp/e1"_s, u"http://example.jp/e2"_s};
    QTest::newRow("feed without entries")
        << u"<rss version=\"2.0\"><channel><title>空</title></channel></rss>"_s << QStringList{}
        << QStringList{};
    QTest::newRow("external document type: HTML references decoded")
        << u"<!-- old --><!DOCTYPE rss PUBLIC \"-//Netscape Communications//DTD RSS 0.91//EN\" "
           u"\"http://my.netscape.com/publish/formats/rss-0.91.dtd[1]\">"
           u"<rss version=\"0.91\"><channel><item><title>a&nbsp;b&hellip;&#x263A;</title></item></channel></rss>"_s
        << QStringList{u"a b…☺"_s} << QStringList{QString()};
    QTest::newRow("bare & in a link and a title, unknown reference kept")
        << u"<rss><channel><item><title>Q&A &bogus; &</title><link>http://x/?a=1&b=2</link></item></channel></rss>"_s
        << QStringList{u"Q&A &bogus; &"_s} << QStringList{u"http://x/?a=1&b=2"_s};
    QTest::newRow("cut off in the last entry: the complete ones")
        << u"<rss><channel><item><title>一</title></item><item><title>二</title></item><item><title>三"_s
        << QStringList{u"一"_s, u"二"_s} << QStringList{QString(), QString()};
    QTest::newRow("undeclared prefixes, unbalanced HTML in a description")
        << u"<rss><channel><item><dc:title>DC</dc:title><description><p>x<br></p></description></item>"
           u"<item><media:group><media:title>M</media:title></media:group></item></channel></rss>"_s
        << QStringList{u"DC"_s, u"M"_s} << QStringList{QString(), QString()};
    QTest::newRow("channel image title is no entry; HTML in an RSS title dropped")
        << u"<rss><channel><image><title>logo</title></image><item><title>&lt;b&gt;速報&lt;/b&gt;</title>"
           u"</item></channel></rss>"_s
        << QStringList{u"速報"_s} << QStringList{QString()};
    QTest::newRow("no title: description excerpt, permalink guid")
        << u"<rss><channel><item><description>&lt;p&gt;Toot&amp;nbsp;text&lt;br&gt;next&amp;hellip;&lt;/p&gt;"
           u"</description><guid>https://m.example/1</guid></item><item><title>t</title>"
           u"<guid isPermaLink=\"false\">https://m.example/2</guid></item></channel></rss>"_s
        << QStringList{u"Toot text next…"_s, u"t"_s} << QStringList{u"https://m.example/1"_s, QString()};
    QTest::newRow("server warning before the feed; HTML references in an html title")
        << u"<br />\n<b>Warning</b>: x in <b>/var/www/feed.php</b><br />\n<?xml version=\"1.0\"?>"
           u"<feed xmlns=\"http://www.w3.org/2005/Atom\"><entry><title "
           u"type=\"html\">Caf&amp;eacute;&lt;br/&gt;"
           u"&amp;mdash; ok</title></entry></feed>"_s
        << QStringList{u"Café — ok"_s} << QStringList{QString()};
    QTest::newRow("Atom 0.3: escaped and base64 titles, first link when none is alternate")
        << u"<feed version=\"0.3\" xmlns=\"http://purl.org/atom/ns#\"><entry><title mode=\"escaped\" "
           u"type=\"text/html\">&lt;b&gt;速報&lt;/b&gt;</title><link rel=\"related\" "
           u"href=\"http://e/1\"/></entry>"
           u"<entry><title mode=\"base64\" type=\"text/plain\">5bGx5omL57ea</title>"
           u"<link rel=\"alternate\" type=\"text/html\" href=\"http://e/2\"/></entry></feed>"_s
        << QStringList{u"速報"_s, u"山手線"_s} << QStringList{u"http://e/1"_s, u"http://e/2"_s};
    QTest::newRow("JSON Feed: title, else the start of the text; url, else external_url")
        << u"{\"version\": \"https://jsonfeed.org/version/1.1\", \"items\": [{\"id\": \"1\", \"title\": "
           u"\"速報\", "
           u"\"url\": \"https://e/1\"}, {\"id\": \"2\", \"content_html\": \"<p>本文\\n です</p>\", "
           u"\"external_url\": \"https://e/2\"}]}"_s
        << QStringList{u"速報"_s, u"本文 です"_s} << QStringList{u"https://e/1"_s, u"https://e/2"_s};
}

void TestFeedParser::readsEntries() {
    QFETCH(QString, document);
    QFETCH(QStringList, titles);
    QFETCH(QStringList, links);
    const std::optional<Feed> feed = parseFeed(document);
    QVERIFY(feed);
    QStringList readTitles;
    QStringList readLinks;
    for (const FeedEntry& entry : feed->entries) {
        readTitles.append(entry.title);
        readLinks.append(entry.link);
    }
    QCOMPARE(readTitles, titles);
    QCOMPARE(readLinks, links);
}

void TestFeedParser::refusesOtherDocuments_data() {
    QTest::addColumn<QString>("document");
    QTest::newRow("HTML page") << u"<!DOCTYPE html><html><body><p>rss</p></body></html>"_s;
    QTest::newRow("feed element outside the Atom namespace")
        << u"<feed><entry><title>x</title></entry></feed>"_s;
    QTest::newRow("JSON that is no feed") << u"{\"version\": 1, \"items\": []}"_s;
    QTest::newRow("text before the document element")
        << u"rss <rss><channel><item><title>x</title></item></channel></rss>"_s;
}

void TestFeedParser::neverExpandsEntities_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("title");
    QTest::newRow("billion laughs") << laughsDocument(9) << u"&lol9;"_s;
    QTest::newRow("one small entity declared") << laughsDocument(0) << u"&lol0;"_s;
    QTest::newRow("quadratic blow-up") << quadraticDocument() << u"&a;"_s.repeated(10000);
    QTest::newRow("external entity")
        << u"<?xml version=\"1.0\"?><!-- x --><!DOCTYPE rss [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
           u"<rss><channel><item><title>&x;</title></item></channel></rss>"_s
        << u"&x;"_s;
}

void TestFeedParser::neverExpandsEntities() {
    QFETCH(QString, document);
    QFETCH(QString, title);
    const std::optional<Feed> feed = parseFeed(document);
    QVERIFY(feed && feed->entries.size() == 1);
    QCOMPARE(feed->entries.front().title, title);
}

void TestFeedParser::refusesOtherDocuments() {
    QFETCH(QString, document);
    QVERIFY(!parseFeed(document));
}

void TestFeedParser::stopSignalEndsTheReading() {
    const QString feed =
        u"<rss><channel>"_s + u"<item><title>x</title></item>"_s.repeated(1000) + u"</channel></rss>"_s;
    int asked = 0;
    QVERIFY(!parseFeed(feed, [&asked] { return ++asked == 3; }));
    QCOMPARE(asked, 3);
}

QTEST_GUILESS_MAIN(TestFeedParser)
#include "tst_feedparser.moc"
