#include "retrieval/CycleDebugLog.h"
#include "retrieval/CycleTexts.h"
#include "retrieval/UpdateCycle.h"
#include "settings/PasswordScrambler.h"
#include "support/TestSupport.h"

#include <QMutex>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {

// Serves scripted pages by URL from any thread and records what was asked.
class FakeWeb {
public:
    struct Page {
        QByteArray body;
        FetchFailure failure = FetchFailure::None;
        int status = 200;
        int delayMs = 0;
    };
    void add(const QString& url, Page page) { m_pages.insert(url, std::move(page)); }

    Fetcher fetcher() {
        return [this](const FetchRequest& request, const StopSignal& stop, const ProgressSignal&) {
            {
                QMutexLocker lock(&m_mutex);
                m_requests.append(request);
            }
            const Page page = m_pages.value(request.url);
            for (int waited = 0; waited < page.delayMs; waited += 5) {
                if (stop && stop())
                    return FetchResult{{}, {}, FetchFailure::Stopped};
                QThread::msleep(5);
            }
            return FetchResult{page.body, "text/html; charset=utf-8", page.failure, page.status};
        };
    }
    QList<FetchRequest> requests() const {
        QMutexLocker lock(&m_mutex);
        return m_requests;
    }
    FetchRequest requestFor(const QString& url) const {
        const QList<FetchRequest> all = requests();
        const auto found =
            std::find_if(all.cbegin(), all.cend(), [&](const FetchRequest& r) { return r.url == url; });
        return found == all.cend() ? FetchRequest() : *found;
    }

private:
    QMap<QString, Page> m_pages;
    mutable QMutex m_mutex;
    QList<FetchRequest> m_requests;
};

QString pageUrl(int page) {
    return u"http://h"_s + QString::number(page) + u".test/p"_s;
}

// Each page's status as the page list shows it: the status word, then the error line.
QMap<int, QString> statusLines(const CycleResult& result) {
    QMap<int, QString> lines;
    for (auto status = result.pageStatuses.cbegin(); status != result.pageStatuses.cend(); ++status) {
        const bool error = status->kind == PageStatus::Kind::Error;
        lines.insert(status.key(), CycleTexts::pageStatusText(*status) +
                                       (error ? u' ' + CycleTexts::errorLine(status->error) : QString()));
    }
    return lines;
}

DataSet tables(int pageCount, const QList<int>& disabled = {}) {
    DataSet tables;
    for (int i = 1; i <= pageCount; ++i) {
        const QString n = QString::number(i);
        tables.pages.append(
            {!disabled.contains(i), pageUrl(i), u"ページ"_s + n, u"L"_s + n, QString(), QString()});
    }
    tables.rules = {{true, u"太字"_s, u"<b>"_s, QString(), {}}};
    return tables;
}

struct Fixture {
    QTemporaryDir dir;
    FakeClock clock;
    AppFolders folders{parseStartupArguments(u"/singleuser"_s), dir.path(), dir.path()};
    FakeWeb web;
    AppSettings settings;
    UpdateCycle cycle{clock};

    Fixture() {
        cycle.setFetcher(web.fetcher());
        cycle.setConnectivityCheck([] { return true; });
        keepDebugLogOf(cycle, folders, clock);
    }
    CycleResult run(const DataSet& tables) {
        QSignalSpy finished(&cycle, &UpdateCycle::finished);
        if (!cycle.start(tables, settings))
            return {};
        if (finished.isEmpty())
            finished.wait(10000);
        return finished.isEmpty() ? CycleResult{} : finished.first().first().value<CycleResult>();
    }
};

} // namespace

Q_DECLARE_METATYPE(CycleResult)
Q_DECLARE_METATYPE(FetchFailure)

