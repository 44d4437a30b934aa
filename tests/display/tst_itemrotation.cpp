#include "display/ItemRotation.h"
#include "retrieval/CycleResult.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Kind = RotationAction::Kind;
using Outcome = CycleResult::Outcome;

InfoItems makeItems(int count) {
    InfoItems items;
    for (int i = 1; i <= count; ++i)
        items.append({u"item %1"_s.arg(i), 1, i});
    return items;
}

CycleResult result(Outcome outcome, int itemCount, std::optional<QDateTime> expires) {
    CycleResult result;
    result.outcome = outcome;
    result.items = makeItems(itemCount);
    result.infoExpires = std::move(expires);
    return result;
}

RotationAction render(int item) {
    return {Kind::RenderItem, QString(), item};
}

RotationAction status(const QString& text) {
    return {Kind::ShowStatus, text, 0};
}

} // namespace

char* toString(const RotationAction& action) {
    const char* kinds[] = {"Nothing", "ShowStatus", "RenderItem"};
    return QTest::toString(
        u"%1 \"%2\" %3"_s.arg(QLatin1StringView(kinds[int(action.kind)]), action.status).arg(action.item));
}

class TestItemRotation : public QObject {
    Q_OBJECT
private slots:
    void steps_data();
    void steps();
    void scrollingAndStaleness_data();
    void scrollingAndStaleness();
    void cancelledFirstUpdateIsStale();
    void expiresAfterFifteenMinutes();
    void cycleResult_data();
    void cycleResult();
    void notifyOffAfterStatusStartsAtFirstItem();
    void statusOnly_data();
    void statusOnly();
    void updateEmptiesItems();
    void menuOpenStepsBack_data();
    void menuOpenStepsBack();

private:
    FakeClock m_clock;
};

// Each row: items published with Notify off (position n), then the listed steps by the user;
// items lists the item rendered by each step.
void TestItemRotation::steps_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<QList<int>>("items");
    QTest::newRow("forward wraps from the last to the first")
        << 3 << QList<int>{1, 1, 1, 1} << QList<int>{1, 2, 3, 1};
    QTest::newRow("backward wraps from the first to the last")
        << 3 << QList<int>{1, -1, -1, -1} << QList<int>{1, 3, 2, 1};
    QTest::newRow("only the sign of the step counts") << 3 << QList<int>{5, 9, -7} << QList<int>{1, 2, 1};
    QTest::newRow("step 0 goes to the first item") << 3 << QList<int>{1, 1, 0} << QList<int>{1, 2, 1};
    QTest::newRow("one item: every step shows it again")
        << 1 << QList<int>{1, -1, 0, 1} << QList<int>{1, 1, 1, 1};
    QTest::newRow("backward from the published position") << 4 << QList<int>{-1} << QList<int>{3};
}

void TestItemRotation::steps() {
    QFETCH(int, count);
    QFETCH(QList<int>, steps);
    QFETCH(QList<int>, items);
    ItemRotation rotation(m_clock);
    rotation.applyCycleResult(result(Outcome::Completed, count, m_clock.now().addSecs(900)), false);
    QCOMPARE(rotation.currentItem(), count);
    QList<int> shown;
    for (int step : std::as_const(steps)) {
        const RotationAction action = rotation.showNextItem(true, step, false);
        QCOMPARE(action.kind, Kind::RenderItem);
        QCOMPARE(action.item, rotation.currentItem());
        shown.append(action.item);
    }
    QCOMPARE(shown, items);
    QCOMPARE(rotation.current()->text, u"item %1"_s.arg(items.last()));
}

