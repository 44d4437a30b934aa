#include "retrieval/PageProbe.h"
#include "support/IcuEncoding.h"
#include "support/TestHttpServer.h"
#include "support/TestSupport.h"

#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(Reply)

namespace {

PageRecord pageRecord(const QString& url) {
    return {true, url, u"ページ"_s, {}, {}, {}};
}

} // namespace

class TestPageProbe : public QObject {
    Q_OBJECT
private slots:
    void readsThePageAsTheUpdateDoes_data();
    void readsThePageAsTheUpdateDoes();
    void cancelStopsTheFetchAndReportsNothing();
    void goingAwayDoesNotWaitForTheWorker();
};

void TestPageProbe::readsThePageAsTheUpdateDoes_data() {
    QTest::addColumn<Reply>("reply");
    QTest::addColumn<QString>("charset");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("firstErrorLine");
    const QByteArray sjis = encodeWithIcu(u"<b>信号ﾄﾗﾌﾞﾙ</b>\r\n  &amp;遅れ"_s, "windows-31j");
    QTest::newRow("Shift_JIS from the header")
        << Reply::ok(sjis, "text/html; charset=Shift_JIS") << u"Shift_JIS（HTTP ヘッダー）"_s
        << u"<b>信号トラブル</b>&遅れ"_s << QString();
    const QString meta = u"<meta charset=\"EUC-JP\"><b>人身事故</b>"_s;
    QTest::newRow("EUC-JP from the meta") << Reply::ok(encodeWithIcu(meta, "EUC-JP"), "text/html")
                                          << u"EUC-JP（meta タグ）"_s << meta << QString();
    QTest::newRow("404 told, though the update would hide it")
        << Reply::withStatus(404) << QString() << QString() << u"エラー :404 Not Found"_s;
}

void TestPageProbe::readsThePageAsTheUpdateDoes() {
    QFETCH(Reply, reply);
    QFETCH(QString, charset);
    QFETCH(QString, text);
    QFETCH(QString, firstErrorLine);
    TestHttpServer server;
    server.route("/page", reply);
    AppSettings settings;
    settings.HideErrorDialog = true;
    const ProbedPage probed =
        probePage(makePageRequest(pageRecord(server.url(u"/page"_s)), settings), fetchPage);
    QCOMPARE(probed.charset, charset);
    QCOMPARE(probed.text, text);
    QCOMPARE(probed.error.section(u"\r\n"_s, 0, 0), firstErrorLine);
}

void TestPageProbe::cancelStopsTheFetchAndReportsNothing() {
    TestHttpServer server;
    Reply late = Reply::ok("<b>late</b>");
    late.delay = 60s;
    server.route("/late", late);
    std::atomic<FetchFailure> failure{FetchFailure::None};
    std::atomic<bool> returned{false};
    PageProbe probe([&](const FetchRequest& request, const StopSignal& stop, const ProgressSignal& progress) {
        const FetchResult result = fetchPage(request, stop, progress);
        failure = result.failure;
        returned = true;
        return result;
    });
    QSignalSpy finished(&probe, &PageProbe::finished);

    probe.start(pageRecord(server.url(u"/late"_s)), {});
    QTRY_COMPARE(server.requestCount(), 1);
    probe.cancel();
    QVERIFY(!probe.isRunning());
    QTRY_VERIFY(returned.load()); // well before the receive time-out could end it
    QCOMPARE(failure.load(), FetchFailure::Stopped);
    QCoreApplication::processEvents();
    QCOMPARE(finished.count(), 0);
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
        probe.start(pageRecord(u"http://unreachable.test/"_s), {});
        QVERIFY(entered.tryAcquire(1, 10000));
    } // waiting here for the worker would never end
    release.release();
    QVERIFY(QThreadPool::globalInstance()->waitForDone(10000));
    QCoreApplication::processEvents(); // nothing is posted to the probe that is gone
}

QTEST_GUILESS_MAIN(TestPageProbe)
#include "tst_pageprobe.moc"