class TestUpdateCycle : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<CycleResult>(); }
    void noEnabledPageDoesNothing();
    void failingPageIsReportedAndOthersPublished();
    void hideErrorDialogLeavesOutSomeBlocks_data();
    void hideErrorDialogLeavesOutSomeBlocks();
    void resultsComeInPageOrder();
    void cancelAfterSecondOfFivePages();
    void defaultMessageWhenNothingExtracted_data();
    void defaultMessageWhenNothingExtracted();
    void wholePageTextWhenNothingExtracted();
    void feedEntriesWhenNoRuleFound_data();
    void feedEntriesWhenNoRuleFound();
    void debugWritesPageDumpAndRunLog();
    void takeOverPublishesNothing();
    void exitWaitsForWorkersOnlySoLong_data();
    void exitWaitsForWorkersOnlySoLong();
    void offlineFetchesNothing();
    void brokenPasswordIsReportedAndPageStillFetched();
    void pageStatusOfEachEnabledPage();
};

void TestUpdateCycle::noEnabledPageDoesNothing() {
    Fixture f;
    QSignalSpy started(&f.cycle, &UpdateCycle::started);
    QVERIFY(!f.cycle.start(tables(2, {1, 2}), f.settings));
    QVERIFY(!f.cycle.isRunning());
    QCOMPARE(started.count(), 0);
    QVERIFY(f.web.requests().isEmpty());
}

void TestUpdateCycle::failingPageIsReportedAndOthersPublished() {
    Fixture f;
    const FakeWeb::Page notFound{{}, FetchFailure::HttpStatus, 404};
    f.web.add(pageUrl(1), notFound);
    f.web.add(pageUrl(2), {"<p><b>運転見合わせ</b> <b>遅延</b></p>"});
    QSignalSpy firstError(&f.cycle, &UpdateCycle::firstErrorReported);

    const CycleResult result = f.run(tables(2));
    QCOMPARE(int(result.outcome), int(CycleResult::Outcome::Completed));
    const FetchRequest request = f.web.requestFor(pageUrl(1));
    QCOMPARE(request.url, pageUrl(1));
    // The fetcher's block alone: the page that did not arrive is the same failure.
    QCOMPARE(result.errorLog,
             CycleTexts::errorBlock(*downloadFailure({{}, {}, notFound.failure, notFound.status}, request),
                                    false));
    QCOMPARE(result.items, (InfoItems{{u"運転見合わせ"_s, 2, 1}, {u"遅延"_s, 2, 1}}));
    QCOMPARE(result.status, u"2件の情報があります"_s);
    QCOMPARE(result.infoExpires, f.clock.now().addSecs(15 * 60));
    QCOMPARE(firstError.count(), 1);
}

void TestUpdateCycle::hideErrorDialogLeavesOutSomeBlocks_data() {
    QTest::addColumn<FetchFailure>("failure");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("hide");
    QTest::addColumn<bool>("told");
    QTest::newRow("404 told") << FetchFailure::HttpStatus << 404 << false << true;
    QTest::newRow("404 hidden") << FetchFailure::HttpStatus << 404 << true << false;
    QTest::newRow("authentication failure told even when hidden")
        << FetchFailure::AuthenticationFailed << 401 << true << true;
}

void TestUpdateCycle::hideErrorDialogLeavesOutSomeBlocks() {
    QFETCH(FetchFailure, failure);
    QFETCH(int, status);
    QFETCH(bool, hide);
    QFETCH(bool, told);
    Fixture f;
    f.settings.HideErrorDialog = hide;
    const FetchResult fetched{{}, {}, failure, status};
    f.web.add(pageUrl(1), {{}, fetched.failure, fetched.httpStatus});
    const CycleResult result = f.run(tables(1));
    const QString block =
        CycleTexts::errorBlock(*downloadFailure(fetched, f.web.requestFor(pageUrl(1))), false);
    QVERIFY(!block.isEmpty());
    // Told once: by the failure's own block or, where that is left out, by the line for the page that
    // did not arrive, with the failure's cause.
    const QString untold = u"エラー : \r\n"_s + pageUrl(1) +
                           u" が正常にダウンロードできませんでした。\r\n原因: HTTP 404 Not Found\r\n\r\n"_s;
    QCOMPARE(result.errorLog, told ? block : untold);
}

