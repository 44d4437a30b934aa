#include "editors/EditPages.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

PageRecord pageRecord(const QString& name) {
    return {true, u"http://"_s + name + u"/"_s, name, {}, {}, {}};
}

PageStatus items(int count) {
    return {PageStatus::Kind::Items, count, {}};
}

} // namespace

class TestEditPages : public QObject {
    Q_OBJECT
private slots:
    void statusesFollowTheirPages();
    void editedAddressDropsTheStatus();
};

void TestEditPages::statusesFollowTheirPages() {
    // a got 1 item, c an error, b is not known; page 9 is no longer listed.
    EditPages pages({pageRecord(u"a"_s), pageRecord(u"b"_s), pageRecord(u"c"_s)},
                    {{1, items(1)},
                     {3, {PageStatus::Kind::Error, 0, PageError::about(PageError::Kind::EmptyPage, u"c"_s)}},
                     {9, items(9)}});
    QCOMPARE(pages.move(2, +1), std::nullopt);
    QCOMPARE(pages.move(0, +1), std::optional<int>(1));
    QCOMPARE(pages.page(1).Name, u"a"_s);
    QCOMPARE(pages.status(1), std::optional<PageStatus>(items(1)));
    pages.remove(0);
    QCOMPARE(pages.status(0), std::optional<PageStatus>(items(1)));
    QCOMPARE(pages.status(1)->error.url, u"c"_s);
    QCOMPARE(pages.append(pageRecord(u"d"_s)), 2);
    QCOMPARE(pages.status(2), std::nullopt);
    // Numbered again for the list as saved.
    QCOMPARE(pages.statuses().keys(), (QList<int>{1, 2}));
}

void TestEditPages::editedAddressDropsTheStatus() {
    EditPages pages({pageRecord(u"a"_s)}, {{1, items(1)}});
    PageRecord edited = pageRecord(u"a"_s);
    edited.Name = u"renamed"_s;
    pages.replace(0, edited);
    QCOMPARE(pages.status(0), std::optional<PageStatus>(items(1)));
    edited.URL = u"http://elsewhere/"_s;
    pages.replace(0, edited);
    QCOMPARE(pages.status(0), std::nullopt);
    QCOMPARE(pages.page(0), edited);
}

QTEST_APPLESS_MAIN(TestEditPages)
#include "tst_editpages.moc"
