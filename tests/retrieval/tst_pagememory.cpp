#include "retrieval/UpdateCycle.h"
#include "support/TestHttpServer.h"
#include "support/TestSupport.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray page(const QByteArrayList& items) {
    return "<ul><li>" + items.join("</li><li>") + "</li></ul>";
}

std::optional<CycleResult> runCycle(const DataSet& tables, PageMemory& memory) {
    FakeClock clock{QDateTime(QDate(2026, 12, 8), QTime(9, 0))};
    UpdateCycle cycle(clock);
    cycle.setConnectivityCheck([] { return true; });
    cycle.setMemory(&memory);
    QSignalSpy finished(&cycle, &UpdateCycle::finished);
    if (!cycle.start(tables, AppSettings()) || !finished.wait(10000))
        return std::nullopt;
    return finished.first().first().value<CycleResult>();
}

QStringList texts(const InfoItems& items, bool onlyNew) {
    QStringList texts;
    for (const InfoItem& item : items) {
        if (!onlyNew || item.isNew)
            texts.append(item.text);
    }
    return texts;
}

} // namespace

class TestPageMemory : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<CycleResult>(); }
    void secondUpdate_data();
    void secondUpdate();
};

void TestPageMemory::secondUpdate_data() {
    QTest::addColumn<QList<Reply>>("replies");
    QTest::addColumn<bool>("restart");    // the memory goes through its file between the updates
    QTest::addColumn<bool>("changeRule"); // the rule changes between the updates
    QTest::addColumn<bool>("askedConditionally");
    QTest::addColumn<QStringList>("items"); // of the second update
    QTest::addColumn<QStringList>("newItems");
    const Reply first =
        Reply::ok(page({"遅れ", "平常"})).withValidators("\"v1\"", "Mon, 07 Dec 2026 09:00:00 GMT");
    const Reply changed =
        Reply::ok(page({"運休", "遅れ", "平常"})).withValidators("\"v2\"", "Tue, 08 Dec 2026 09:00:00 GMT");
    const QStringList before{u"遅れ"_s, u"平常"_s};
    const QStringList after{u"運休"_s, u"遅れ"_s, u"平常"_s};
    QTest::newRow("unchanged: 304, the items kept")
        << QList<Reply>{first} << false << false << true << before << QStringList();
    QTest::newRow("unchanged across a restart")
        << QList<Reply>{first} << true << false << true << before << QStringList();
    QTest::newRow("changed across a restart: one new")
        << QList<Reply>{first, changed} << true << false << true << after << QStringList{u"運休"_s};
    QTest::newRow("server ignores the validators")
        << QList<Reply>{Reply::ok(page({"遅れ", "平常"})).withHeader("ETag", "\"x\""),
                        Reply::ok(page({"運休", "平常"}))}
        << false << false << true << QStringList{u"運休"_s, u"平常"_s} << QStringList{u"運休"_s};
    QTest::newRow("changed rule: what was kept is forgotten")
        << QList<Reply>{first, changed} << false << true << false << QStringList{u"運休"_s, u"遅れ"_s}
        << QStringList();
}

void TestPageMemory::secondUpdate() {
    QFETCH(QList<Reply>, replies);
    QFETCH(bool, restart);
    QFETCH(bool, changeRule);
    QFETCH(bool, askedConditionally);
    QFETCH(QStringList, items);
    QFETCH(QStringList, newItems);
    TestHttpServer server;
    server.route("/p", replies);
    DataSet tables;
    tables.pages.append({true, server.url(u"/p"_s), u"p"_s, {}, {}, {}});
    tables.rules.append({true, u"r"_s, u"<li>"_s, u"</li>"_s, {}});
    PageMemory memory;
    const std::optional<CycleResult> first = runCycle(tables, memory);
    QVERIFY(first);
    QCOMPARE(texts(first->items, true), QStringList()); // a page seen for the first time has nothing new
    QTemporaryDir dir;
    if (restart) {
        QVERIFY(memory.save(dir.filePath(u"seen.json"_s)));
        memory = PageMemory();
        memory.load(dir.filePath(u"seen.json"_s));
    }
    if (changeRule)
        tables.rules.first().Exclusions = QStringList{u"平常"_s};

    const std::optional<CycleResult> second = runCycle(tables, memory);
    QVERIFY(second);
    QCOMPARE(server.requests().last().hasHeader("If-None-Match"), askedConditionally);
    QCOMPARE(texts(second->items, false), items);
    QCOMPARE(texts(second->items, true), newItems);
    QCOMPARE(second->pageStatuses.value(1).kind, PageStatus::Kind::Items);
    QVERIFY(second->errorLog.isEmpty());
}

QTEST_GUILESS_MAIN(TestPageMemory)
#include "tst_pagememory.moc"