void TestUpdateCycle::resultsComeInPageOrder() {
    Fixture f;
    const int pages = 6;
    for (int i = 1; i <= pages; ++i) // later pages answer first
        f.web.add(pageUrl(i),
                  {"<b>" + QByteArray::number(i) + "</b>", FetchFailure::None, 200, (pages - i) * 40});
    QSignalSpy pageStarted(&f.cycle, &UpdateCycle::pageStarted);
    QSignalSpy handled(&f.cycle, &UpdateCycle::pageHandled);

    const CycleResult result = f.run(tables(pages));
    QCOMPARE(result.items.size(), pages);
    for (int i = 0; i < pages; ++i) {
        QCOMPARE(result.items[i].page, i + 1);
        QCOMPARE(pageStarted[i][0].toInt(), i + 1);
        QCOMPARE(pageStarted[i][1].toInt(), pages);
        QCOMPARE(pageStarted[i][2].toString(), u"ページ"_s + QString::number(i + 1));
        QCOMPARE(handled[i][0].toInt(), i + 1);
    }
}

void TestUpdateCycle::cancelAfterSecondOfFivePages() {
    Fixture f;
    for (int i = 1; i <= 5; ++i)
        f.web.add(pageUrl(i), {"<b>item" + QByteArray::number(i) + "</b>", FetchFailure::None, 200, i * 30});
    f.settings.DefaultMSG = u"既定"_s;
    connect(&f.cycle, &UpdateCycle::pageStarted, &f.cycle, [&f](int position) {
        if (position == 2)
            f.cycle.cancel();
    });

    const CycleResult result = f.run(tables(5));
    QCOMPARE(int(result.outcome), int(CycleResult::Outcome::Cancelled));
    QCOMPARE(result.items, (InfoItems{{u"item1"_s, 1, 1}, {u"item2"_s, 2, 1}}));
    QVERIFY(!result.infoExpires.has_value());
    QCOMPARE(result.status, u"2件の情報があります"_s);
    QVERIFY(!f.cycle.isRunning());
}

void TestUpdateCycle::defaultMessageWhenNothingExtracted_data() {
    QTest::addColumn<bool>("showDefault");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("itemCount");
    QTest::addColumn<QString>("status");
    QTest::newRow("default message shown")
        << true << u"現在、遅れに関する情報はありません。"_s << 1 << u"抽出された情報はありません"_s;
    QTest::newRow("switched off") << false << u"現在、遅れに関する情報はありません。"_s << 0
                                  << u"情報はありません"_s;
    QTest::newRow("empty message") << true << QString() << 0 << u"情報はありません"_s;
}

void TestUpdateCycle::defaultMessageWhenNothingExtracted() {
    QFETCH(bool, showDefault);
    QFETCH(QString, message);
    QFETCH(int, itemCount);
    QFETCH(QString, status);
    Fixture f;
    f.settings.ShowTextInstead = false;
    f.settings.ShowDefaultMSG = showDefault;
    f.settings.DefaultMSG = message;
    f.web.add(pageUrl(1), {"<p>nothing bold</p>"});
    const CycleResult result = f.run(tables(1));
    QCOMPARE(result.items.size(), itemCount);
    if (itemCount == 1)
        QCOMPARE(result.items.first(), (InfoItem{message, 0, 0}));
    QCOMPARE(result.status, status);
}

void TestUpdateCycle::wholePageTextWhenNothingExtracted() {
    Fixture f;
    f.settings.ShowTextInstead = true;
    f.web.add(pageUrl(1), {"<html><title>T</title><p>平常運転</p></html>"});
    f.web.add(pageUrl(2), {"<p>a <b>b</b></p>"});
    const CycleResult result = f.run(tables(2));
    QCOMPARE(result.items, (InfoItems{{u"平常運転"_s, 1, InfoItem::WholePageRule}, {u"b"_s, 2, 1}}));
}

