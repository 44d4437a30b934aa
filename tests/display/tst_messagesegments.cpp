#include "display/LedPalette.h"
#include "display/MessageSegments.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// "L:label|K:keyword|P:plain", so a failing comparison prints both layouts readably.
QString layout(const KeywordColouring& colouring) {
    QStringList parts;
    for (const MessageRun& run : colouring.runs) {
        const QString role = run.role == RunRole::Label       ? u"L"_s
                             : run.role == RunRole::Keyword   ? u"K"_s
                             : run.role == RunRole::NewMarker ? u"N"_s
                                                              : u"P"_s;
        parts << role + u":"_s + run.text;
    }
    return parts.join(u'|');
}

DataSet tables() {
    DataSet tables;
    tables.pages = {{false, QString(), u"Weather"_s, u"天気"_s, QString(), QString()},
                    {false, QString(), u"Trains"_s, QString(), QString(), QString()}}; // no label
    tables.rules = {{false, u"R1"_s, QString(), QString(), {}},
                    {false, u"運行:"_s, QString(), QString(), {}}};
    tables.keywords = QStringList{u"遅れ"_s};
    return tables;
}

} // namespace

class TestMessageSegments : public QObject {
    Q_OBJECT
private slots:
    void keywords_data();
    void keywords();
    void itemPrefixes_data();
    void itemPrefixes();
    void newItemMarkerFirst();
    void colours_data();
    void colours();
    void layerBackgrounds();
};

void TestMessageSegments::keywords_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("keywords");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<bool>("found");
    QTest::newRow("AB listed before A wins at A")
        << u""_s << u"ABC"_s << QStringList{u"AB"_s, u"A"_s} << u"K:AB|P:C"_s << true;
    QTest::newRow("A listed before AB wins at A")
        << u""_s << u"ABC"_s << QStringList{u"A"_s, u"AB"_s} << u"K:A|P:BC"_s << true;
    QTest::newRow("keyword cut off by the text end does not match")
        << u""_s << u"XYZAB"_s << QStringList{u"ABC"_s} << u"P:XYZAB"_s << false;
    QTest::newRow("empty keyword never matches")
        << u""_s << u"ABC"_s << QStringList{u""_s} << u"P:ABC"_s << false;
    QTest::newRow("empty keyword does not hide a later one")
        << u""_s << u"ABC"_s << QStringList{u""_s, u"B"_s} << u"P:A|K:B|P:C"_s << true;
    QTest::newRow("comparison is case-sensitive")
        << u""_s << u"abc"_s << QStringList{u"AB"_s} << u"P:abc"_s << false;
    QTest::newRow("walk continues after the keyword")
        << u""_s << u"AAA"_s << QStringList{u"AA"_s} << u"K:AA|P:A"_s << true;
    QTest::newRow("touching occurrences stay separate runs")
        << u""_s << u"ABAB"_s << QStringList{u"AB"_s} << u"K:AB|K:AB"_s << true;
    QTest::newRow("label comes first and is never searched")
        << u"A"_s << u"xA"_s << QStringList{u"A"_s} << u"L:A|P:x|K:A"_s << true;
    QTest::newRow("keyword only in the label is not found")
        << u"遅れ"_s << u"平常"_s << QStringList{u"遅れ"_s} << u"L:遅れ|P:平常"_s << false;
    QTest::newRow("Japanese keyword inside text")
        << u""_s << u"東京で遅れあり"_s << QStringList{u"遅れ"_s} << u"P:東京で|K:遅れ|P:あり"_s << true;
    QTest::newRow("nothing to show") << u""_s << u""_s << QStringList{u"A"_s} << u""_s << false;
}

void TestMessageSegments::keywords() {
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(QStringList, keywords);
    QFETCH(QString, layout);
    QFETCH(bool, found);
    const KeywordColouring colouring = colourKeywords(label, text, keywords);
    QCOMPARE(::layout(colouring), layout);
    QCOMPARE(colouring.keywordFound, found);
}

