#include "retrieval/DataTable.h"
#include "retrieval/TableCodec.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

using Records = QList<QStringList>;

namespace {

DataTable tableOf(int fieldCount, const Records& records) {
    DataTable table(fieldCount);
    table.clear();
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (i > 0)
            table.appendRecord();
        for (int field = 1; field <= fieldCount; ++field)
            table.setValue(field, int(i) + 1, records.at(i).value(field - 1));
    }
    return table;
}

// Values made of the pieces that trouble a CSV reader.
QString randomValue(QRandomGenerator& random) {
    static const QStringList pieces = {
        u"a"_s,  u"Z9"_s, u"\""_s, u"\"\""_s,     u","_s,  u"\r\n"_s,           u" "_s,
        u"\r"_s, u"\n"_s, u"あ"_s, u"運行情報"_s, u"ｱｲ"_s, u"http://x/?a=1&b"_s};
    QString value;
    const int count = random.bounded(0, 6);
    for (int i = 0; i < count; ++i)
        value += pieces.at(random.bounded(qsizetype(0), pieces.size()));
    return value;
}

} // namespace

class TestTableCodec : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void parseReplacesEarlierRecords();
    void parseHonoursOtherDelimiters();
    void format_data();
    void format();
    void formatRecordsFitsTheFieldCount_data();
    void formatRecordsFitsTheFieldCount();
    void formatThenParseGivesSameRecords_data();
    void formatThenParseGivesSameRecords();
};

void TestTableCodec::parse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("fieldCount");
    QTest::addColumn<Records>("records");

    QTest::newRow("doubled quote inside quoted field")
        << u"\"a\"\"b\",c"_s << 2 << Records{{u"a\"b"_s, u"c"_s}};
    QTest::newRow("quoted field spanning lines keeps CR LF")
        << u"\"one\r\ntwo\",x\r\n\"n\",y\r\n"_s << 2 << Records{{u"one\r\ntwo"_s, u"x"_s}, {u"n"_s, u"y"_s}};
    QTest::newRow("quoted field spanning three lines")
        << u"\"a\r\n\r\nb\",c\r\n"_s << 2 << Records{{u"a\r\n\r\nb"_s, u"c"_s}};
    QTest::newRow("seven fields keep the first six")
        << u"1,u,n,l,us,pw,extra\r\n"_s << 6 << Records{{u"1"_s, u"u"_s, u"n"_s, u"l"_s, u"us"_s, u"pw"_s}};
    QTest::newRow("three fields leave the rest empty")
        << u"\"1\",\"http://a/\",\"A\"\r\n"_s << 6 << Records{{u"1"_s, u"http://a/"_s, u"A"_s, {}, {}, {}}};
    QTest::newRow("empty text gives one empty record") << QString() << 3 << Records{{{}, {}, {}}};
    QTest::newRow("line end alone gives one empty record") << u"\r\n"_s << 2 << Records{{{}, {}}};
    QTest::newRow("empty line adds an empty record")
        << u"a,b\r\n\r\nc,d\r\n"_s << 2 << Records{{u"a"_s, u"b"_s}, {{}, {}}, {u"c"_s, u"d"_s}};
    QTest::newRow("trailing line end adds no record") << u"a\r\nb\r\n"_s << 1 << Records{{u"a"_s}, {u"b"_s}};
    QTest::newRow("last line without line end") << u"a\r\nb"_s << 1 << Records{{u"a"_s}, {u"b"_s}};
    QTest::newRow("lone quote dropped") << u"\"a\"b\",c"_s << 2 << Records{{u"ab"_s, u"c"_s}};
    QTest::newRow("character after closing quote at second-last place dropped")
        << u"\"ab\"x\r\nz\r\n"_s << 2 << Records{{u"ab"_s, {}}, {u"z"_s, {}}};
    QTest::newRow("comma after closing quote at second-last place dropped")
        << u"\"ab\",\r\n"_s << 2 << Records{{u"ab"_s, {}}};
    QTest::newRow("unquoted field keeps its quotes") << u"a\"b\",c"_s << 2 << Records{{u"a\"b\""_s, u"c"_s}};
    QTest::newRow("spaces kept") << u" a , \"b\" "_s << 2 << Records{{u" a "_s, u" \"b\" "_s}};
    QTest::newRow("empty fields between separators") << u",,x"_s << 3 << Records{{{}, {}, u"x"_s}};
    QTest::newRow("quoted empty field") << u"\"\",\"b\""_s << 2 << Records{{{}, u"b"_s}};
    QTest::newRow("quoted quote alone") << u"\"\"\"\",x"_s << 2 << Records{{u"\""_s, u"x"_s}};
    QTest::newRow("quote right before a line end inside a quoted field")
        << u"\"a\"\"\r\n\"\"\r\nb\",c\r\n"_s << 2 << Records{{u"a\"\r\n\"\r\nb"_s, u"c"_s}};
    QTest::newRow("last continuation line without comma taken whole")
        << u"\"a\r\nb\"\"c\""_s << 2 << Records{{u"a\r\nb\"\"c\""_s, {}}};
    QTest::newRow("last continuation line with comma parsed")
        << u"\"a\r\nb\",c"_s << 2 << Records{{u"a\r\nb"_s, u"c"_s}};
    QTest::newRow("unclosed quote at the end of the text")
        << u"x\r\n\"abc"_s << 1 << Records{{u"x"_s}, {u"abc"_s}};
    QTest::newRow("unclosed quote before the final line end")
        << u"\"abc\r\n"_s << 1 << Records{{u"abc\r\n"_s}};
    QTest::newRow("japanese text") << u"\"1\",\"https://例.jp/\",\"運行情報\"\r\n"_s << 3
                                   << Records{{u"1"_s, u"https://例.jp/"_s, u"運行情報"_s}};
    QTest::newRow("lone CR and LF are no line ends")
        << u"a\rb\nc,d"_s << 2 << Records{{u"a\rb\nc"_s, u"d"_s}};
}

