#include "editors/EditPages.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

PageRecord Page(const QString& name) {
    return {true, u"http://"_s + name + u"/"_s, name, {}, {}, {}};
}

PageStatus Items(int count) {
    return {PageStatus::Kind::Items, count, {}};
}

// Three pages a, b, c; a got 1 item, c an error, b is not known.
EditPages ThreePages() {
    return EditPages({Page(u"a"_s), Page(u"b"_s), Page(u"c"_s)},
                     {{1, Items(1)}, {3, {PageStatus::Kind::Error, 0, u"404"_s}}, {9, Items(9)}});
}

QStringList Names(const EditPages& pages) {
    QStringList names;
    for (const PageRecord& page : pages.pages())
        names.append(page.Name);
    return names;
}

} // namespace

class TestEditPages : public QObject {
    Q_OBJECT
private slots:
    void statusesFollowTheirPages();
    void movesStopAtTheEnds_data();
    void movesStopAtTheEnds();
    void editedAddressDropsTheStatus();
    void enabledFlags();
};

void TestEditPages::statusesFollowTheirPages() {
    EditPages pages = ThreePages();
    QCOMPARE(pages.move(0, +1), std::optional<int>(1));
    QCOMPARE(Names(pages), (QStringList{u"b"_s, u"a"_s, u"c"_s}));
    QCOMPARE(pages.status(1), std::optional<PageStatus>(Items(1)));
    pages.remove(0);
    QCOMPARE(pages.status(0), std::optional<PageStatus>(Items(1)));
    QCOMPARE(pages.status(1)->error, u"404"_s);
    QCOMPARE(pages.append(Page(u"d"_s)), 2);
    QCOMPARE(pages.status(2), std::nullopt);
    // Numbered again for the list as saved; the status of a number beyond the list is gone.
    QCOMPARE(pages.statuses().keys(), (QList<int>{1, 2}));
    QCOMPARE(pages.statuses().value(1), Items(1));
}

void TestEditPages::movesStopAtTheEnds_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("step");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("landed");
    QTest::newRow("first up: stays") << 0 << -1 << QStringList{u"a"_s, u"b"_s, u"c"_s} << -1;
    QTest::newRow("last down: stays") << 2 << +1 << QStringList{u"a"_s, u"b"_s, u"c"_s} << -1;
    QTest::newRow("no selection: stays") << -1 << +1 << QStringList{u"a"_s, u"b"_s, u"c"_s} << -1;
    QTest::newRow("last up") << 2 << -1 << QStringList{u"a"_s, u"c"_s, u"b"_s} << 1;
}

void TestEditPages::movesStopAtTheEnds() {
    QFETCH(int, row);
    QFETCH(int, step);
    QFETCH(QStringList, names);
    QFETCH(int, landed);
    EditPages pages = ThreePages();
    QCOMPARE(pages.move(row, step).value_or(-1), landed);
    QCOMPARE(Names(pages), names);
    QCOMPARE(pages.status(2).has_value(), landed == -1);
}

void TestEditPages::editedAddressDropsTheStatus() {
    EditPages pages = ThreePages();
    PageRecord renamed = pages.page(0);
    renamed.Name = u"renamed"_s;
    pages.replace(0, renamed);
    QCOMPARE(pages.status(0), std::optional<PageStatus>(Items(1)));
    PageRecord moved = renamed;
    moved.URL = u"http://elsewhere/"_s;
    pages.replace(0, moved);
    QCOMPARE(pages.status(0), std::nullopt);
    QCOMPARE(pages.page(0), moved);
}

void TestEditPages::enabledFlags() {
    EditPages pages = ThreePages();
    pages.setEnabled(1, false);
    QVERIFY(pages.anyEnabled());
    pages.disableAll();
    QVERIFY(!pages.anyEnabled());
    QVERIFY(!EditPages({}, {}).anyEnabled());
}

QTEST_APPLESS_MAIN(TestEditPages)
#include "tst_editpages.moc"
