#include "settings/ProxyParts.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestProxyParts : public QObject {
    Q_OBJECT
private slots:
    void splitAndJoin_data();
    void splitAndJoin();
};

void TestProxyParts::splitAndJoin_data() {
    QTest::addColumn<QString>("proxy");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("joined"); // after OK without changes
    QTest::newRow("empty: port 8080") << QString() << QString() << QString() << u":8080"_s;
    QTest::newRow("host and port") << u"proxy.test:3128"_s << u"proxy.test"_s << u"3128"_s
                                   << u"proxy.test:3128"_s;
    QTest::newRow("a port that is no number stays")
        << u"host:http"_s << u"host"_s << u"http"_s << u"host:http"_s;
    QTest::newRow("scheme prefix: at the last colon")
        << u"http://proxy:3128"_s << u"http://proxy"_s << u"3128"_s << u"http://proxy:3128"_s;
    QTest::newRow("per scheme: at the last colon")
        << u"http=a:1;https=b:2"_s << u"http=a:1;https=b"_s << u"2"_s << u"http=a:1;https=b:2"_s;
    QTest::newRow("no colon: all address, not cut")
        << u"proxy.example.com"_s << u"proxy.example.com"_s << QString() << u"proxy.example.com:8080"_s;
}

void TestProxyParts::splitAndJoin() {
    QFETCH(QString, proxy);
    QFETCH(QString, address);
    QFETCH(QString, port);
    QFETCH(QString, joined);
    const ProxyParts parts = splitProxy(proxy);
    QCOMPARE(parts.address, address);
    QCOMPARE(parts.port, port);
    QCOMPARE(joinProxy(parts.address, parts.port), joined);
}

QTEST_GUILESS_MAIN(TestProxyParts)
#include "tst_proxyparts.moc"
