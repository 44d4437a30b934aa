#include "retrieval/PageContent.h"
#include "support/IcuEncoding.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestPageContent : public QObject {
    Q_OBJECT
private slots:
    void itemsOfAPage_data();
    void itemsOfAPage();
};

void TestPageContent::itemsOfAPage_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("rule");
    QTest::newRow("invalid byte in a UTF-8 feed: a replacement character, the rest read")
        << QByteArray("<rss><channel><item><title>a\xFF"
                      "b</title></item><item><title>c</title></item></channel></rss>")
        << QByteArray("application/rss+xml; charset=utf-8") << QStringList{u"a\uFFFDb"_s, u"c"_s} << 0;
    QTest::newRow("NUL in a feed's description: the feed is read past it")
        << QByteArray("<rss><channel><item><title>a</title><description>x\0y</description></item>"
                      "<item><title>b</title></item></channel></rss>",
                      118)
        << QByteArray("text/xml") << QStringList{u"a"_s, u"b"_s} << 0;
    QTest::newRow("raw bold inside a description does not take the feed over")
        << QByteArray("<rss><channel><item><title>t</title><description><p><b>x</b></p></description></item>"
                      "</channel></rss>")
        << QByteArray("text/xml") << QStringList{u"t"_s} << 0;
    QTest::newRow("Shift_JIS feed named in its XML declaration only, HTML references in titles")
        << encodeWithIcu(
               u"<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><rss><channel><item><title>運休&nbsp;"
               u"&mdash;①</title></item></channel></rss>"_s,
               "windows-31j")
        << QByteArray("text/xml") << QStringList{u"運休 —①"_s} << 0;
    QTest::newRow("windows-1252 page cut by a rule")
        << encodeWithIcu(u"<b>café crème “quoted” €5</b>"_s, "windows-1252")
        << QByteArray("text/html; charset=ISO-8859-1") << QStringList{u"café crème “quoted” €5"_s} << 1;
    QTest::newRow("GBK page cut by a rule")
        << "<meta charset=gbk><b>" + encodeWithIcu(u"中文新闻标题"_s, "GBK") + "</b>"
        << QByteArray("text/html") << QStringList{u"中文新闻标题"_s} << 1;
}

void TestPageContent::itemsOfAPage() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, contentType);
    QFETCH(QStringList, items);
    QFETCH(int, rule);
    PageContent content = readPageContent(bytes, contentType);
    InfoItems found;
    QVERIFY(extractPageItems(content, 1, {{true, u"太字"_s, u"<b>"_s, u"</b>"_s, {}}}, {}, found));
    QStringList texts;
    for (const InfoItem& item : found) {
        texts.append(item.text);
        QCOMPARE(item.rule, rule);
    }
    QCOMPARE(texts, items);
}

QTEST_GUILESS_MAIN(TestPageContent)
#include "tst_pagecontent.moc"