void TestUpdateCycle::feedEntriesWhenNoRuleFound_data() {
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<InfoItems>("items");
    const QByteArray entries =
        "<item><title><![CDATA[ ﾀﾞｲﾔ乱れ &amp; 遅延 ]]></title><link>http://example.jp/1</link>"
        "</item><item><title>運転再開</title><link>http://example.jp/2</link></item>";
    QTest::newRow("entries become items, titles normalised, links kept")
        << "<rss version=\"2.0\"><channel><title>駅</title>" + entries + "</channel></rss>"
        << InfoItems{{u"ダイヤ乱れ & 遅延"_s, 1, 0, u"http://example.jp/1"_s},
                     {u"運転再開"_s, 1, 0, u"http://example.jp/2"_s}};
    QTest::newRow("a rule that finds something in the feed's own markup wins")
        << "<rss><channel><b>臨時</b>" + entries + "</channel></rss>" << InfoItems{{u"臨時"_s, 1, 1}};
    QTest::newRow("a rule that finds only the HTML inside an entry's texts does not take over")
        << QByteArray("<rss><channel><item><title>運転再開</title><description>&lt;b&gt;太&lt;/b&gt;"
                      "<![CDATA[<b>字</b>]]></description></item></channel></rss>")
        << InfoItems{{u"運転再開"_s, 1, 0}};
    QTest::newRow("feed left unclosed: its entries all the same")
        << QByteArray("<rss><channel><description>お知らせ</description><item><title>x</title></item></rss>")
        << InfoItems{{u"x"_s, 1, 0}};
    QTest::newRow("feed without entries: no whole text")
        << QByteArray("<rss><channel><description>お知らせ</description></channel></rss>")
        << InfoItems{{u"現在、遅れに関する情報はありません。"_s, 0, 0}};
}

void TestUpdateCycle::feedEntriesWhenNoRuleFound() {
    QFETCH(QByteArray, page);
    QFETCH(InfoItems, items);
    Fixture f;
    f.settings.ShowTextInstead = true;
    f.web.add(pageUrl(1), {page, {}});
    QCOMPARE(f.run(tables(1)).items, items);
}

void TestUpdateCycle::debugWritesPageDumpAndRunLog() {
    Fixture f;
    f.settings.Debug = true;
    f.web.add(pageUrl(1), {"<b>x</b>"});
    f.web.add(pageUrl(2), {"<b>y</b>"});
    f.run(tables(2));
    const QString dump = QString::fromUtf8(readFileBytes(f.folders.pageDumpPath()));
    QCOMPARE(dump.count(u"\r\n"_s), 8);
    QVERIFY(dump.startsWith(u"<!-- 07/Dec/2026:10:23:00 -->\r\n<!-- saved from url="_s + pageUrl(1) +
                            u" -->\r\n<b>x</b>\r\n\r\n"_s));
    const QString log = QString::fromUtf8(readFileBytes(f.folders.runLogPath()));
    const QString encoding = u" 文字コード: UTF-8（HTTP ヘッダー）\r\n"_s;
    QCOMPARE(log, u"2026/12/07 10:23:00 [Get] "_s + pageUrl(1) + encoding + u"2026/12/07 10:23:00 [Get] "_s +
                      pageUrl(2) + encoding);
    QVERIFY(f.web.requests().first().debugAgent);
}

void TestUpdateCycle::takeOverPublishesNothing() {
    Fixture f;
    f.web.add(pageUrl(1), {"<b>x</b>", FetchFailure::None, 200, 2000});
    QSignalSpy finished(&f.cycle, &UpdateCycle::finished);
    QVERIFY(f.cycle.start(tables(1), f.settings));
    f.cycle.takeOver();
    QCOMPARE(finished.count(), 1);
    const CycleResult result = finished.first().first().value<CycleResult>();
    QCOMPARE(int(result.outcome), int(CycleResult::Outcome::TakenOver));
    QVERIFY(result.items.isEmpty());
    QVERIFY(!f.cycle.isRunning());
    QTest::qWait(50); // the abandoned download reports nothing more
    QCOMPARE(finished.count(), 1);
}

