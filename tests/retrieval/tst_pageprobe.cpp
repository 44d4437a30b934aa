#include "retrieval/CycleTexts.h"
#include "retrieval/PageProbe.h"
#include "settings/PasswordScrambler.h"
#include "support/IcuEncoding.h"
#include "support/TestHttpServer.h"
#include "support/TestSupport.h"

#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(ProbedPage)

namespace {

PageRecord Page(const QString& url) {
    return {true, url, u"ページ"_s, {}, {}, {}};
}

QByteArray BasicCredentials(const QByteArray& user, const QByteArray& password) {
    return "Basic " + (user + ':' + password).toBase64();
}

} // namespace

class TestPageProbe : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<ProbedPage>(); }
    void readsThePageAsTheUpdateDoes_data();
    void readsThePageAsTheUpdateDoes();
    void failedPageTellsItsError_data();
    void failedPageTellsItsError();
    void usesPageCredentialsAndProxy();
    void cancelStopsTheFetchAndReportsNothing();
    void newStartReplacesTheRunningFetch();
    void goingAwayDoesNotWaitForTheWorker();
};

void TestPageProbe::readsThePageAsTheUpdateDoes_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QString>("charset");
    QTest::addColumn<QString>("text");
    const QString page = u"<b>信号ﾄﾗﾌﾞﾙ</b>\r\n  &amp;遅れ"_s;
    const QString normalised = u"<b>信号トラブル</b>&遅れ"_s;
    QTest::newRow("Shift_JIS named by the header")
        << EncodeWithIcu(page, "windows-31j") << "text/html; charset=Shift_JIS"_ba << u"Shift_JIS"_s
        << normalised;
    QTest::newRow("Shift_JIS detected")
        << EncodeWithIcu(page, "windows-31j") << "text/html"_ba << u"Shift_JIS"_s << normalised;
    const QString meta = u"<meta charset=\"EUC-JP\"><b>人身事故</b>"_s;
    QTest::newRow("EUC-JP named by the meta")
        << EncodeWithIcu(meta, "EUC-JP") << "text/html"_ba << u"EUC-JP"_s << meta;
    QTest::newRow("UTF-8 detected") << page.toUtf8() << "text/html"_ba << u"UTF-8"_s << normalised;
}

void TestPageProbe::readsThePageAsTheUpdateDoes() {
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, contentType);
    QFETCH(QString, charset);
    QFETCH(QString, text);
    TestHttpServer server;
    server.route("/page", Reply::ok(body, contentType));
    const ProbedPage probed = ProbePage(MakePageRequest(Page(server.url(u"/page"_s)), {}), FetchPage);
    QCOMPARE(probed.charset, charset);
    QCOMPARE(probed.text, text);
    QCOMPARE(probed.error, QString());
}

void TestPageProbe::failedPageTellsItsError_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("hideErrorDialog");
    QTest::addColumn<QString>("firstLine"); // of the fetcher's block; empty when it has none
    QTest::newRow("404") << 404 << false << u"エラー :404 Not Found"_s;
    QTest::newRow("404 told although the update would hide it") << 404 << true << u"エラー :404 Not Found"_s;
    QTest::newRow("500 has only the update's own block") << 500 << false << QString();
}

void TestPageProbe::failedPageTellsItsError() {
    QFETCH(int, status);
    QFETCH(bool, hideErrorDialog);
    QFETCH(QString, firstLine);
    TestHttpServer server;
    server.route("/page", Reply::withStatus(status));
    const QString url = server.url(u"/page"_s);
    AppSettings settings;
    settings.HideErrorDialog = hideErrorDialog;
    const ProbedPage probed = ProbePage(MakePageRequest(Page(url), settings), FetchPage);
    QCOMPARE(probed.text, QString());
    QCOMPARE(probed.charset, QString());
    QVERIFY(probed.error.endsWith(CycleTexts::EmptyPageError(url)));
    QCOMPARE(probed.error.section(u"\r\n"_s, 0, 0), firstLine.isEmpty() ? u"エラー : "_s : firstLine);
}

