#include "editors/KeywordEntries.h"
#include "editors/ListRows.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestListRows : public QObject {
    Q_OBJECT
private slots:
    void buttons_data();
    void buttons();
    void keywordsShownAndStored();
};

void TestListRows::buttons_data() {
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("count");
    QTest::addColumn<RowButtons>("buttons");
    QTest::newRow("nothing selected") << -1 << 3 << RowButtons{};
    QTest::newRow("empty list") << -1 << 0 << RowButtons{};
    QTest::newRow("single row: neither way") << 0 << 1 << RowButtons{true, false, false};
    QTest::newRow("first: down only") << 0 << 3 << RowButtons{true, false, true};
    QTest::newRow("middle: both") << 1 << 3 << RowButtons{true, true, true};
    QTest::newRow("last: up only") << 2 << 3 << RowButtons{true, true, false};
    QTest::newRow("beyond the list") << 3 << 3 << RowButtons{};
}

void TestListRows::buttons() {
    QFETCH(int, selected);
    QFETCH(int, count);
    QFETCH(RowButtons, buttons);
    QVERIFY(ButtonsFor(selected, count) == buttons);
}

void TestListRows::keywordsShownAndStored() {
    QCOMPARE(ListedKeywords({u"遅れ"_s, {}, u"運休"_s, {}}), (QStringList{u"遅れ"_s, u"運休"_s}));
    QCOMPARE(StoredKeywords({}), QStringList{QString()});
    QCOMPARE(StoredKeywords({u"a"_s, u" "_s}), (QStringList{u"a"_s, u" "_s}));
}

QTEST_APPLESS_MAIN(TestListRows)
#include "tst_listrows.moc"
