#include "display/TrayNotice.h"
#include "retrieval/CycleResult.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Icon = TrayNotice::Icon;
using Outcome = CycleResult::Outcome;

const QString DefaultMessage = u"現在、遅れに関する情報はありません。"_s;

CycleResult result(Outcome outcome, const QStringList& texts, const QString& status) {
    CycleResult result;
    result.outcome = outcome;
    for (const QString& text : texts)
        result.items.append({text, 1, 1});
    result.status = status;
    return result;
}

} // namespace

class TestTrayNotice : public QObject {
    Q_OBJECT
private slots:
    void cycleEnd_data();
    void cycleEnd();
    void nothingPublished_data();
    void nothingPublished();
    void updatingAndStatus();
};

void TestTrayNotice::cycleEnd_data() {
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("balloon");
    const int completed = int(Outcome::Completed);
    const QString three = u"3件の情報があります"_s;
    QTest::newRow("items found: news icon and balloon")
        << completed << QStringList{u"a"_s, u"b"_s, u"c"_s} << three << int(Icon::News) << three;
    QTest::newRow("cancelled with items: balloon too")
        << int(Outcome::Cancelled) << QStringList{u"a"_s} << u"1件の情報があります"_s << int(Icon::News)
        << u"1件の情報があります"_s;
    QTest::newRow("default message only: no balloon")
        << completed << QStringList{DefaultMessage} << u"抽出された情報はありません"_s << int(Icon::Idle)
        << QString();
    QTest::newRow("nothing at all: status icon, no balloon")
        << completed << QStringList{} << u"情報はありません"_s << int(Icon::Updating) << QString();
}

void TestTrayNotice::cycleEnd() {
    QFETCH(int, outcome);
    QFETCH(QStringList, texts);
    QFETCH(QString, status);
    QFETCH(int, icon);
    QFETCH(QString, balloon);
    const auto notice = TrayNotices::cycleEnd(result(Outcome(outcome), texts, status), DefaultMessage);
    QVERIFY(notice);
    QCOMPARE(int(notice->icon), icon);
    QCOMPARE(notice->tip, u"Sorvanta 2.52\r\n"_s + status);
    QCOMPARE(notice->balloonText, balloon);
    QCOMPARE(notice->balloonTitle, balloon.isEmpty() ? QString() : u"Sorvanta"_s);
    QVERIFY(!notice->warning);
}

void TestTrayNotice::nothingPublished_data() {
    QTest::addColumn<int>("outcome");
    QTest::newRow("no connection") << int(Outcome::Offline);
    QTest::newRow("taken over") << int(Outcome::TakenOver);
}

void TestTrayNotice::nothingPublished() {
    QFETCH(int, outcome);
    QVERIFY(!TrayNotices::cycleEnd(result(Outcome(outcome), {}, u"情報はありません"_s), DefaultMessage));
}

void TestTrayNotice::updatingAndStatus() {
    QCOMPARE(TrayNotices::updating(),
             (TrayNotice{Icon::Updating, u"Sorvanta 2.52\r\n更新中"_s, QString(), QString(), false}));
    QCOMPARE(TrayNotices::status(u"未更新"_s),
             (TrayNotice{Icon::Updating, u"Sorvanta 2.52\r\n未更新"_s, QString(), QString(), false}));
}

QTEST_GUILESS_MAIN(TestTrayNotice)
#include "tst_traynotice.moc"