void TestItemRotation::scrollingAndStaleness_data() {
    QTest::addColumn<bool>("byUser");
    QTest::addColumn<bool>("scrolling");
    QTest::addColumn<int>("expiresInSecs");
    QTest::addColumn<RotationAction>("action");
    QTest::addColumn<int>("itemsLeft");
    QTest::addColumn<int>("current");
    QTest::newRow("automatic step while idle") << false << false << 60 << render(2) << 3 << 2;
    QTest::newRow("automatic step skipped while scrolling")
        << false << true << 60 << RotationAction{} << 3 << 1;
    QTest::newRow("the user's step cuts a scroll short") << true << true << 60 << render(2) << 3 << 2;
    QTest::newRow("expiring this very second is still fresh") << false << false << 0 << render(2) << 3 << 2;
    QTest::newRow("one second past: status only") << false << false << -1 << status(u"未更新"_s) << 0 << 0;
    QTest::newRow("stale on the user's step too") << true << true << -1 << status(u"未更新"_s) << 0 << 0;
    QTest::newRow("stale items keep scrolling until the next free step")
        << false << true << -1 << RotationAction{} << 3 << 1;
}

void TestItemRotation::scrollingAndStaleness() {
    QFETCH(bool, byUser);
    QFETCH(bool, scrolling);
    QFETCH(int, expiresInSecs);
    QFETCH(RotationAction, action);
    QFETCH(int, itemsLeft);
    QFETCH(int, current);
    ItemRotation rotation(m_clock);
    rotation.applyCycleResult(result(Outcome::Completed, 3, m_clock.now().addSecs(expiresInSecs)), true);
    QCOMPARE(rotation.showNextItem(byUser, 1, scrolling), action);
    QCOMPARE(rotation.items().size(), itemsLeft);
    QCOMPARE(rotation.currentItem(), current);
}

// An update cancelled before any update ran through sets no expiry: its items count as stale.
void TestItemRotation::cancelledFirstUpdateIsStale() {
    ItemRotation rotation(m_clock);
    QCOMPARE(rotation.applyCycleResult(result(Outcome::Cancelled, 2, std::nullopt), true), render(1));
    QCOMPARE(rotation.showNextItem(false, 1, false), status(u"未更新"_s));
}

void TestItemRotation::expiresAfterFifteenMinutes() {
    ItemRotation rotation(m_clock);
    rotation.applyCycleResult(result(Outcome::Completed, 2, m_clock.now().addSecs(15 * 60)), true);
    m_clock.advanceSecs(15 * 60);
    QCOMPARE(rotation.showNextItem(false, 1, false), render(2));
    m_clock.advanceSecs(1);
    QCOMPARE(rotation.showNextItem(false, 1, false), status(u"未更新"_s));
    QVERIFY(!rotation.hasItems());
    QCOMPARE(rotation.showNextItem(true, 1, false), RotationAction{});
}

// Each row starts from a finished update (two items, expiry in one hour) and applies another
// update's result.
void TestItemRotation::cycleResult_data() {
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("notify");
    QTest::addColumn<RotationAction>("action");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("itemsKept");
    QTest::addColumn<bool>("expiryRenewed");
    const int completed = int(Outcome::Completed);
    const int cancelled = int(Outcome::Cancelled);
    QTest::newRow("Notify on: first item at once") << completed << 3 << true << render(1) << 1 << 3 << true;
    QTest::newRow("Notify off: position on the last item")
        << completed << 3 << false << RotationAction{} << 3 << 3 << true;
    QTest::newRow("nothing found: status only")
        << completed << 0 << true << status(u"情報はありません"_s) << 0 << 0 << true;
    QTest::newRow("cancelled: items shown, expiry kept")
        << cancelled << 2 << true << render(1) << 1 << 2 << false;
    QTest::newRow("cancelled with nothing found")
        << cancelled << 0 << false << status(u"情報はありません"_s) << 0 << 0 << false;
    QTest::newRow("no connection: nothing left to show")
        << int(Outcome::Offline) << 0 << true << RotationAction{} << 0 << 0 << false;
    QTest::newRow("taken over: nothing published")
        << int(Outcome::TakenOver) << 0 << true << RotationAction{} << 0 << 0 << false;
}

