#include "retrieval/PageFetcher.h"
#include "support/TestHttpServer.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(Reply)
Q_DECLARE_METATYPE(Reply::Framing)
Q_DECLARE_METATYPE(FetchFailure)

namespace {

FetchRequest requestFor(const QString& url) {
    FetchRequest request;
    request.url = url;
    return request;
}

QByteArray pattern(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char('a' + i % 26);
    return bytes;
}

Reply pieces(Reply reply, qsizetype pieceSize, std::chrono::milliseconds pause = 0ms) {
    reply.pieceSize = pieceSize;
    reply.pieceDelay = pause;
    return reply;
}

Reply framed(Reply reply, Reply::Framing framing) {
    reply.framing = framing;
    return reply;
}

QByteArray basicCredentials(const QByteArray& user, const QByteArray& password) {
    return "Basic " + (user + ':' + password).toBase64();
}

} // namespace

class TestPageFetcher : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void emptyUrlDoesNothing();
    void requestHeaders_data();
    void requestHeaders();
    void urlWithoutPathFetchesRoot();
    void urlTextIsPercentEncoded();
    void compressedBodyDecoded();
    void bodyDelivered_data();
    void bodyDelivered();
    void progressCountsBytes();
    void finalContentTypeReturned();
    void resetMidBody_data();
    void resetMidBody();
    void cannotOpen_data();
    void cannotOpen();
    void silenceEndsDownload();
    void limitsAndBusyServers_data();
    void limitsAndBusyServers();
    void pageAuthentication_data();
    void pageAuthentication();
    void pageAndProxyChallengesShareAttempts();
    void proxyAuthentication_data();
    void proxyAuthentication();
    void unrestorableProxyPassword();
    void statusOtherThan200_data();
    void statusOtherThan200();
    void redirectFollowed();
    void redirectLoopCannotOpen();
    void cookieKeptAcrossRedirect();
    void oversizedPage_data();
    void oversizedPage();
    void proxyTextChoosesRoute_data();
    void proxyTextChoosesRoute();
    void environmentProxyUsedWithoutProxyText();
    void stopWhileReceiving();
    void stopWhileWaitingForReply();
    void stopDuringRetryPause();
};

