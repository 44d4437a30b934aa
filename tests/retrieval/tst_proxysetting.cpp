#include "retrieval/ProxySetting.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestProxySetting : public QObject {
    Q_OBJECT
private slots:
    void proxyForScheme_data();
    void proxyForScheme();
};

void TestProxySetting::proxyForScheme_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QString>("proxy");
    QTest::newRow("empty text goes direct") << u""_s << u"http"_s << u""_s;
    QTest::newRow("host and port for http")
        << u"proxy.example:8080"_s << u"http"_s << u"proxy.example:8080"_s;
    QTest::newRow("host and port for https")
        << u"proxy.example:8080"_s << u"https"_s << u"proxy.example:8080"_s;
    QTest::newRow("surrounding spaces") << u"  proxy.example:8080 "_s << u"http"_s << u"proxy.example:8080"_s;
    QTest::newRow("http entry for http") << u"http=h1:1"_s << u"http"_s << u"h1:1"_s;
    QTest::newRow("http entry only, https goes direct") << u"http=h1:1"_s << u"https"_s << u""_s;
    QTest::newRow("list picks http") << u"http=h1:1;https=h2:2"_s << u"http"_s << u"h1:1"_s;
    QTest::newRow("list picks https") << u"http=h1:1;https=h2:2"_s << u"https"_s << u"h2:2"_s;
    QTest::newRow("space-separated list") << u"http=h1:1 https=h2:2"_s << u"https"_s << u"h2:2"_s;
    QTest::newRow("scheme names without case") << u"HTTPS=h2:2"_s << u"https"_s << u"h2:2"_s;
    QTest::newRow("scheme entry wins over plain one") << u"h0:0;https=h2:2"_s << u"https"_s << u"h2:2"_s;
    QTest::newRow("plain entry covers other schemes") << u"h0:0;https=h2:2"_s << u"http"_s << u"h0:0"_s;
    QTest::newRow("other schemes ignored") << u"ftp=f:21;socks=s:1080"_s << u"http"_s << u""_s;
    QTest::newRow("value with its own scheme") << u"http=http://h1:1"_s << u"http"_s << u"http://h1:1"_s;
    QTest::newRow("empty value skipped") << u"http=;h0:0"_s << u"http"_s << u"h0:0"_s;
}

void TestProxySetting::proxyForScheme() {
    QFETCH(QString, text);
    QFETCH(QString, scheme);
    QFETCH(QString, proxy);
    QCOMPARE(::proxyForScheme(text, scheme), proxy);
}

QTEST_GUILESS_MAIN(TestProxySetting)
#include "tst_proxysetting.moc"