void TestTableCodec::parse() {
    QFETCH(QString, text);
    QFETCH(int, fieldCount);
    QFETCH(Records, records);
    DataTable table(fieldCount);
    QCOMPARE(parseTable(text, table), int(records.size()));
    QCOMPARE(table.records(), records);
    // The record lists the data files see are the same, except that an empty text has none.
    QCOMPARE(parseRecords(text, fieldCount), text.isEmpty() ? Records() : records);
}

void TestTableCodec::parseReplacesEarlierRecords() {
    DataTable table = tableOf(2, {{u"old"_s, u"1"_s}, {u"old"_s, u"2"_s}, {u"old"_s, u"3"_s}});
    QCOMPARE(parseTable(u"new,x\r\n"_s, table), 1);
    QCOMPARE(table.records(), (Records{{u"new"_s, u"x"_s}}));
    QCOMPARE(parseTable(QString(), table), 1);
    QCOMPARE(table.records(), (Records{{{}, {}}}));
}

void TestTableCodec::parseHonoursOtherDelimiters() {
    DataTable table(2);
    QCOMPARE(parseTable(u"'a;''b';c\n'x\ny';z\n"_s, table, u";"_s, u"\n"_s, u'\''), 2);
    QCOMPARE(table.records(), (Records{{u"a;'b"_s, u"c"_s}, {u"x\ny"_s, u"z"_s}}));
}

void TestTableCodec::format_data() {
    QTest::addColumn<int>("fieldCount");
    QTest::addColumn<Records>("records");
    QTest::addColumn<QString>("text");
    QTest::newRow("every field quoted, every record ended")
        << 3 << Records{{u"1"_s, u"a"_s, u"b"_s}, {u"0"_s, u"c"_s, u"d"_s}}
        << u"\"1\",\"a\",\"b\"\r\n\"0\",\"c\",\"d\"\r\n"_s;
    QTest::newRow("quotes doubled") << 2 << Records{{u"a\"b"_s, u"\""_s}} << u"\"a\"\"b\",\"\"\"\"\r\n"_s;
    QTest::newRow("empty fields as two quotes") << 3 << Records{{{}, {}, {}}} << u"\"\",\"\",\"\"\r\n"_s;
    QTest::newRow("line ends and commas kept")
        << 2 << Records{{u"a\r\nb"_s, u"c,d"_s}} << u"\"a\r\nb\",\"c,d\"\r\n"_s;
}

void TestTableCodec::format() {
    QFETCH(int, fieldCount);
    QFETCH(Records, records);
    QFETCH(QString, text);
    QCOMPARE(formatTable(tableOf(fieldCount, records)), text);
    QCOMPARE(formatRecords(records, fieldCount), text);
}

void TestTableCodec::formatRecordsFitsTheFieldCount_data() {
    QTest::addColumn<Records>("records");
    QTest::addColumn<QString>("text");
    QTest::newRow("no record, empty text") << Records{} << QString();
    QTest::newRow("missing values written empty")
        << Records{{u"a"_s}, {}} << u"\"a\",\"\"\r\n\"\",\"\"\r\n"_s;
    QTest::newRow("values beyond the field count dropped")
        << Records{{u"a"_s, u"b"_s, u"c"_s}} << u"\"a\",\"b\"\r\n"_s;
}

void TestTableCodec::formatRecordsFitsTheFieldCount() {
    QFETCH(Records, records);
    QFETCH(QString, text);
    QCOMPARE(formatRecords(records, 2), text);
}

void TestTableCodec::formatThenParseGivesSameRecords_data() {
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 40; ++seed)
        QTest::addRow("random table %u", seed) << seed;
}

void TestTableCodec::formatThenParseGivesSameRecords() {
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    const int fieldCount = random.bounded(1, 8);
    const int recordCount = random.bounded(1, 15);
    Records records;
    for (int record = 0; record < recordCount; ++record) {
        QStringList fields;
        for (int field = 0; field < fieldCount; ++field)
            fields.append(randomValue(random));
        records.append(fields);
    }
    const QString text = formatTable(tableOf(fieldCount, records));
    DataTable parsed(fieldCount);
    QCOMPARE(parseTable(text, parsed), recordCount);
    QCOMPARE(parsed.records(), records);
    QCOMPARE(parseRecords(formatRecords(records, fieldCount), fieldCount), records);
}

QTEST_GUILESS_MAIN(TestTableCodec)
#include "tst_tablecodec.moc"
