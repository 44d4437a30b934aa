#include "retrieval/PageJob.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestPageJob : public QObject {
    Q_OBJECT
private slots:
    void stopSignalCutsThePageShort_data();
    void stopSignalCutsThePageShort();
    void itemLinks_data();
    void itemLinks();
};

void TestPageJob::stopSignalCutsThePageShort_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("footer");
    QTest::addColumn<bool>("showTextInstead");
    QString manyItems;
    QString manyTags;
    for (int i = 0; i < 200000; ++i) {
        manyItems += u"<b>%1</b>"_s.arg(i);
        manyTags += u"<i id=%1>x"_s.arg(i);
    }
    QTest::newRow("while cutting out items") << manyItems << u"<b>"_s << QString() << false;
    QTest::newRow("while removing tags")
        << u"<body>"_s + manyTags + u"</body>"_s << u"<body>"_s << u"</body>"_s << false;
    QTest::newRow("while stripping the whole page")
        << u"<p>"_s + manyTags << u"<none>"_s << QString() << true;
}

void TestPageJob::stopSignalCutsThePageShort() {
    QFETCH(QString, page);
    QFETCH(QString, header);
    QFETCH(QString, footer);
    QFETCH(bool, showTextInstead);
    PageTask task;
    task.page = 1;
    task.request.url = u"http://127.0.0.1/"_s;
    task.rules = std::make_shared<const QList<RuleRecord>>(QList<RuleRecord>{{true, {}, header, footer, {}}});
    task.showTextInstead = showTextInstead;
    const Fetcher fetcher = [&page](const FetchRequest&, const StopSignal&, const ProgressSignal&) {
        FetchResult result;
        result.body = page.toUtf8();
        result.contentType = "text/html; charset=UTF-8";
        result.httpStatus = 200;
        return result;
    };
    // Asked after the fetch, after the normalisation and before the rule: the signal turns when
    // the work on the page text asks for the first time.
    int asked = 0;
    const StopSignal shouldStop = [&asked] { return ++asked >= 4; };
    const PageOutcome outcome = runPageTask(task, fetcher, shouldStop, {});
    QVERIFY(outcome.abandoned);
    // Once inside the work, where it stopped, and once at the end; work that never asks would
    // have run to its end and left the fourth question to the end.
    QCOMPARE(asked, 5);
}

void TestPageJob::itemLinks_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("footer");
    QTest::addColumn<bool>("ignoreCaseAndQuotes");
    QTest::addColumn<QString>("link"); // of the first item
    const QString feed = u"<rss version=\"2.0\"><channel><item><title>T</title><link>%1</link></item>"
                         u"</channel></rss>"_s;
    QTest::newRow("anchor in the stretch, resolved after the redirect")
        << u"<li><a href=\"x?a=1&b=2\">遅れ</a></li>"_s << u"<li>"_s << u"</li>"_s << false
        << u"http://final.test/dir/x?a=1&b=2"_s;
    QTest::newRow("header cuts into the anchor")
        << u"<a class=n href='/n/1.html'>運休</a>"_s << u"<a class=n href='"_s << u"</a>"_s << false
        << u"http://final.test/n/1.html"_s;
    QTest::newRow("footer cuts into the anchor: read to the tag's end")
        << u"<p>運休 <a href=/n/2.html>詳細</a>"_s << u"<p>"_s << u".html"_s << false
        << u"http://final.test/n/2.html"_s;
    QTest::newRow("base href") << u"<base href=\"https://cdn.test/b/\"><p><a href=y>Y</a></p>"_s << u"<p>"_s
                               << u"</p>"_s << false << u"https://cdn.test/b/y"_s;
    QTest::newRow("case and quotes ignored: the address as written")
        << u"<P><a Href=\"/Path/Q\">x</a></P>"_s << u"<p>"_s << u"</p>"_s << true
        << u"http://final.test/Path/Q"_s;
    QTest::newRow("no anchor: none of its own")
        << u"<p>plain</p>"_s << u"<p>"_s << u"</p>"_s << false << QString();
    QTest::newRow("script address dropped")
        << u"<p><a href=\"javascript:go()\">x</a></p>"_s << u"<p>"_s << u"</p>"_s << false << QString();
    QTest::newRow("feed entry, relative")
        << feed.arg(u"/e/1"_s) << QString() << QString() << false << u"http://final.test/e/1"_s;
    QTest::newRow("feed entry, mail address dropped")
        << feed.arg(u"mailto:a@b.test"_s) << QString() << QString() << false << QString();
}

void TestPageJob::itemLinks() {
    QFETCH(QString, page);
    QFETCH(QString, header);
    QFETCH(QString, footer);
    QFETCH(bool, ignoreCaseAndQuotes);
    QFETCH(QString, link);
    PageTask task;
    task.page = 1;
    task.request.url = u"http://start.test/"_s;
    task.rules = std::make_shared<const QList<RuleRecord>>(
        QList<RuleRecord>{{!header.isEmpty(), {}, header, footer, {}}});
    task.extraction = {ignoreCaseAndQuotes, ignoreCaseAndQuotes, false};
    const Fetcher fetcher = [&page](const FetchRequest&, const StopSignal&, const ProgressSignal&) {
        FetchResult result{page.toUtf8(), "text/html; charset=UTF-8"};
        result.finalUrl = u"http://final.test/dir/page.html"_s;
        return result;
    };
    const PageOutcome outcome = runPageTask(task, fetcher, {}, {});
    QVERIFY(!outcome.items.isEmpty());
    QCOMPARE(outcome.items.first().link, link);
}

QTEST_GUILESS_MAIN(TestPageJob)
#include "tst_pagejob.moc"