void TestUpdateCycle::exitWaitsForWorkersOnlySoLong_data() {
    QTest::addColumn<bool>("obeysStop");
    QTest::newRow("a download that obeys the stop") << true;
    QTest::newRow("one that does not let go") << false;
}

void TestUpdateCycle::exitWaitsForWorkersOnlySoLong() {
    QFETCH(bool, obeysStop);
    Fixture f;
    std::atomic<bool> started = false;
    std::atomic<bool> released = false;
    f.cycle.setFetcher([&](const FetchRequest&, const StopSignal& stop, const ProgressSignal&) {
        started = true;
        while (!released && !(obeysStop && stop()))
            QThread::msleep(5);
        return FetchResult{};
    });
    QVERIFY(f.cycle.start(tables(1), f.settings));
    QTRY_VERIFY(started);
    f.cycle.takeOver();
    QCOMPARE(f.cycle.waitForWorkers(std::chrono::milliseconds(300)), obeysStop);
    released = true;
    QVERIFY(f.cycle.waitForWorkers(std::chrono::milliseconds(5000)));
}

void TestUpdateCycle::offlineFetchesNothing() {
    Fixture f;
    f.settings.AutoDialing = true;
    f.cycle.setConnectivityCheck([] { return false; });
    QSignalSpy started(&f.cycle, &UpdateCycle::started);
    const CycleResult result = f.run(tables(2));
    QCOMPARE(started.count(), 0);
    QCOMPARE(int(result.outcome), int(CycleResult::Outcome::Offline));
    QCOMPARE(result.status, u"情報はありません"_s);
    QVERIFY(f.web.requests().isEmpty());
}

void TestUpdateCycle::brokenPasswordIsReportedAndPageStillFetched() {
    Fixture f;
    DataSet tables = ::tables(1);
    tables.pages[0].UserName = u"user"_s;
    tables.pages[0].Password = u"PQR"_s; // breaks off inside a pair
    f.web.add(pageUrl(1), {"<b>x</b>"});
    const CycleResult result = f.run(tables);
    QCOMPARE(result.errorLog,
             CycleTexts::errorBlock(PageError::about(PageError::Kind::BrokenPassword, pageUrl(1)), false));
    QCOMPARE(f.web.requests().size(), 1);
    QCOMPARE(result.items.size(), 1);
}

void TestUpdateCycle::pageStatusOfEachEnabledPage() {
    Fixture f;
    f.settings.ShowTextInstead = false;
    f.web.add(pageUrl(2), {"<b>a</b> <b>b</b>"});
    f.web.add(pageUrl(3), {"<p>平常運転</p>"});
    f.web.add(pageUrl(4), {{}, FetchFailure::HttpStatus, 404});
    f.web.add(pageUrl(5), {"<b>a</b>"});
    f.web.add(pageUrl(6), {{}, FetchFailure::HttpStatus, 500});
    DataSet tables = ::tables(6, {1});
    tables.pages[4].Password = u"PQR"_s; // cannot be restored: an error, yet items
    const QMap<int, QString> statuses{{2, u"2件"_s},
                                      {3, u"該当なし"_s}, // the default message is no page's
                                      {4, u"エラー エラー :404 Not Found"_s},
                                      {5, u"1件"_s},
                                      {6, u"エラー エラー :500 Internal Server Error"_s}};
    QCOMPARE(statusLines(f.run(tables)), statuses);
    f.settings.ShowTextInstead = true; // the whole-page text shows, yet no rule matched
    const CycleResult withText = f.run(tables);
    QVERIFY(withText.items.contains(InfoItem(u"平常運転"_s, 3, InfoItem::WholePageRule)));
    QCOMPARE(statusLines(withText), statuses);
    f.settings.HideErrorDialog = true; // the log leaves the 404 out, the status keeps its reason
    QCOMPARE(statusLines(f.run(tables)), statuses);
}

QTEST_GUILESS_MAIN(TestUpdateCycle)
#include "tst_updatecycle.moc"
