#include "retrieval/ItemExtractor.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Rules = QList<RuleRecord>;

enum Option { Plain = 0, IgnoreCase = 1, IgnoreQuote = 2, IgnoreExcept = 4 };

RuleRecord rule(const QString& header, const QString& footer, const QStringList& exclusions = {},
                bool enabled = true) {
    return {enabled, u"rule"_s, header, footer, exclusions};
}

ExtractionOptions options(int flags) {
    return {(flags & IgnoreCase) != 0, (flags & IgnoreQuote) != 0, (flags & IgnoreExcept) != 0};
}

// "text|page|rule" per item, so a failure shows every field.
QStringList describe(const InfoItems& items) {
    QStringList lines;
    for (const InfoItem& item : items)
        lines.append(u"%1|%2|%3"_s.arg(item.text).arg(item.page).arg(item.rule));
    return lines;
}

// "text" for a kept fragment, "text|word" for an excluded one.
QStringList describe(const QList<RuleFragment>& fragments) {
    QStringList lines;
    for (const RuleFragment& fragment : fragments)
        lines.append(fragment.excludedBy ? fragment.text + u'|' + *fragment.excludedBy : fragment.text);
    return lines;
}

} // namespace

class TestItemExtractor : public QObject {
    Q_OBJECT
private slots:
    void extractsItems_data();
    void extractsItems();
    void changesCallersPageText_data();
    void changesCallersPageText();
    void appendsAfterExistingItems();
    void manyItemsFromALargePage();
    void testRuleShowsKeptAndExcluded_data();
    void testRuleShowsKeptAndExcluded();
};