void TestItemRotation::cycleResult() {
    QFETCH(int, outcome);
    QFETCH(int, count);
    QFETCH(bool, notify);
    QFETCH(RotationAction, action);
    QFETCH(int, current);
    QFETCH(int, itemsKept);
    QFETCH(bool, expiryRenewed);
    ItemRotation rotation(m_clock);
    const QDateTime firstExpiry = m_clock.now().addSecs(3600);
    rotation.applyCycleResult(result(Outcome::Completed, 2, firstExpiry), true);
    rotation.beginUpdate();
    const bool ranThrough = Outcome(outcome) == Outcome::Completed;
    const QDateTime newExpiry = m_clock.now().addSecs(900);
    const auto expiry = ranThrough ? std::optional<QDateTime>(newExpiry) : std::nullopt;
    QCOMPARE(rotation.applyCycleResult(result(Outcome(outcome), count, expiry), notify), action);
    QCOMPARE(rotation.currentItem(), current);
    QCOMPARE(rotation.items().size(), itemsKept);
    QCOMPARE(rotation.infoExpires(), std::optional<QDateTime>(expiryRenewed ? newExpiry : firstExpiry));
}

void TestItemRotation::notifyOffAfterStatusStartsAtFirstItem() {
    ItemRotation rotation(m_clock);
    rotation.showStatusOnly(u"情報はありません"_s);
    QCOMPARE(rotation.currentItem(), 0);
    rotation.applyCycleResult(result(Outcome::Completed, 4, m_clock.now().addSecs(900)), false);
    QCOMPARE(rotation.showNextItem(false, 1, false), render(1));
}

void TestItemRotation::statusOnly_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty text means not updated") << QString() << u"未更新"_s;
    QTest::newRow("a status text as it is") << u"情報はありません"_s << u"情報はありません"_s;
}

void TestItemRotation::statusOnly() {
    QFETCH(QString, text);
    QFETCH(QString, shown);
    ItemRotation rotation(m_clock);
    rotation.applyCycleResult(result(Outcome::Completed, 3, m_clock.now().addSecs(900)), true);
    QCOMPARE(rotation.showStatusOnly(text), status(shown));
    QVERIFY(!rotation.hasItems());
    QCOMPARE(rotation.currentItem(), 0);
    QVERIFY(!rotation.current());
    QCOMPARE(rotation.showNextItem(true, 1, false), RotationAction{});
}

void TestItemRotation::updateEmptiesItems() {
    ItemRotation rotation(m_clock);
    rotation.applyCycleResult(result(Outcome::Completed, 3, m_clock.now().addSecs(900)), true);
    rotation.beginUpdate();
    QVERIFY(!rotation.hasItems());
    QCOMPARE(rotation.showNextItem(true, 1, false), RotationAction{});
}

void TestItemRotation::menuOpenStepsBack_data() {
    QTest::addColumn<int>("stepsBeforeMenu");
    QTest::addColumn<int>("ticksWhileOpen");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("nextShown");
    QTest::newRow("the item is shown again by the next step") << 3 << 1 << 2 << 3;
    QTest::newRow("never below the first item") << 1 << 2 << 1 << 2;
    QTest::newRow("two ticks step back twice") << 3 << 2 << 1 << 2;
}

void TestItemRotation::menuOpenStepsBack() {
    QFETCH(int, stepsBeforeMenu);
    QFETCH(int, ticksWhileOpen);
    QFETCH(int, current);
    QFETCH(int, nextShown);
    ItemRotation rotation(m_clock);
    rotation.applyCycleResult(result(Outcome::Completed, 4, m_clock.now().addSecs(900)), false);
    for (int i = 0; i < stepsBeforeMenu; ++i)
        rotation.showNextItem(true, 1, false);
    for (int i = 0; i < ticksWhileOpen; ++i)
        rotation.stepBackForOpenMenu();
    QCOMPARE(rotation.currentItem(), current);
    QCOMPARE(rotation.showNextItem(false, 1, false), render(nextShown));
}

QTEST_GUILESS_MAIN(TestItemRotation)
#include "tst_itemrotation.moc"
