#include "display/PageMenus.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Pages = QList<PageRecord>;

PageRecord pageRecord(bool enabled, const QString& url, const QString& name) {
    return {enabled, url, name, {}, {}, {}};
}

// Entries written as "page:caption:url" with a "+" in front when ticked.
QStringList describe(const QList<PageMenuEntry>& entries) {
    QStringList lines;
    for (const PageMenuEntry& entry : entries)
        lines.append((entry.checked ? u"+"_s : QString()) + QString::number(entry.page) + u':' +
                     entry.caption + u':' + entry.url);
    return lines;
}

} // namespace

class TestPageMenus : public QObject {
    Q_OBJECT
private slots:
    void menus_data();
    void menus();
    void toggle_data();
    void toggle();
    void toggleOutOfRange_data();
    void toggleOutOfRange();
};

void TestPageMenus::menus_data() {
    QTest::addColumn<Pages>("pages");
    QTest::addColumn<QStringList>("download");
    QTest::addColumn<QStringList>("browse");
    QTest::newRow("enabled and disabled pages")
        << Pages{pageRecord(true, u"http://a/"_s, u"A"_s), pageRecord(false, u"http://b/"_s, u"B"_s),
                 pageRecord(true, u"http://c/"_s, u"C"_s)}
        << QStringList{u"+1:A:http://a/"_s, u"2:B:http://b/"_s, u"+3:C:http://c/"_s}
        << QStringList{u"1:A:http://a/"_s, u"3:C:http://c/"_s};
    QTest::newRow("empty file: no entries, placeholders shown") << Pages{} << QStringList{} << QStringList{};
    QTest::newRow("no page enabled: browse menu empty") << Pages{pageRecord(false, u"http://a/"_s, u"A"_s)}
                                                        << QStringList{u"1:A:http://a/"_s} << QStringList{};
    QTest::newRow("blank line between pages is no page but keeps its number")
        << Pages{pageRecord(true, u"http://a/"_s, u"A"_s), PageRecord(),
                 pageRecord(true, u"http://c/"_s, u"C"_s)}
        << QStringList{u"+1:A:http://a/"_s, u"+3:C:http://c/"_s}
        << QStringList{u"1:A:http://a/"_s, u"3:C:http://c/"_s};
    QTest::newRow("only a blank line: no entries") << Pages{PageRecord()} << QStringList{} << QStringList{};
    QTest::newRow("a label alone makes a page")
        << Pages{{false, {}, {}, u"L"_s, {}, {}}} << QStringList{u"1::"_s} << QStringList{};
    QTest::newRow("page without a name listed by its address")
        << Pages{pageRecord(true, u"http://a/"_s, QString())} << QStringList{u"+1:http://a/:http://a/"_s}
        << QStringList{u"1:http://a/:http://a/"_s};
}

void TestPageMenus::menus() {
    QFETCH(Pages, pages);
    QFETCH(QStringList, download);
    QFETCH(QStringList, browse);
    const PageMenus menus = buildPageMenus(pages);
    QCOMPARE(describe(menus.download), download);
    QCOMPARE(describe(menus.browse), browse);
    QCOMPARE(noPagesCaption(), u"（なし）"_s);
}

void TestPageMenus::toggle_data() {
    QTest::addColumn<bool>("enabled");
    QTest::newRow("ticked page switched off") << true;
    QTest::newRow("unticked page switched on") << false;
}

void TestPageMenus::toggle() {
    QFETCH(bool, enabled);
    const PageRecord other{true, u"http://a/"_s, u"A"_s, u"a"_s, u"user"_s, u"pw"_s};
    PageRecord page{enabled, u"http://b/"_s, u"B"_s, u"b"_s, QString(), QString()};
    const Pages before{other, page, other};
    page.Enabled = !enabled;
    const std::optional<Pages> after = toggledPages(before, 2);
    QVERIFY(after);
    QCOMPARE(*after, (Pages{other, page, other}));
    QCOMPARE(buildPageMenus(*after).download.at(1).checked, !enabled);
}

void TestPageMenus::toggleOutOfRange_data() {
    QTest::addColumn<int>("page");
    QTest::newRow("element 0") << 0;
    QTest::newRow("beyond the last page") << 3;
}

void TestPageMenus::toggleOutOfRange() {
    QFETCH(int, page);
    QVERIFY(!toggledPages({pageRecord(true, {}, {}), pageRecord(false, {}, {})}, page));
}

QTEST_GUILESS_MAIN(TestPageMenus)
#include "tst_pagemenus.moc"
