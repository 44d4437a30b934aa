#include "display/PageMenus.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A page table as url.txt loads it: records of (Enabled, URL, Name); no records reads as an
// empty file, which loads as one empty record.
DataTable Pages(const QList<QStringList>& records) {
    DataTable pages(PageField::Count);
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (i > 0)
            pages.appendRecord();
        for (int field = 0; field < records[i].size(); ++field)
            pages.setValue(field + 1, int(i) + 1, records[i][field]);
    }
    return pages;
}

// Entries written as "page:caption:url" with a "+" in front when ticked.
QStringList Describe(const QList<PageMenuEntry>& entries) {
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
    QTest::addColumn<QList<QStringList>>("records");
    QTest::addColumn<QStringList>("download");
    QTest::addColumn<QStringList>("browse");
    QTest::newRow("enabled and disabled pages")
        << QList<QStringList>{{u"1"_s, u"http://a/"_s, u"A"_s},
                              {u"0"_s, u"http://b/"_s, u"B"_s},
                              {u"True"_s, u"http://c/"_s, u"C"_s}}
        << QStringList{u"+1:A:http://a/"_s, u"2:B:http://b/"_s, u"+3:C:http://c/"_s}
        << QStringList{u"1:A:http://a/"_s, u"3:C:http://c/"_s};
    QTest::newRow("empty file: no entries, placeholders shown")
        << QList<QStringList>{} << QStringList{} << QStringList{};
    QTest::newRow("no page enabled: browse menu empty")
        << QList<QStringList>{{u"0"_s, u"http://a/"_s, u"A"_s}} << QStringList{u"1:A:http://a/"_s}
        << QStringList{};
    QTest::newRow("blank line between pages is no page")
        << QList<QStringList>{{u"1"_s, u"http://a/"_s, u"A"_s}, {}, {u"1"_s, u"http://c/"_s, u"C"_s}}
        << QStringList{u"+1:A:http://a/"_s, u"+3:C:http://c/"_s}
        << QStringList{u"1:A:http://a/"_s, u"3:C:http://c/"_s};
    QTest::newRow("page without a name listed by its address")
        << QList<QStringList>{{u"1"_s, u"http://a/"_s, QString()}} << QStringList{u"+1:http://a/:http://a/"_s}
        << QStringList{u"1:http://a/:http://a/"_s};
}

void TestPageMenus::menus() {
    QFETCH(QList<QStringList>, records);
    QFETCH(QStringList, download);
    QFETCH(QStringList, browse);
    const PageMenus menus = BuildPageMenus(Pages(records));
    QCOMPARE(Describe(menus.download), download);
    QCOMPARE(Describe(menus.browse), browse);
    QCOMPARE(NoPagesCaption(), u"（なし）"_s);
}

void TestPageMenus::toggle_data() {
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QString>("toggled");
    QTest::newRow("ticked page switched off") << u"1"_s << u"0"_s;
    QTest::newRow("unticked page switched on") << u"0"_s << u"1"_s;
    QTest::newRow("True word counts as ticked") << u"True"_s << u"0"_s;
    QTest::newRow("empty flag counts as unticked") << QString() << u"1"_s;
}

void TestPageMenus::toggle() {
    QFETCH(QString, enabled);
    QFETCH(QString, toggled);
    const QStringList other{u"1"_s, u"http://a/"_s, u"A"_s, u"a"_s, u"user"_s, u"pw"_s};
    QStringList page{enabled, u"http://b/"_s, u"B"_s, u"b"_s, QString(), QString()};
    const DataTable before = Pages({other, page, other});
    page[0] = toggled;
    const std::optional<DataTable> after = ToggledPageTable(before, 2);
    QVERIFY(after);
    QCOMPARE(*after, Pages({other, page, other}));
    QCOMPARE(BuildPageMenus(*after).download.at(1).checked, toggled == u"1"_s);
}

void TestPageMenus::toggleOutOfRange_data() {
    QTest::addColumn<int>("page");
    QTest::newRow("element 0") << 0;
    QTest::newRow("beyond the last page") << 3;
}

void TestPageMenus::toggleOutOfRange() {
    QFETCH(int, page);
    QVERIFY(!ToggledPageTable(Pages({{u"1"_s}, {u"0"_s}}), page));
}

QTEST_GUILESS_MAIN(TestPageMenus)
#include "tst_pagemenus.moc"