void TestItemExtractor::extractsItems_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<Rules>("rules");
    QTest::addColumn<int>("options");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<bool>("found");

    QTest::newRow("bold header, empty footer gives the bold word")
        << u"<p>運転状況: <b>遅延</b> です</p>"_s << Rules{rule(u"<b>"_s, {})} << int(Plain)
        << QStringList{u"遅延|7|1"_s} << true;
    QTest::newRow("every occurrence, in page order")
        << u"[a][b][c]"_s << Rules{rule(u"["_s, u"]"_s)} << int(Plain)
        << QStringList{u"a|7|1"_s, u"b|7|1"_s, u"c|7|1"_s} << true;
    QTest::newRow("occurrences do not overlap")
        << u"[[a]b]"_s << Rules{rule(u"["_s, u"]"_s)} << int(Plain) << QStringList{u"[a|7|1"_s} << true;
    QTest::newRow("spaces kept untrimmed") << u"<i> a b </i>"_s << Rules{rule(u"<i>"_s, u"</i>"_s)}
                                           << int(Plain) << QStringList{u" a b |7|1"_s} << true;
    QTest::newRow("tags removed from the fragment")
        << u"<td><a href=\"x\">山手線</a> <b>遅延</b></td>"_s << Rules{rule(u"<td>"_s, u"</td>"_s)}
        << int(Plain) << QStringList{u"山手線 遅延|7|1"_s} << true;
    QTest::newRow("every copy of a tag removed at once") << u"{<i>a<i>b</i>}"_s << Rules{rule(u"{"_s, u"}"_s)}
                                                         << int(Plain) << QStringList{u"ab|7|1"_s} << true;
    QTest::newRow("tag removal does not rescan what it joined")
        << u"{<<b>b>x}"_s << Rules{rule(u"{"_s, u"}"_s)} << int(Plain) << QStringList{u"b>x|7|1"_s} << true;
    QTest::newRow("fragment of tags only is neither item nor found")
        << u"{<br><hr>}"_s << Rules{rule(u"{"_s, u"}"_s)} << int(Plain) << QStringList{} << false;
    QTest::newRow("empty fragment is not found")
        << u"{}{}"_s << Rules{rule(u"{"_s, u"}"_s)} << int(Plain) << QStringList{} << false;
    QTest::newRow("lone < kept with what follows") << u"{a<b>c < d}"_s << Rules{rule(u"{"_s, u"}"_s)}
                                                   << int(Plain) << QStringList{u"ac < d|7|1"_s} << true;
    QTest::newRow("header without footer after it")
        << u"[a][b"_s << Rules{rule(u"["_s, u"]"_s)} << int(Plain) << QStringList{u"a|7|1"_s} << true;
    QTest::newRow("no header in page")
        << u"abc"_s << Rules{rule(u"["_s, u"]"_s)} << int(Plain) << QStringList{} << false;
    QTest::newRow("empty header cuts at every footer")
        << u"a;b;c"_s << Rules{rule({}, u";"_s)} << int(Plain) << QStringList{u"a|7|1"_s, u"b|7|1"_s} << true;
    QTest::newRow("case-sensitive by default") << u"<B>x</B><b>y</b>"_s << Rules{rule(u"<b>"_s, u"</b>"_s)}
                                               << int(Plain) << QStringList{u"y|7|1"_s} << true;
    QTest::newRow("IgnoreCase matches any case and upper-cases items")
        << u"<B>Delay</B><b>late</b><B>mIxEd</b>"_s << Rules{rule(u"<b>"_s, u"</b>"_s)} << int(IgnoreCase)
        << QStringList{u"DELAY|7|1"_s, u"LATE|7|1"_s, u"MIXED|7|1"_s} << true;
    QTest::newRow("IgnoreCase upper-cases exclusions too")
        << u"[Stop][go]"_s << Rules{rule(u"["_s, u"]"_s, {u"stop"_s})} << int(IgnoreCase)
        << QStringList{u"GO|7|1"_s} << true;
    QTest::newRow("IgnoreQuote matches whatever quotes the page used")
        << u"<td class=\"info\">a</td><td class='info'>b</td><td class=info>c</td>"_s
        << Rules{rule(u"<td class=\"info\">"_s, u"</td>"_s)} << int(IgnoreQuote)
        << QStringList{u"a|7|1"_s, u"b|7|1"_s, u"c|7|1"_s} << true;
    QTest::newRow("IgnoreQuote removes quotes from items")
        << u"<i>\"quoted\" it's</i>"_s << Rules{rule(u"<i>"_s, u"</i>"_s)} << int(IgnoreQuote)
        << QStringList{u"quoted its|7|1"_s} << true;
    QTest::newRow("quotes matter without IgnoreQuote")
        << u"<td class='info'>b</td>"_s << Rules{rule(u"<td class=\"info\">"_s, u"</td>"_s)} << int(Plain)
        << QStringList{} << false;
    QTest::newRow("excluded fragment still counts as found")
        << u"[運転見合わせ]"_s << Rules{rule(u"["_s, u"]"_s, {u"見合わせ"_s})} << int(Plain) << QStringList{}
        << true;
    QTest::newRow("any exclusion word excludes")
        << u"[a1][b2][c3]"_s << Rules{rule(u"["_s, u"]"_s, {u"1"_s, u"3"_s})} << int(Plain)
        << QStringList{u"b2|7|1"_s} << true;
    QTest::newRow("exclusion looks at the fragment without tags")
        << u"[<b>x</b>y]"_s << Rules{rule(u"["_s, u"]"_s, {u"b"_s})} << int(Plain) << QStringList{u"xy|7|1"_s}
        << true;
    QTest::newRow("empty exclusion word excludes everything")
        << u"[a][b]"_s << Rules{rule(u"["_s, u"]"_s, {u"y"_s, QString(), u"z"_s})} << int(Plain)
        << QStringList{} << true;
    QTest::newRow("IgnoreQuote empties a word of quotes, which excludes everything")
        << u"[a][b]"_s << Rules{rule(u"["_s, u"]"_s, {u"y"_s, u"\"'"_s})} << int(IgnoreQuote) << QStringList{}
        << true;
    QTest::newRow("IgnoreQuote empties a field of quotes alone, which excludes nothing")
        << u"[a][b]"_s << Rules{rule(u"["_s, u"]"_s, {u"\"'"_s})} << int(IgnoreQuote)
        << QStringList{u"a|7|1"_s, u"b|7|1"_s} << true;
    QTest::newRow("IgnoreExcept keeps excluded fragments")
        << u"[a1][b2]"_s
        << Rules{rule(u"["_s, u"]"_s, {u"1"_s}), rule(u"("_s, u")"_s, {QString(), QString()})}
        << int(IgnoreExcept) << QStringList{u"a1|7|1"_s, u"b2|7|1"_s} << true;
    QTest::newRow("disabled rule finds nothing")
        << u"[a]"_s << Rules{rule(u"["_s, u"]"_s, {}, false)} << int(Plain) << QStringList{} << false;
    QTest::newRow("rules in order, items rule by rule")
        << u"<b>a</b><i>b</i><b>c</b>"_s << Rules{rule(u"<i>"_s, u"</i>"_s), rule(u"<b>"_s, u"</b>"_s)}
        << int(Plain) << QStringList{u"b|7|1"_s, u"a|7|2"_s, u"c|7|2"_s} << true;
    QTest::newRow("rule numbers count disabled rules")
        << u"[a]"_s << Rules{rule(u"["_s, u"]"_s, {}, false), rule(u"["_s, u"]"_s)} << int(Plain)
        << QStringList{u"a|7|2"_s} << true;
    QTest::newRow("rules may cover the same text")
        << u"<b>x</b>"_s << Rules{rule(u"<b>"_s, {}), rule(u"<b>"_s, u"</b>"_s)} << int(Plain)
        << QStringList{u"x|7|1"_s, u"x|7|2"_s} << true;
    QTest::newRow("found by a later rule after an excluding one")
        << u"[a]"_s << Rules{rule(u"["_s, u"]"_s, {u"a"_s}), rule(u"{"_s, u"}"_s)} << int(Plain)
        << QStringList{} << true;
}

