#include "retrieval/RecordCodec.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Pages = QList<PageRecord>;
using Rules = QList<RuleRecord>;

class TestRecordCodec : public QObject {
    Q_OBJECT
private slots:
    void flagReadOnce_data();
    void flagReadOnce();
    void pagesRead_data();
    void pagesRead();
    void exclusionWordsRead_data();
    void exclusionWordsRead();
    void writtenBackAsRead_data();
    void writtenBackAsRead();
    void keywordsWrittenBack_data();
    void keywordsWrittenBack();
};

void TestRecordCodec::flagReadOnce_data() {
    QTest::addColumn<QString>("flag");
    QTest::addColumn<bool>("on");
    QTest::newRow("1") << u"1"_s << true;
    QTest::newRow("0") << u"0"_s << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("other non-zero numbers") << u"-1"_s << true;
    QTest::newRow("zero written as a fraction") << u"0.0"_s << false;
    QTest::newRow("the word True in any case, spaces around") << u" tRUE "_s << true;
    QTest::newRow("other words") << u"yes"_s << false;
}

void TestRecordCodec::flagReadOnce() {
    QFETCH(QString, flag);
    QFETCH(bool, on);
    const QString line = u"\""_s + flag + u"\",\"x\"\r\n"_s;
    QCOMPARE(parsePages(line).value(0).Enabled, on);
    QCOMPARE(parseRules(line).value(0).Enabled, on);
}

void TestRecordCodec::pagesRead_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<Pages>("pages");
    QTest::newRow("fields in file order")
        << u"\"1\",\"http://a/\",\"運行\",\"JR\",\"user\",\"OW{c\"\r\n"_s
        << Pages{{true, u"http://a/"_s, u"運行"_s, u"JR"_s, u"user"_s, u"OW{c"_s}};
    QTest::newRow("short line leaves the rest empty")
        << u"1,http://a/,A\r\n"_s << Pages{{true, u"http://a/"_s, u"A"_s, {}, {}, {}}};
    QTest::newRow("seventh field dropped")
        << u"0,u,n,l,us,pw,extra\r\n"_s << Pages{{false, u"u"_s, u"n"_s, u"l"_s, u"us"_s, u"pw"_s}};
    QTest::newRow("blank line is a page record of its own")
        << u"1,http://a/\r\n\r\n1,http://c/\r\n"_s
        << Pages{
               {true, u"http://a/"_s, {}, {}, {}, {}}, PageRecord(), {true, u"http://c/"_s, {}, {}, {}, {}}};
    QTest::newRow("empty text has no page") << QString() << Pages{};
}

void TestRecordCodec::pagesRead() {
    QFETCH(QString, text);
    QFETCH(Pages, pages);
    QCOMPARE(parsePages(text), pages);
}

void TestRecordCodec::exclusionWordsRead_data() {
    QTest::addColumn<QString>("exclusions");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("none") << QString() << QStringList();
    QTest::newRow("separated by single spaces")
        << u"運休 見合わせ"_s << QStringList{u"運休"_s, u"見合わせ"_s};
    QTest::newRow("two spaces hold an empty word") << u"a  b"_s << QStringList{u"a"_s, {}, u"b"_s};
    QTest::newRow("trailing space, empty last word") << u"z "_s << QStringList{u"z"_s, {}};
}

void TestRecordCodec::exclusionWordsRead() {
    QFETCH(QString, exclusions);
    QFETCH(QStringList, words);
    const Rules rules = parseRules(u"\"1\",\"R\",\"<b>\",\"</b>\",\""_s + exclusions + u"\"\r\n"_s);
    QCOMPARE(rules, (Rules{{true, u"R"_s, u"<b>"_s, u"</b>"_s, words}}));
}

void TestRecordCodec::writtenBackAsRead_data() {
    QTest::addColumn<bool>("isPageFile");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("written");
    const QString pages = u"\"1\",\"http://a/\",\"A \"\"B\"\"\",\"L\",\"u\",\"pw\"\r\n"
                          u"\"0\",\"https://b/\",\"B\",\"\",\"\",\"\"\r\n"_s;
    QTest::newRow("page file as the program writes it") << true << pages << pages;
    const QString withBlank = u"\"1\",\"http://a/\",\"A\",\"\",\"\",\"\"\r\n"
                              u"\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                              u"\"0\",\"http://c/\",\"C\",\"\",\"\",\"\"\r\n"_s;
    QTest::newRow("blank page record stays a line of empty fields") << true << withBlank << withBlank;
    const QString rules = u"\"1\",\"R\",\"<td\r\nclass=x>\",\"\",\"a  b \"\r\n"
                          u"\"0\",\"\",\"<b>\",\"</b>\",\"\"\r\n"_s;
    QTest::newRow("rule file with line ends and empty words") << false << rules << rules;
    QTest::newRow("blank rule record")
        << false << u"\"\",\"\",\"\",\"\",\"\"\r\n"_s << u"\"\",\"\",\"\",\"\",\"\"\r\n"_s;
    QTest::newRow("empty file") << true << QString() << QString();
    QTest::newRow("hand-written file comes back quoted, flags as 1 and 0")
        << true << u"True,http://a/,A\r\n2,http://b/\r\n"_s
        << u"\"1\",\"http://a/\",\"A\",\"\",\"\",\"\"\r\n\"1\",\"http://b/\",\"\",\"\",\"\",\"\"\r\n"_s;
    QTest::newRow("an off flag alone is a blank record")
        << true << u"0\r\n"_s << u"\"\",\"\",\"\",\"\",\"\",\"\"\r\n"_s;
}

void TestRecordCodec::writtenBackAsRead() {
    QFETCH(bool, isPageFile);
    QFETCH(QString, text);
    QFETCH(QString, written);
    QCOMPARE(isPageFile ? formatPages(parsePages(text)) : formatRules(parseRules(text)), written);
}

void TestRecordCodec::keywordsWrittenBack_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("keywords");
    QTest::newRow("no keyword, empty file") << QString() << QStringList();
    QTest::newRow("joined by CR LF, none after the last")
        << u"遅延\r\n運休"_s << QStringList{u"遅延"_s, u"運休"_s};
    QTest::newRow("empty last keyword, trailing CR LF") << u"a\r\n"_s << QStringList{u"a"_s, {}};
}

void TestRecordCodec::keywordsWrittenBack() {
    QFETCH(QString, text);
    QFETCH(QStringList, keywords);
    QCOMPARE(parseKeywords(text), keywords);
    QCOMPARE(formatKeywords(keywords), text);
}

QTEST_GUILESS_MAIN(TestRecordCodec)
#include "tst_recordcodec.moc"