void TestPageFetcher::initTestCase() {
    // The tests talk to their own server directly unless a test sets a proxy itself.
    for (const char* name :
         {"http_proxy", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY", "no_proxy", "NO_PROXY"})
        qunsetenv(name);
}

void TestPageFetcher::emptyUrlDoesNothing() {
    const FetchResult result = fetchPage(requestFor({}));
    QVERIFY(result.body.isEmpty());
    QCOMPARE(result.failure, FetchFailure::None);
    QCOMPARE(result.httpStatus, 0);
}

void TestPageFetcher::requestHeaders_data() {
    QTest::addColumn<bool>("debugAgent");
    QTest::addColumn<QByteArray>("agent");
    QTest::newRow("own agent") << false << "Mozilla/4.0 (Sorvanta/2.0)"_ba;
    QTest::newRow("debug agent") << true << "Mozilla/4.0 (compatible; MSIE 5.01; Windows 98)"_ba;
}

void TestPageFetcher::requestHeaders() {
    QFETCH(bool, debugAgent);
    QFETCH(QByteArray, agent);
    TestHttpServer server;
    server.route("/page", Reply::ok("hello"));
    FetchRequest request = requestFor(server.url(u"/page"_s));
    request.debugAgent = debugAgent;
    const FetchResult result = fetchPage(request);
    QCOMPARE(result.body, "hello"_ba);
    const QList<RecordedRequest> seen = server.requests();
    QCOMPARE(seen.size(), 1);
    const RecordedRequest& sent = seen.first();
    QCOMPARE(sent.method, "GET"_ba);
    QCOMPARE(sent.target, "/page"_ba);
    QCOMPARE(sent.header("User-Agent"), agent);
    QCOMPARE(sent.header("Accept"), "*/*"_ba);
    QCOMPARE(sent.header("Accept-Language"), "ja,en"_ba);
    QCOMPARE(sent.header("Referer"), server.url(u"/page"_s).toUtf8());
    QCOMPARE(sent.header("Host"), "127.0.0.1:" + QByteArray::number(server.port()));
    QCOMPARE(sent.header("Cache-Control"), "no-cache"_ba);
    QCOMPARE(sent.header("Pragma"), "no-cache"_ba);
    QVERIFY(!sent.hasHeader("Authorization"));
    QVERIFY(!sent.hasHeader("Accept-Encoding"));
}

void TestPageFetcher::urlWithoutPathFetchesRoot() {
    TestHttpServer server;
    server.route("/", Reply::ok("root"));
    const FetchResult result = fetchPage(requestFor(server.url({})));
    QCOMPARE(result.body, "root"_ba);
    QCOMPARE(server.requests().value(0).target, "/"_ba);
    QCOMPARE(server.requests().value(0).header("Host"), "127.0.0.1:" + QByteArray::number(server.port()));
}

void TestPageFetcher::urlTextIsPercentEncoded() {
    TestHttpServer server;
    server.route("/a%20b/%E6%97%A5%E6%9C%AC?q=1", Reply::ok("encoded"));
    const FetchResult result = fetchPage(requestFor(server.url(u"/a b/日本?q=1"_s)));
    QCOMPARE(result.body, "encoded"_ba);
    QCOMPARE(result.failure, FetchFailure::None);
}

void TestPageFetcher::bodyDelivered_data() {
    QTest::addColumn<Reply>("reply");
    QTest::newRow("content length known") << Reply::ok("<html>known</html>");
    QTest::newRow("length unknown, ends at close")
        << framed(Reply::ok(pattern(5000)), Reply::Framing::CloseDelimited);
    QTest::newRow("chunked") << pieces(framed(Reply::ok(pattern(3000)), Reply::Framing::Chunked), 700);
    QTest::newRow("exactly 32767 bytes") << Reply::ok(pattern(32767));
    QTest::newRow("over 64 KiB in pieces") << pieces(Reply::ok(pattern(200'000)), 16'384, 2ms);
    QTest::newRow("over 64 KiB chunked, no length")
        << pieces(framed(Reply::ok(pattern(150'001)), Reply::Framing::Chunked), 32'767);
    QTest::newRow("empty page") << Reply::ok({});
}

void TestPageFetcher::bodyDelivered() {
    QFETCH(Reply, reply);
    TestHttpServer server;
    server.route("/page", reply);
    const FetchResult result = fetchPage(requestFor(server.url(u"/page"_s)));
    QCOMPARE(result.body.size(), reply.body.size());
    QCOMPARE(result.body, reply.body);
    QCOMPARE(result.failure, FetchFailure::None);
    QCOMPARE(result.httpStatus, 200);
}

void TestPageFetcher::compressedBodyDecoded() {
    TestHttpServer server;
    const QByteArray page = pattern(50'000);
    // A zlib stream: what qCompress writes after its four bytes of length.
    server.route("/page", Reply::ok(qCompress(page).sliced(4)).withHeader("Content-Encoding", "deflate"));
    QCOMPARE(fetchPage(requestFor(server.url(u"/page"_s))).body, page);
}

void TestPageFetcher::progressCountsBytes() {
    TestHttpServer server;
    const QByteArray body = pattern(100'000);
    server.route("/page", pieces(Reply::ok(body), 10'000, 5ms));
    QList<qint64> reports;
    const FetchResult result =
        fetchPage(requestFor(server.url(u"/page"_s)), {}, [&](qint64 bytes) { reports.append(bytes); });
    QCOMPARE(result.body, body);
    QVERIFY(reports.size() >= 2);
    QVERIFY(std::is_sorted(reports.begin(), reports.end()));
    QCOMPARE(reports.last(), body.size());
}

void TestPageFetcher::finalContentTypeReturned() {
    TestHttpServer server;
    server.route("/old",
                 Reply::redirect(302, "/new").withHeader("Content-Type", "text/plain; charset=UTF-8"));
    server.route("/new", Reply::ok("<p>x</p>", "text/html; charset=EUC-JP"));
    const FetchResult result = fetchPage(requestFor(server.url(u"/old"_s)));
    QCOMPARE(result.body, "<p>x</p>"_ba);
    QCOMPARE(result.contentType, "text/html; charset=EUC-JP"_ba);
}

void TestPageFetcher::resetMidBody_data() {
    QTest::addColumn<Reply::Framing>("framing");
    QTest::newRow("with content length") << Reply::Framing::ContentLength;
    QTest::newRow("chunked") << Reply::Framing::Chunked;
    QTest::newRow("without length") << Reply::Framing::CloseDelimited;
}

void TestPageFetcher::resetMidBody() {
    QFETCH(Reply::Framing, framing);
    TestHttpServer server;
    Reply reply = pieces(framed(Reply::ok(pattern(100'000)), framing), 10'000, 20ms);
    reply.resetAfter = 40'000;
    server.route("/page", reply);
    const FetchResult result = fetchPage(requestFor(server.url(u"/page"_s)));
    // A cut-off page is not a page: nothing is handed on, and the user is told.
    QVERIFY(result.body.isEmpty());
    QCOMPARE(result.failure, FetchFailure::CannotOpen);
}

void TestPageFetcher::cannotOpen_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<OpenCause>("cause");
    QTest::newRow("connection refused")
        << u"http://127.0.0.1:%1/page"_s.arg(TestHttpServer::unusedPort()) << OpenCause::Refused;
    QTest::newRow("unknown host") << u"http://no-such-host.invalid/"_s << OpenCause::HostNotFound;
    QTest::newRow("unsupported scheme") << u"file:///etc/hostname"_s << OpenCause::BadAddress;
    QTest::newRow("malformed address") << u"http://[::1/"_s << OpenCause::BadAddress;
}

void TestPageFetcher::cannotOpen() {
    QFETCH(QString, url);
    QFETCH(OpenCause, cause);
    const FetchResult result = fetchPage(requestFor(url));
    QVERIFY(result.body.isEmpty());
    QCOMPARE(result.failure, FetchFailure::CannotOpen);
    QCOMPARE(result.httpStatus, 0);
    QCOMPARE(result.cause, cause);
}

void TestPageFetcher::silenceEndsDownload() {
    TestHttpServer server;
    Reply slow = Reply::ok("late");
    slow.delay = 20s;
    server.route("/page", slow);
    FetchRequest request = requestFor(server.url(u"/page"_s));
    request.limits.receiveTimeout = 1s;
    const FetchResult result = fetchPage(request);
    QVERIFY(result.body.isEmpty());
    QCOMPARE(result.failure, FetchFailure::CannotOpen);
    QCOMPARE(result.cause, OpenCause::NoAnswer);
}

// The speed and time limits (a 1 s window at 1000 bytes a second, 3 s in all) and a busy server
// asked once more (its wait 1 s at the most).
void TestPageFetcher::limitsAndBusyServers_data() {
    QTest::addColumn<QList<Reply>>("replies");
    QTest::addColumn<FetchFailure>("failure");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("requests");
    const Reply trickle = pieces(Reply::ok(pattern(100)), 2, 200ms); // never silent for long
    const Reply steady = pieces(Reply::ok(pattern(8000)), 400, 100ms);
    const Reply endless = pieces(Reply::ok(pattern(40000)), 400, 100ms);
    Reply slowChallenge = Reply::withStatus(401);
    slowChallenge.delay = 600ms;
    const Reply busy = Reply::withStatus(503).withHeader("Retry-After", "1");
    const Reply ok = Reply::ok(pattern(10));
    QTest::newRow("a trickle: too slow") << QList<Reply>{trickle} << FetchFailure::TooSlow << 0 << 1;
    QTest::newRow("slow but steady, past 60 s as it were")
        << QList<Reply>{steady} << FetchFailure::None << 200 << 1;
    QTest::newRow("steady, past the whole download's time")
        << QList<Reply>{endless} << FetchFailure::TookTooLong << 0 << 1;
    QTest::newRow("slow challenges, every attempt counted")
        << QList<Reply>{slowChallenge} << FetchFailure::TookTooLong << 401 << 4;
    QTest::newRow("503, then the page") << QList<Reply>{busy, ok} << FetchFailure::None << 200 << 2;
    QTest::newRow("429 asking for two minutes, waited 1 s")
        << QList<Reply>{Reply::withStatus(429).withHeader("Retry-After", "120"), ok} << FetchFailure::None
        << 200 << 2;
    QTest::newRow("busy still") << QList<Reply>{busy, busy} << FetchFailure::HttpStatus << 503 << 2;
    QTest::newRow("busy, no Retry-After")
        << QList<Reply>{Reply::withStatus(429)} << FetchFailure::HttpStatus << 429 << 1;
}

void TestPageFetcher::limitsAndBusyServers() {
    QFETCH(QList<Reply>, replies);
    QFETCH(FetchFailure, failure);
    QFETCH(int, status);
    QFETCH(int, requests);
    TestHttpServer server;
    server.route("/page", replies);
    FetchRequest request = requestFor(server.url(u"/page"_s));
    request.userName = u"taro"_s;
    request.limits.minimumBytesPerSecond = 1000;
    request.limits.speedWindow = 1s;
    request.limits.totalDeadline = 3s;
    request.limits.longestRetryAfter = 1s;
    const FetchResult result = fetchPage(request);
    QCOMPARE(result.failure, failure);
    QCOMPARE(result.httpStatus, status);
    QCOMPARE(server.requestCount(), requests);
    QCOMPARE(result.body.isEmpty(), failure != FetchFailure::None);
}

void TestPageFetcher::pageAuthentication_data() {
    QTest::addColumn<QList<Reply>>("replies");
    QTest::addColumn<QString>("userName");
    QTest::addColumn<int>("requestCount");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<FetchFailure>("failure");
    QTest::addColumn<int>("status");
    const QList<Reply> always401{Reply::withStatus(401)};
    QTest::newRow("always 401 without user name")
        << always401 << QString() << 5 << QByteArray() << FetchFailure::AuthenticationFailed << 401;
    QTest::newRow("always 401 with user name")
        << always401 << u"taro"_s << 5 << QByteArray() << FetchFailure::AuthenticationFailed << 401;
    QTest::newRow("401 then 200") << QList<Reply>{Reply::withStatus(401), Reply::ok("secret")} << u"taro"_s
                                  << 2 << "secret"_ba << FetchFailure::None << 200;
    Reply huge = Reply::withStatus(401);
    huge.announcedLength = qint64(1) << 40;
    QTest::newRow("401 announcing a huge body is still answered")
        << QList<Reply>{huge, Reply::ok("secret")} << u"taro"_s << 2 << "secret"_ba << FetchFailure::None
        << 200;
}

void TestPageFetcher::pageAuthentication() {
    QFETCH(QList<Reply>, replies);
    QFETCH(QString, userName);
    QFETCH(int, requestCount);
    QFETCH(QByteArray, body);
    QFETCH(FetchFailure, failure);
    QFETCH(int, status);
    TestHttpServer server;
    server.route("/private", replies);
    FetchRequest request = requestFor(server.url(u"/private"_s));
    request.userName = userName;
    request.password = u"pa:ss"_s;
    const FetchResult result = fetchPage(request);
    QCOMPARE(result.body, body);
    QCOMPARE(result.failure, failure);
    QCOMPARE(result.httpStatus, status);
    const QList<RecordedRequest> seen = server.requests();
    QCOMPARE(seen.size(), requestCount);
    // The first request goes out bare; every retry carries the page's credentials, if it has any.
    QVERIFY(!seen.first().hasHeader("Authorization"));
    for (qsizetype i = 1; i < seen.size(); ++i)
        QCOMPARE(seen.at(i).header("Authorization"),
                 userName.isEmpty() ? QByteArray() : basicCredentials("taro", "pa:ss"));
}

void TestPageFetcher::pageAndProxyChallengesShareAttempts() {
    TestHttpServer server;
    server.route("/page", QList<Reply>{Reply::withStatus(401), Reply::withStatus(407)});
    FetchRequest request = requestFor(server.url(u"/page"_s));
    request.userName = u"taro"_s;
    request.proxyPassword = QString();
    const FetchResult result = fetchPage(request);
    QCOMPARE(server.requestCount(), 5);
    QVERIFY(result.body.isEmpty());
    QCOMPARE(result.failure, FetchFailure::AuthenticationFailed);
    QCOMPARE(result.httpStatus, 407);
}

void TestPageFetcher::proxyAuthentication_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("proxyUser");
    QTest::addColumn<QString>("proxyPassword");
    QTest::addColumn<int>("requestCount");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<FetchFailure>("failure");
    QTest::addColumn<int>("status");
    const QString page = u"http://origin.test/news"_s;
    QTest::newRow("right credentials")
        << page << u"proxyuser"_s << u"proxypass"_s << 2 << "via proxy"_ba << FetchFailure::None << 200;
    QTest::newRow("wrong password") << page << u"proxyuser"_s << u"wrong"_s << 5 << QByteArray()
                                    << FetchFailure::AuthenticationFailed << 407;
    QTest::newRow("no user name") << page << QString() << QString() << 5 << QByteArray()
                                  << FetchFailure::AuthenticationFailed << 407;
    QTest::newRow("https tunnel refused") << u"https://origin.test/news"_s << QString() << QString() << 5
                                          << QByteArray() << FetchFailure::AuthenticationFailed << 407;
}

void TestPageFetcher::proxyAuthentication() {
    QFETCH(QString, url);
    QFETCH(QString, proxyUser);
    QFETCH(QString, proxyPassword);
    QFETCH(int, requestCount);
    QFETCH(QByteArray, body);
    QFETCH(FetchFailure, failure);
    QFETCH(int, status);
    TestHttpServer proxy;
    proxy.requireProxyAuth("proxyuser", "proxypass");
    proxy.route("/news", Reply::ok("via proxy"));
    FetchRequest request = requestFor(url);
    request.proxy = proxy.proxyAddress();
    request.proxyUserName = proxyUser;
    request.proxyPassword = proxyPassword;
    const FetchResult result = fetchPage(request);
    QCOMPARE(result.body, body);
    QCOMPARE(result.failure, failure);
    QCOMPARE(result.httpStatus, status);
    const QList<RecordedRequest> seen = proxy.requests();
    QCOMPARE(seen.size(), requestCount);
    QVERIFY(seen.first().isProxyRequest());
    QVERIFY(!seen.first().hasHeader("Proxy-Authorization"));
    const QByteArray expected =
        proxyUser.isEmpty() ? QByteArray() : basicCredentials(proxyUser.toUtf8(), proxyPassword.toUtf8());
    QCOMPARE(seen.last().header("Proxy-Authorization"), expected);
}

void TestPageFetcher::unrestorableProxyPassword() {
    TestHttpServer proxy;
    proxy.requireProxyAuth("proxyuser", "proxypass");
    FetchRequest request = requestFor(u"http://origin.test/news"_s);
    request.proxy = proxy.proxyAddress();
    request.proxyUserName = u"proxyuser"_s;
    const FetchResult result = fetchPage(request);
    QCOMPARE(proxy.requestCount(), 1);
    QVERIFY(result.body.isEmpty());
    QCOMPARE(result.failure, FetchFailure::ProxyPasswordUnreadable);
    QCOMPARE(result.httpStatus, 407);
}

void TestPageFetcher::statusOtherThan200_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<Reply>("reply");
    // 304 answers only a request that asked conditionally.
    for (const int status : {404, 500, 403, 302, 204, 304})
        QTest::addRow("%d", status) << status << Reply::withStatus(status);
    // Neither the size nor the length of an unwanted body holds the download or makes it too large.
    Reply endless = pieces(framed(Reply::withStatus(404), Reply::Framing::Chunked), 2, 500ms);
    endless.body = pattern(4000);
    QTest::newRow("404 with an endless body") << 404 << endless;
    Reply huge = Reply::withStatus(404);
    huge.announcedLength = qint64(1) << 40;
    QTest::newRow("404 announcing a huge body") << 404 << huge;
}

void TestPageFetcher::statusOtherThan200() {
    QFETCH(int, status);
    QFETCH(Reply, reply);
    TestHttpServer server;
    server.route("/page", reply);
    const FetchResult result = fetchPage(requestFor(server.url(u"/page"_s)));
    QVERIFY(result.body.isEmpty());
    QCOMPARE(result.failure, FetchFailure::HttpStatus);
    QCOMPARE(result.httpStatus, status);
    QCOMPARE(server.requestCount(), 1);
}

void TestPageFetcher::redirectFollowed() {
    TestHttpServer server;
    server.route("/moved", Reply::redirect(301, "/here"));
    server.route("/here", Reply::ok("arrived"));
    const FetchResult result = fetchPage(requestFor(server.url(u"/moved"_s)));
    QCOMPARE(result.body, "arrived"_ba);
    QCOMPARE(result.failure, FetchFailure::None);
    QCOMPARE(result.httpStatus, 200);
    QCOMPARE(result.finalUrl, server.url(u"/here"_s));
    const QList<RecordedRequest> seen = server.requests();
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen.at(1).target, "/here"_ba);
}

void TestPageFetcher::redirectLoopCannotOpen() {
    TestHttpServer server;
    server.route("/a", Reply::redirect(302, "/b"));
    server.route("/b", Reply::redirect(302, "/a"));
    const FetchResult result = fetchPage(requestFor(server.url(u"/a"_s)));
    QVERIFY(result.body.isEmpty());
    QCOMPARE(result.failure, FetchFailure::CannotOpen);
    QCOMPARE(result.cause, OpenCause::TooManyRedirects);
    QCOMPARE(server.requestCount(), 11); // the first request and ten redirections
}

void TestPageFetcher::cookieKeptAcrossRedirect() {
    TestHttpServer server;
    server.route("/login", Reply::redirect(302, "/page").withHeader("Set-Cookie", "session=42; Path=/"));
    server.route("/page", Reply::ok("in"));
    QCOMPARE(fetchPage(requestFor(server.url(u"/login"_s))).body, "in"_ba);
    QCOMPARE(server.requests().value(1).header("Cookie"), "session=42"_ba);
    // Nothing carries over to the next download.
    QCOMPARE(fetchPage(requestFor(server.url(u"/page"_s))).body, "in"_ba);
    QVERIFY(!server.requests().value(2).hasHeader("Cookie"));
}

void TestPageFetcher::oversizedPage_data() {
    QTest::addColumn<Reply>("reply");
    QTest::addColumn<bool>("tooLarge");
    Reply announced = Reply::ok(pattern(100));
    announced.announcedLength = 5000;
    QTest::newRow("announced length above the cap") << announced << true;
    QTest::newRow("chunked beyond the cap")
        << pieces(framed(Reply::ok(pattern(5000)), Reply::Framing::Chunked), 300) << true;
    QTest::newRow("unannounced beyond the cap")
        << framed(Reply::ok(pattern(1001)), Reply::Framing::CloseDelimited) << true;
    QTest::newRow("exactly the cap") << pieces(Reply::ok(pattern(1000)), 300) << false;
}

void TestPageFetcher::oversizedPage() {
    QFETCH(Reply, reply);
    QFETCH(bool, tooLarge);
    TestHttpServer server;
    server.route("/big", reply);
    FetchRequest request = requestFor(server.url(u"/big"_s));
    request.limits.maxBytes = 1000;
    const FetchResult result = fetchPage(request);
    QCOMPARE(result.body, tooLarge ? QByteArray() : reply.body);
    QCOMPARE(result.failure, tooLarge ? FetchFailure::TooLarge : FetchFailure::None);
}

void TestPageFetcher::proxyTextChoosesRoute_data() {
    QTest::addColumn<QString>("proxyText");
    QTest::addColumn<bool>("proxied");
    const QString dead = u"127.0.0.1:%1"_s.arg(TestHttpServer::unusedPort());
    QTest::newRow("host and port") << u"<PROXY>"_s << true;
    QTest::newRow("per-scheme list") << u"https="_s + dead + u";http=<PROXY>"_s << true;
    QTest::newRow("list without an http entry goes direct") << u"https=<PROXY>"_s << false;
}

void TestPageFetcher::proxyTextChoosesRoute() {
    QFETCH(QString, proxyText);
    QFETCH(bool, proxied);
    TestHttpServer server;
    server.route("/page", Reply::ok("page"));
    FetchRequest request = requestFor(server.url(u"/page"_s));
    request.proxy = proxyText.replace(u"<PROXY>"_s, server.proxyAddress());
    const FetchResult result = fetchPage(request);
    QCOMPARE(result.body, "page"_ba);
    QCOMPARE(server.requests().value(0).isProxyRequest(), proxied);
}

void TestPageFetcher::environmentProxyUsedWithoutProxyText() {
    TestHttpServer proxy;
    proxy.route("/news", Reply::ok("from the environment's proxy"));
    qputenv("http_proxy", proxy.proxyAddress().toUtf8());
    const FetchResult result = fetchPage(requestFor(u"http://origin.test/news"_s));
    qunsetenv("http_proxy");
    QCOMPARE(result.body, "from the environment's proxy"_ba);
    QCOMPARE(proxy.requests().value(0).target, "http://origin.test/news"_ba);
}

void TestPageFetcher::stopWhileReceiving() {
    TestHttpServer server;
    // Ten minutes of body at this pace: only the stop signal can end the download in time.
    server.route("/slow", pieces(Reply::ok(pattern(60'000)), 10, 100ms));
    qint64 received = 0;
    const FetchResult result = fetchPage(
        requestFor(server.url(u"/slow"_s)), [&] { return received >= 30; },
        [&](qint64 bytes) { received = bytes; });
    QCOMPARE(result.failure, FetchFailure::Stopped);
    QVERIFY(result.body.isEmpty());
    QVERIFY(received >= 30);
}

void TestPageFetcher::stopWhileWaitingForReply() {
    TestHttpServer server;
    Reply late = Reply::ok("late");
    late.delay = 60s;
    server.route("/late", late);
    const FetchResult result =
        fetchPage(requestFor(server.url(u"/late"_s)), [&] { return server.requestCount() > 0; });
    QCOMPARE(result.failure, FetchFailure::Stopped);
    QVERIFY(result.body.isEmpty());
}

void TestPageFetcher::stopDuringRetryPause() {
    TestHttpServer server;
    server.route("/private", Reply::withStatus(401));
    FetchRequest request = requestFor(server.url(u"/private"_s));
    request.userName = u"taro"_s;
    const FetchResult result = fetchPage(request, [&] { return server.requestCount() > 0; });
    QCOMPARE(result.failure, FetchFailure::Stopped);
    QCOMPARE(server.requestCount(), 1);
}

QTEST_GUILESS_MAIN(TestPageFetcher)
#include "tst_pagefetcher.moc"
