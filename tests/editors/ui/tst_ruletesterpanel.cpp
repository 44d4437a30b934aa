#include "editors/ui/RuleTesterPanel.h"
#include "support/IcuEncoding.h"
#include "support/TestHttpServer.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

QByteArray ShiftJisPage() {
    return EncodeWithIcu(
        u"<table><tr><td><b>山手線</b></td><td class=\"info\">信号ﾄﾗﾌﾞﾙの影響で&nbsp;遅れ</td></tr>\r\n"
        u"<tr><td><b>京浜東北線</b></td><td class=\"info\">試運転のため運休</td></tr></table>"_s,
        "windows-31j");
}

// The panel over the pages, with handles on its controls.
struct Panel {
    RuleTesterPanel widget;
    QComboBox* chooser = widget.findChild<QComboBox*>(u"cboPage"_s);
    QPushButton* fetch = widget.findChild<QPushButton*>(u"cmdFetch"_s);
    QLabel* status = widget.findChild<QLabel*>(u"lblTestStatus"_s);
    QListWidget* results = widget.findChild<QListWidget*>(u"lstResults"_s);

    Panel(const QList<PageRecord>& pages, const AppSettings& settings = {})
        : widget(pages, settings) {}

    QStringList rows() const {
        QStringList texts;
        for (int i = 0; i < results->count(); ++i)
            texts.append(results->item(i)->text());
        return texts;
    }
};

PageRecord Page(const QString& name, const QString& url) {
    return {true, url, name, {}, {}, {}};
}

} // namespace

class TestRuleTesterPanel : public QObject {
    Q_OBJECT
private slots:
    void ruleRunsAgainOnTheFetchedText_data();
    void ruleRunsAgainOnTheFetchedText();
    void failedPageShowsItsError();
    void cancelWhileFetching();
};

void TestRuleTesterPanel::ruleRunsAgainOnTheFetchedText_data() {
    QTest::addColumn<RuleRecord>("rule");
    QTest::addColumn<bool>("ignoreCase");
    QTest::addColumn<QStringList>("rows");
    const QString info = u"<td class=\"info\">"_s;
    QTest::newRow("items and an excluded fragment with its word")
        << RuleRecord{true, {}, info, u"</td>"_s, {u"運休"_s, u"試運転"_s}} << false
        << QStringList{u"信号トラブルの影響で 遅れ"_s, u"除外「運休」 試運転のため運休"_s};
    QTest::newRow("another header") << RuleRecord{true, {}, u"<b>"_s, {}, {}} << false
                                    << QStringList{u"山手線"_s, u"京浜東北線"_s};
    QTest::newRow("IgnoreCase of the settings")
        << RuleRecord{true, {}, u"<B>"_s, u"</B>"_s, {}} << true << QStringList{u"山手線"_s, u"京浜東北線"_s};
    QTest::newRow("a disabled rule is tried all the same")
        << RuleRecord{false, {}, u"<b>"_s, {}, {u"京浜"_s}} << false
        << QStringList{u"山手線"_s, u"除外「京浜」 京浜東北線"_s};
    QTest::newRow("empty header asks for one")
        << RuleRecord{true, {}, {}, u"</td>"_s, {}} << false << QStringList{};
}

void TestRuleTesterPanel::ruleRunsAgainOnTheFetchedText() {
    QFETCH(RuleRecord, rule);
    QFETCH(bool, ignoreCase);
    QFETCH(QStringList, rows);
    TestHttpServer server;
    server.route("/sjis", Reply::ok(ShiftJisPage(), "text/html; charset=Shift_JIS"));
    AppSettings settings;
    settings.IgnoreCase = ignoreCase;
    Panel panel({Page(u"ほか"_s, server.url(u"/other"_s)), Page(u"運行情報"_s, server.url(u"/sjis"_s))},
                settings);
    panel.widget.setRule({true, {}, u"<td>"_s, u"</td>"_s, {}});
    panel.chooser->setCurrentIndex(1);

    panel.fetch->click();
    QCOMPARE(panel.fetch->text(), u"中止"_s);
    QTRY_COMPARE(panel.fetch->text(), u"取得"_s);
    QVERIFY(panel.status->text().contains(u"Shift_JIS"_s));
    QVERIFY(!panel.rows().isEmpty());

    panel.widget.setRule(rule);
    QCOMPARE(panel.rows(), rows);
    QCOMPARE(panel.status->text().contains(u"ヘッダーを入力してください。"_s), rule.Header.isEmpty());
    for (int i = 0; i < panel.results->count(); ++i)
        QCOMPARE(panel.results->item(i)->foreground() == panel.results->item(0)->foreground(),
                 !panel.rows()[i].startsWith(u"除外"_s));
    QCOMPARE(server.requestCount(), 1);
}

void TestRuleTesterPanel::failedPageShowsItsError() {
    TestHttpServer server;
    Panel panel({Page(u"存在しないページ"_s, server.url(u"/missing"_s))});
    panel.fetch->click();
    QTRY_COMPARE(panel.fetch->text(), u"取得"_s);
    QVERIFY(panel.status->text().contains(u"エラー :404 Not Found"_s));
    panel.widget.setRule({true, {}, u"<"_s, {}, {}});
    QCOMPARE(panel.results->count(), 0);
}

void TestRuleTesterPanel::cancelWhileFetching() {
    TestHttpServer server;
    Reply late = Reply::ok("<b>late</b>");
    late.delay = 60s;
    server.route("/late", late);
    server.route("/quick", Reply::ok("<b>quick</b>"));
    Panel panel({Page(u"遅い"_s, server.url(u"/late"_s)), Page(u"速い"_s, server.url(u"/quick"_s))});
    panel.widget.setRule({true, {}, u"<b>"_s, {}, {}});

    panel.fetch->click();
    QTRY_COMPARE(server.requestCount(), 1);
    panel.fetch->click();
    QCOMPARE(panel.fetch->text(), u"取得"_s);
    QCOMPARE(panel.status->text(), u"取得を中止しました。"_s);
    // Fetching the other page now shows that page only.
    panel.chooser->setCurrentIndex(1);
    panel.fetch->click();
    QTRY_COMPARE(panel.rows(), QStringList{u"quick"_s});
    QCOMPARE(panel.fetch->text(), u"取得"_s);
}

QTEST_MAIN(TestRuleTesterPanel)
#include "tst_ruletesterpanel.moc"