void TestMessageSegments::itemPrefixes_data() {
    QTest::addColumn<bool>("showFilter");
    QTest::addColumn<bool>("showTitle");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("rule");
    QTest::addColumn<QString>("layout");
    QTest::newRow("rule name in front of a rule's item")
        << true << false << 1 << 2 << u"P:運行:列車に|K:遅れ"_s;
    QTest::newRow("no rule name for a whole-page text") << true << false << 1 << -1 << u"P:列車に|K:遅れ"_s;
    QTest::newRow("no rule name for the default message") << true << false << 0 << 0 << u"P:列車に|K:遅れ"_s;
    QTest::newRow("no rule name with ShowFilter off") << false << false << 1 << 2 << u"P:列車に|K:遅れ"_s;
    QTest::newRow("page label with ShowTitle") << false << true << 1 << 1 << u"L:天気|P:列車に|K:遅れ"_s;
    QTest::newRow("label and rule name together") << true << true << 1 << 1 << u"L:天気|P:R1列車に|K:遅れ"_s;
    QTest::newRow("empty label adds nothing") << false << true << 2 << 1 << u"P:列車に|K:遅れ"_s;
    QTest::newRow("default message has no label") << false << true << 0 << 0 << u"P:列車に|K:遅れ"_s;
    QTest::newRow("no label with ShowTitle off") << false << false << 1 << 1 << u"P:列車に|K:遅れ"_s;
}

void TestMessageSegments::itemPrefixes() {
    QFETCH(bool, showFilter);
    QFETCH(bool, showTitle);
    QFETCH(int, page);
    QFETCH(int, rule);
    QFETCH(QString, layout);
    AppSettings settings;
    settings.ShowFilter = showFilter;
    settings.ShowTitle = showTitle;
    const KeywordColouring colouring = colourItem({u"列車に遅れ"_s, page, rule}, tables(), settings);
    QCOMPARE(::layout(colouring), layout);
    QVERIFY(colouring.keywordFound);
}

void TestMessageSegments::newItemMarkerFirst() {
    AppSettings settings;
    settings.ShowTitle = true;
    InfoItem item{u"列車に遅れ"_s, 1, 0};
    item.isNew = true;
    QCOMPARE(layout(colourItem(item, tables(), settings)), u"N:● |L:天気|P:列車に|K:遅れ"_s);
}

void TestMessageSegments::colours_data() {
    QTest::addColumn<LedLayer>("layer");
    QTest::addColumn<RunRole>("role");
    QTest::addColumn<bool>("mono");
    QTest::addColumn<quint32>("rgb");
    QTest::newRow("label lit orange") << LedLayer::Text << RunRole::Label << false << 0xffa010u;
    QTest::newRow("keyword lit red") << LedLayer::Text << RunRole::Keyword << false << 0xff0101u;
    QTest::newRow("text lit yellow-green") << LedLayer::Text << RunRole::Plain << false << 0xd2ff10u;
    QTest::newRow("label afterglow") << LedLayer::Afterglow << RunRole::Label << false << 0xb46e10u;
    QTest::newRow("keyword afterglow") << LedLayer::Afterglow << RunRole::Keyword << false << 0xa00101u;
    QTest::newRow("text afterglow") << LedLayer::Afterglow << RunRole::Plain << false << 0x80a010u;
    QTest::newRow("mono keyword lit orange") << LedLayer::Text << RunRole::Keyword << true << 0xffa010u;
    QTest::newRow("mono text lit orange") << LedLayer::Text << RunRole::Plain << true << 0xffa010u;
    QTest::newRow("mono keyword afterglow") << LedLayer::Afterglow << RunRole::Keyword << true << 0xb46e10u;
    QTest::newRow("mono text afterglow") << LedLayer::Afterglow << RunRole::Plain << true << 0xb46e10u;
    QTest::newRow("mask glyphs black") << LedLayer::Mask << RunRole::Keyword << false << 0x000000u;
    QTest::newRow("mono mask glyphs black") << LedLayer::Mask << RunRole::Label << true << 0x000000u;
}

void TestMessageSegments::colours() {
    QFETCH(LedLayer, layer);
    QFETCH(RunRole, role);
    QFETCH(bool, mono);
    QFETCH(quint32, rgb);
    QCOMPARE(runColour(layer, role, mono).rgb(), rgb);
}

void TestMessageSegments::layerBackgrounds() {
    QCOMPARE(layerBackground(LedLayer::Text).rgb(), 0x000000u);
    QCOMPARE(layerBackground(LedLayer::Afterglow).rgb(), 0x201627u);
    QCOMPARE(layerBackground(LedLayer::Mask).rgb(), 0xffffffu);
}

QTEST_GUILESS_MAIN(TestMessageSegments)
#include "tst_messagesegments.moc"
