#include "display/BrowseUrl.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Question =
    u"ブラウザで開く|このURLはHTMLでない可能性のあるファイルを参照しています。\r\n代替URLを開きますか?"_s;

// Answers with answer and records every question put.
struct ScriptedQuestion {
    BrowseAnswer answer = BrowseAnswer::Cancel;
    QStringList asked;

    BrowseQuestion question() {
        return [this](const QString& title, const QString& text) {
            asked.append(title + u'|' + text);
            return answer;
        };
    }
};

} // namespace

class TestBrowseUrl : public QObject {
    Q_OBJECT
private slots:
    void check_data();
    void check();
    void browsable_data();
    void browsable();
    void noOneToAsk();
};

void TestBrowseUrl::check_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("extensions");
    QTest::addColumn<BrowseAnswer>("answer");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<QString>("opened");
    const QString defaults = u"js,cgi,css"_s;
    const QString cgi = u"http://example.com/cgi-bin/news.cgi?page=2&sort=a.b"_s;
    QTest::newRow("cgi with query, Yes: the site's root")
        << cgi << defaults << BrowseAnswer::Yes << true << u"http://example.com/"_s;
    QTest::newRow("cgi with query, No: the address as it is")
        << cgi << defaults << BrowseAnswer::No << true << cgi;
    QTest::newRow("cgi with query, Cancel: nothing")
        << cgi << defaults << BrowseAnswer::Cancel << true << QString();
    QTest::newRow("https root keeps its scheme")
        << u"https://example.com:8443/app/main.js"_s << defaults << BrowseAnswer::Yes << true
        << u"https://example.com:8443/"_s;
    QTest::newRow("html page: no question")
        << u"http://example.com/index.html"_s << defaults << BrowseAnswer::Cancel << false
        << u"http://example.com/index.html"_s;
    QTest::newRow("extension in the query only: no question")
        << u"http://example.com/index.html?next=a.cgi"_s << defaults << BrowseAnswer::Cancel << false
        << u"http://example.com/index.html?next=a.cgi"_s;
    QTest::newRow("capital CGI: no question (exact comparison)")
        << u"http://example.com/news.CGI"_s << defaults << BrowseAnswer::Cancel << false
        << u"http://example.com/news.CGI"_s;
    QTest::newRow("dot in a folder name never matches")
        << u"http://example.com/x.d/readme"_s << u"d,js"_s << BrowseAnswer::Cancel << false
        << u"http://example.com/x.d/readme"_s;
    QTest::newRow("empty list matches a path ending in a dot")
        << u"http://example.com/file."_s << QString() << BrowseAnswer::No << true
        << u"http://example.com/file."_s;
    QTest::newRow("empty list leaves other paths alone")
        << u"http://example.com/file.html"_s << QString() << BrowseAnswer::Cancel << false
        << u"http://example.com/file.html"_s;
    QTest::newRow("no slash after the host: Yes opens nothing")
        << u"http://example.js"_s << defaults << BrowseAnswer::Yes << true << QString();
    QTest::newRow("ftp is never opened")
        << u"ftp://example.com/run.cgi"_s << defaults << BrowseAnswer::No << false << QString();
    QTest::newRow("local file is never opened")
        << u"file:///usr/bin/tool"_s << defaults << BrowseAnswer::No << false << QString();
    QTest::newRow("script address is never opened")
        << u"javascript:alert(1)"_s << defaults << BrowseAnswer::No << false << QString();
    QTest::newRow("scheme without host is never opened")
        << u"http://"_s << defaults << BrowseAnswer::No << false << QString();
}

void TestBrowseUrl::check() {
    QFETCH(QString, url);
    QFETCH(QString, extensions);
    QFETCH(BrowseAnswer, answer);
    QFETCH(bool, asks);
    QFETCH(QString, opened);
    ScriptedQuestion script{answer, {}};
    QCOMPARE(checkBrowseUrl(url, extensions, script.question()), opened);
    QCOMPARE(script.asked, asks ? QStringList{Question} : QStringList{});
}

void TestBrowseUrl::browsable_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("browsable");
    QTest::newRow("http") << u"http://example.com/"_s << true;
    QTest::newRow("https with port and query") << u"https://example.com:8443/a?b=c"_s << true;
    QTest::newRow("scheme in capitals") << u"HTTP://example.com/"_s << true;
    QTest::newRow("Japanese path") << u"http://example.jp/天気/今日"_s << true;
    QTest::newRow("ftp") << u"ftp://example.com/"_s << false;
    QTest::newRow("mailto") << u"mailto:someone@example.com"_s << false;
    QTest::newRow("no scheme") << u"example.com/index.html"_s << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("http without host") << u"http:///path"_s << false;
}

void TestBrowseUrl::browsable() {
    QFETCH(QString, url);
    QFETCH(bool, browsable);
    QCOMPARE(isBrowsableUrl(url), browsable);
}

void TestBrowseUrl::noOneToAsk() {
    QCOMPARE(checkBrowseUrl(u"http://example.com/a.cgi"_s, u"cgi"_s, BrowseQuestion()), QString());
    QCOMPARE(checkBrowseUrl(u"http://example.com/a.html"_s, u"cgi"_s, BrowseQuestion()),
             u"http://example.com/a.html"_s);
}

QTEST_GUILESS_MAIN(TestBrowseUrl)
#include "tst_browseurl.moc"
