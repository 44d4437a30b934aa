#include "editors/RuleDescription.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestRuleDescription : public QObject {
    Q_OBJECT
private slots:
    void shortening_data();
    void shortening();
    void lines_data();
    void lines();
};

void TestRuleDescription::shortening_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    const QString forty = QString(40, u'a');
    QTest::newRow("40 characters whole") << forty << forty;
    QTest::newRow("41 characters: 38 and dots") << forty + u'b' << QString(38, u'a') + u"..."_s;
    QTest::newRow("Japanese counts like ASCII") << QString(41, u'遅') << QString(38, u'遅') + u"..."_s;
}

void TestRuleDescription::shortening() {
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(shortenedText(text), shown);
}

void TestRuleDescription::lines_data() {
    QTest::addColumn<RuleRecord>("rule");
    QTest::addColumn<QStringList>("lines");
    const QString longText = QString(50, u'h');
    QTest::newRow("no exclusion words: two lines")
        << RuleRecord{true, u"太字"_s, u"<b>"_s, u"</b>"_s, {}}
        << QStringList{u"\"<b>\" から"_s, u"\"</b>\" までの間を抽出する"_s};
    QTest::newRow("exclusion words: third line")
        << RuleRecord{true, {}, u"<li>"_s, {}, {u"広告"_s, u"PR"_s}}
        << QStringList{u"\"<li>\" から"_s, u"\"\" までの間を抽出する"_s,
                       u"ただし \"広告 PR\" のいずれかを含んでいたら抽出しない"_s};
    QTest::newRow("header and exclusions shortened, footer whole")
        << RuleRecord{true, {}, longText, longText, {longText}}
        << QStringList{u"\""_s + longText.left(38) + u"...\" から"_s,
                       u"\""_s + longText + u"\" までの間を抽出する"_s,
                       u"ただし \""_s + longText.left(38) + u"...\" のいずれかを含んでいたら抽出しない"_s};
}

void TestRuleDescription::lines() {
    QFETCH(RuleRecord, rule);
    QFETCH(QStringList, lines);
    QCOMPARE(ruleDescription(rule), lines);
}

QTEST_APPLESS_MAIN(TestRuleDescription)
#include "tst_ruledescription.moc"