void TestItemExtractor::extractsItems() {
    QFETCH(QString, page);
    QFETCH(Rules, rules);
    QFETCH(int, options);
    QFETCH(QStringList, items);
    QFETCH(bool, found);
    InfoItems extracted;
    QCOMPARE(extractItems(page, 7, rules, ::options(options), extracted), found);
    QCOMPARE(describe(extracted), items);
}

void TestItemExtractor::changesCallersPageText_data() {
    QTest::addColumn<int>("options");
    QTest::addColumn<bool>("ruleEnabled");
    QTest::addColumn<QString>("page");
    const QString original = u"<a href=\"x\">It's</a>"_s;
    QTest::newRow("plain leaves the text") << int(Plain) << true << original;
    QTest::newRow("IgnoreCase upper-cases it") << int(IgnoreCase) << true << u"<A HREF=\"X\">IT'S</A>"_s;
    QTest::newRow("IgnoreQuote removes quotes") << int(IgnoreQuote) << true << u"<a href=x>Its</a>"_s;
    QTest::newRow("both") << int(IgnoreCase | IgnoreQuote) << true << u"<A HREF=X>ITS</A>"_s;
    QTest::newRow("even with no enabled rule") << int(IgnoreCase) << false << u"<A HREF=\"X\">IT'S</A>"_s;
}

void TestItemExtractor::changesCallersPageText() {
    QFETCH(int, options);
    QFETCH(bool, ruleEnabled);
    QFETCH(QString, page);
    QString text = u"<a href=\"x\">It's</a>"_s;
    InfoItems items;
    extractItems(text, 1, {rule(u"<a"_s, u"</a>"_s, {}, ruleEnabled)}, ::options(options), items);
    QCOMPARE(text, page);
}

void TestItemExtractor::appendsAfterExistingItems() {
    InfoItems items{{u"earlier"_s, 1, 1}};
    QString page = u"[new]"_s;
    QVERIFY(extractItems(page, 2, {rule(u"["_s, u"]"_s)}, {}, items));
    QCOMPARE(describe(items), (QStringList{u"earlier|1|1"_s, u"new|2|1"_s}));
}

void TestItemExtractor::manyItemsFromALargePage() {
    QString page;
    for (int i = 0; i < 30000; ++i)
        page += u"<tr><td class=\"info\"><b>%1</b>番線 遅延</td></tr>"_s.arg(i);
    InfoItems items;
    QVERIFY(extractItems(page, 3, {rule(u"<td class=\"info\">"_s, u"</td>"_s)}, {}, items));
    QCOMPARE(items.size(), 30000);
    QCOMPARE(items.first().text, u"0番線 遅延"_s);
    QCOMPARE(items.last().text, u"29999番線 遅延"_s);
}

void TestItemExtractor::testRuleShowsKeptAndExcluded_data() {
    QTest::addColumn<RuleRecord>("rule");
    QTest::addColumn<int>("options");
    QTest::addColumn<QStringList>("fragments");
    QTest::newRow("a disabled rule too, in page order, each excluded with the first word it holds")
        << rule(u"["_s, u"]"_s, {u"3"_s, u"1"_s}, false) << int(Plain)
        << QStringList{u"a1|1"_s, u"b2"_s, u"c3|3"_s, u"d13|3"_s};
    QTest::newRow("an empty word excludes every fragment")
        << rule(u"["_s, u"]"_s, {u"x"_s, QString()}) << int(Plain)
        << QStringList{u"a1|"_s, u"b2|"_s, u"c3|"_s, u"d13|"_s};
    QTest::newRow("IgnoreExcept excludes nothing") << rule(u"["_s, u"]"_s, {u"1"_s}) << int(IgnoreExcept)
                                                   << QStringList{u"a1"_s, u"b2"_s, u"c3"_s, u"d13"_s};
}

void TestItemExtractor::testRuleShowsKeptAndExcluded() {
    QFETCH(RuleRecord, rule);
    QFETCH(int, options);
    QFETCH(QStringList, fragments);
    QCOMPARE(describe(testRule(u"[a1][<b>b2</b>][c3]<i>[d13]"_s, rule, ::options(options))), fragments);
}

QTEST_GUILESS_MAIN(TestItemExtractor)
#include "tst_itemextractor.moc"
