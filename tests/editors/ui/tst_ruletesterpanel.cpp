#include "editors/ui/RuleTesterPanel.h"
#include "support/IcuEncoding.h"
#include "support/TestHttpServer.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TestRuleTesterPanel : public QObject {
    Q_OBJECT
private slots:
    void ruleRunsAgainOnTheFetchedText_data();
    void ruleRunsAgainOnTheFetchedText();
    void opensOnTheFirstEnabledPageAndTellsOfFeedTitles();
};

void TestRuleTesterPanel::ruleRunsAgainOnTheFetchedText_data() {
    QTest::addColumn<RuleRecord>("rule");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("items and a greyed fragment with its exclusion word")
        << RuleRecord{true, {}, u"<td class=\"info\">"_s, u"</td>"_s, {u"運休"_s, u"試運転"_s}}
        << QStringList{u"信号トラブルの影響で 遅れ"_s, u"除外「運休」 試運転のため運休"_s};
    QTest::newRow("empty header asks for one") << RuleRecord{true, {}, {}, u"</td>"_s, {}} << QStringList{};
}

void TestRuleTesterPanel::ruleRunsAgainOnTheFetchedText() {
    QFETCH(RuleRecord, rule);
    QFETCH(QStringList, rows);
    TestHttpServer server;
    server.route("/sjis",
                 Reply::ok(encodeWithIcu(u"<tr><td><b>山手線</b></td><td class=\"info\">信号ﾄﾗﾌﾞﾙの影響で"
                                         u"&nbsp;遅れ</td><td class=\"info\">試運転のため運休</td></tr>"_s,
                                         "windows-31j")));
    const QList<PageRecord> pages{{true, server.url(u"/other"_s), u"ほか"_s, {}, {}, {}},
                                  {true, server.url(u"/sjis"_s), u"運行情報"_s, {}, {}, {}}};
    RuleTesterPanel panel(pages, AppSettings{});
    auto* fetch = panel.findChild<QPushButton*>(u"cmdFetch"_s);
    auto* results = panel.findChild<QListWidget*>(u"lstResults"_s);
    auto* status = panel.findChild<QLabel*>(u"lblTestStatus"_s);
    panel.setRule({true, {}, u"<b>"_s, {}, {}});
    panel.findChild<QComboBox*>(u"cboPage"_s)->setCurrentIndex(1);

    fetch->click();
    QCOMPARE(fetch->text(), u"中止"_s);
    QTRY_COMPARE(fetch->text(), u"取得"_s);
    QVERIFY(status->text().contains(u"Shift_JIS"_s));
    QCOMPARE(results->count(), 1);

    panel.setRule(rule);
    QStringList shown;
    for (int i = 0; i < results->count(); ++i) {
        shown.append(results->item(i)->text());
        QCOMPARE(results->item(i)->foreground() == results->item(0)->foreground(),
                 !shown[i].startsWith(u"除外"_s));
    }
    QCOMPARE(shown, rows);
    QCOMPARE(status->text().contains(u"ヘッダーを入力してください。"_s), rule.Header.isEmpty());
    QCOMPARE(server.requestCount(), 1);
}

// A rule that finds nothing in a feed's own markup leaves the feed's titles to be shown.
void TestRuleTesterPanel::opensOnTheFirstEnabledPageAndTellsOfFeedTitles() {
    TestHttpServer server;
    server.route("/rss",
                 Reply::ok("<rss version=\"2.0\"><channel><item><title>&lt;b&gt;運休&lt;/b&gt;</title></item>"
                           "<item><title>遅延</title></item></channel></rss>",
                           "application/rss+xml"));
    const QList<PageRecord> pages{{false, server.url(u"/off"_s), u"停止中"_s, {}, {}, {}},
                                  {true, server.url(u"/rss"_s), u"ニュース"_s, {}, {}, {}}};
    RuleTesterPanel panel(pages, AppSettings{});
    QCOMPARE(panel.findChild<QComboBox*>(u"cboPage"_s)->currentIndex(), 1);
    panel.setRule({true, {}, u"<b>"_s, u"</b>"_s, {}});
    auto* fetch = panel.findChild<QPushButton*>(u"cmdFetch"_s);
    fetch->click();
    QTRY_COMPARE(fetch->text(), u"取得"_s);
    QVERIFY(panel.findChild<QLabel*>(u"lblTestStatus"_s)
                ->text()
                .endsWith(u"フィードの見出し 2 件を表示します"_s));
}

QTEST_MAIN(TestRuleTesterPanel)
#include "tst_ruletesterpanel.moc"