void TestPageProbe::usesPageCredentialsAndProxy() {
    TestHttpServer proxy;
    proxy.requireProxyAuth("proxyuser", "proxy-pw");
    proxy.route("/private", QList<Reply>{Reply::withStatus(401), Reply::ok("<b>会員向け</b>")});
    PageRecord page = Page(u"http://origin.test/private"_s);
    page.UserName = u"taro"_s;
    page.Password = EncryptPassword(u"page-pw"_s);
    AppSettings settings;
    settings.UseProxy = true;
    settings.Proxy = proxy.proxyAddress();
    settings.UserName = u"proxyuser"_s;
    settings.Password = EncryptPassword(u"proxy-pw"_s);

    const ProbedPage probed = ProbePage(MakePageRequest(page, settings), FetchPage);
    QCOMPARE(probed.text, u"<b>会員向け</b>"_s);
    const RecordedRequest last = proxy.requests().last();
    QVERIFY(last.isProxyRequest());
    QCOMPARE(last.header("Authorization"), BasicCredentials("taro", "page-pw"));
    QCOMPARE(last.header("Proxy-Authorization"), BasicCredentials("proxyuser", "proxy-pw"));
}

void TestPageProbe::cancelStopsTheFetchAndReportsNothing() {
    TestHttpServer server;
    Reply late = Reply::ok("<b>late</b>");
    late.delay = 60s;
    server.route("/late", late);
    std::atomic<FetchFailure> failure{FetchFailure::None};
    std::atomic<bool> returned{false};
    PageProbe probe([&](const FetchRequest& request, const StopSignal& stop, const ProgressSignal& progress) {
        const FetchResult result = FetchPage(request, stop, progress);
        failure = result.failure;
        returned = true;
        return result;
    });
    QSignalSpy finished(&probe, &PageProbe::finished);

    probe.start(Page(server.url(u"/late"_s)), {});
    QVERIFY(probe.isRunning());
    QTRY_COMPARE(server.requestCount(), 1);
    probe.cancel();
    QVERIFY(!probe.isRunning());
    // Well before the receive time-out could end it.
    QTRY_VERIFY(returned.load());
    QCOMPARE(failure.load(), FetchFailure::Stopped);
    QCoreApplication::processEvents();
    QCOMPARE(finished.count(), 0);
}

void TestPageProbe::newStartReplacesTheRunningFetch() {
    TestHttpServer server;
    Reply late = Reply::ok("<b>late</b>");
    late.delay = 60s;
    server.route("/late", late);
    server.route("/quick", Reply::ok("<b>quick</b>"));
    PageProbe probe;
    QSignalSpy finished(&probe, &PageProbe::finished);

    probe.start(Page(server.url(u"/late"_s)), {});
    QTRY_COMPARE(server.requestCount(), 1);
    probe.start(Page(server.url(u"/quick"_s)), {});
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().value<ProbedPage>().text, u"<b>quick</b>"_s);
    QVERIFY(!probe.isRunning());
}

void TestPageProbe::goingAwayDoesNotWaitForTheWorker() {
    QSemaphore entered;
    QSemaphore release;
    const Fetcher deaf = [&](const FetchRequest&, const StopSignal&, const ProgressSignal&) {
        entered.release();
        release.acquire(); // a name lookup that hears no stop
        return FetchResult{"<b>late</b>", "text/html", FetchFailure::None, 200};
    };
    {
        PageProbe probe(deaf);
        probe.start(Page(u"http://unreachable.test/"_s), {});
        QVERIFY(entered.tryAcquire(1, 10000));
    } // waiting here for the worker would never end
    release.release();
    QVERIFY(QThreadPool::globalInstance()->waitForDone(10000));
    QCoreApplication::processEvents(); // nothing is posted to the probe that is gone
}

QTEST_GUILESS_MAIN(TestPageProbe)
#include "tst_pageprobe.moc"
