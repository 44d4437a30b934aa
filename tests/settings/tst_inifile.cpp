#include "base/AnsiText.h"
#include "settings/IniFile.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestIniFile : public QObject {
    Q_OBJECT
private slots:
    void readsValue_data();
    void readsValue();
    void writesValue_data();
    void writesValue();
    void writtenValueReadsBack_data();
    void writtenValueReadsBack();
    void cp932FileLoads();
    void saveWritesUtf8WithCrLf();
    void missingFileIsEmpty();
    void unreadableFileIsNotLoaded();
    void saveIntoMissingFolderFails();
};

void TestIniFile::readsValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("value");
    const QString longValue(300, u'x');
    QTest::newRow("key without case") << u"[S]\r\nFontName=A\r\n"_s << u"fontname"_s << true << u"A"_s;
    QTest::newRow("section without case") << u"[s]\r\nk=v\r\n"_s << u"k"_s << true << u"v"_s;
    QTest::newRow("spaces around section name") << u"  [ S ] \r\nk=v\r\n"_s << u"k"_s << true << u"v"_s;
    QTest::newRow("spaces around key and value")
        << u"[S]\r\n  k \t=  v w \t\r\n"_s << u"k"_s << true << u"v w"_s;
    QTest::newRow("double quotes removed") << u"[S]\r\nk = \"  v  \"\r\n"_s << u"k"_s << true << u"  v  "_s;
    QTest::newRow("single quotes removed") << u"[S]\r\nk='v'\r\n"_s << u"k"_s << true << u"v"_s;
    QTest::newRow("mismatched quotes kept") << u"[S]\r\nk=\"v'\r\n"_s << u"k"_s << true << u"\"v'"_s;
    QTest::newRow("lone quote kept") << u"[S]\r\nk=\"\r\n"_s << u"k"_s << true << u"\""_s;
    QTest::newRow("comment line skipped") << u"[S]\r\n;k=x\r\nk=y\r\n"_s << u"k"_s << true << u"y"_s;
    QTest::newRow("commented key is missing") << u"[S]\r\n ; k=x\r\n"_s << u"k"_s << false << QString();
    QTest::newRow("LF-only line ends") << u"[S]\nk=v\nm=w\n"_s << u"m"_s << true << u"w"_s;
    QTest::newRow("last line without line end") << u"[S]\r\nk=v"_s << u"k"_s << true << u"v"_s;
    QTest::newRow("key of another section") << u"[T]\r\nk=v\r\n[S]\r\n"_s << u"k"_s << false << QString();
    QTest::newRow("section ends at the next") << u"[S]\r\n[T]\r\nk=v\r\n"_s << u"k"_s << false << QString();
    QTest::newRow("first duplicate wins") << u"[S]\r\nk=1\r\nK=2\r\n"_s << u"k"_s << true << u"1"_s;
    QTest::newRow("equals inside value") << u"[S]\r\nk=a=b\r\n"_s << u"k"_s << true << u"a=b"_s;
    QTest::newRow("ideographic space kept") << u"[S]\r\nk=　全角　\r\n"_s << u"k"_s << true << u"　全角　"_s;
    QTest::newRow("empty value") << u"[S]\r\nk=\r\n"_s << u"k"_s << true << QString();
    QTest::newRow("line without equals") << u"[S]\r\nk\r\n"_s << u"k"_s << false << QString();
    QTest::newRow("long value read whole") << u"[S]\r\nk="_s + longValue << u"k"_s << true << longValue;
}

void TestIniFile::readsValue() {
    QFETCH(QString, text);
    QFETCH(QString, key);
    QFETCH(bool, found);
    QFETCH(QString, value);
    const std::optional<QString> read = IniFile::fromText(text).value(u"S", key);
    QCOMPARE(read.has_value(), found);
    QCOMPARE(read.value_or(QString()), value);
}

void TestIniFile::writesValue_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("after");
    QTest::newRow("into an empty file") << QString() << u"k"_s << u"v"_s << u"[S]\r\nk=v\r\n"_s;
    QTest::newRow("replaced in place")
        << u"[S]\r\na=1\r\nk=old\r\nb=2\r\n"_s << u"k"_s << u"v"_s << u"[S]\r\na=1\r\nk=v\r\nb=2\r\n"_s;
    QTest::newRow("replaced whatever the case")
        << u"[s]\r\n KEY = old \r\n"_s << u"Key"_s << u"v"_s << u"[s]\r\nKey=v\r\n"_s;
    QTest::newRow("added at the end of its section")
        << u"[S]\r\na=1\r\n\r\n[T]\r\nx=1\r\n"_s << u"k"_s << u"v"_s
        << u"[S]\r\na=1\r\nk=v\r\n\r\n[T]\r\nx=1\r\n"_s;
    QTest::newRow("section added at the end")
        << u"[T]\r\nx=1\r\n"_s << u"k"_s << u"v"_s << u"[T]\r\nx=1\r\n\r\n[S]\r\nk=v\r\n"_s;
    QTest::newRow("comments and unknown lines kept")
        << u"; top\r\n[S]\r\n; note\r\njunk line\r\nk=old\r\n"_s << u"k"_s << u"v"_s
        << u"; top\r\n[S]\r\n; note\r\njunk line\r\nk=v\r\n"_s;
    QTest::newRow("commented key left alone")
        << u"[S]\r\n;k=old\r\n"_s << u"k"_s << u"v"_s << u"[S]\r\n;k=old\r\nk=v\r\n"_s;
    QTest::newRow("LF-only file gets CR LF")
        << u"[S]\na=1\n"_s << u"k"_s << u"v"_s << u"[S]\r\na=1\r\nk=v\r\n"_s;
    QTest::newRow("same key of another section untouched")
        << u"[T]\r\nk=x\r\n[S]\r\nk=old\r\n"_s << u"k"_s << u"v"_s << u"[T]\r\nk=x\r\n[S]\r\nk=v\r\n"_s;
    QTest::newRow("surrounding spaces quoted")
        << QString() << u"k"_s << u" v "_s << u"[S]\r\nk=\" v \"\r\n"_s;
    QTest::newRow("quoted text quoted again") << QString() << u"k"_s << u"'v'"_s << u"[S]\r\nk=\"'v'\"\r\n"_s;
    QTest::newRow("line breaks become spaces")
        << QString() << u"k"_s << u"a\r\nb\nc"_s << u"[S]\r\nk=a b c\r\n"_s;
}

void TestIniFile::writesValue() {
    QFETCH(QString, before);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, after);
    IniFile ini = IniFile::fromText(before);
    ini.setValue(u"S", key, value);
    QCOMPARE(ini.toText(), after);
}

void TestIniFile::writtenValueReadsBack_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("inner spaces") << u"IPA Gothic Bold"_s;
    QTest::newRow("leading and trailing spaces") << u"  padded  "_s;
    QTest::newRow("equals and semicolon") << u";a=b;"_s;
    QTest::newRow("quotes at both ends") << u"\"quoted\""_s;
    QTest::newRow("Japanese") << u"ＭＳ ゴシック"_s;
    QTest::newRow("brackets") << u"[S]"_s;
    QTest::newRow("empty") << QString();
}

void TestIniFile::writtenValueReadsBack() {
    QFETCH(QString, value);
    IniFile ini = IniFile::fromText(u"[S]\r\nk=old\r\n"_s);
    ini.setValue(u"S", u"k", value);
    QCOMPARE(IniFile::fromText(ini.toText()).value(u"S", u"k"), std::optional(value));
}

void TestIniFile::cp932FileLoads() {
    const std::optional<IniFile> ini =
        IniFile::load(QStringLiteral(SORVANTA_TEST_DATA "/settings/cp932-crlf.ini"));
    QVERIFY(ini);
    QCOMPARE(ini->value(u"Sorvanta 1.00", u"FontName"), std::optional(u"ＭＳ 明朝"_s));
    QCOMPARE(ini->value(u"Sorvanta 1.00", u"TopMost"), std::optional(u"no"_s));
}

void TestIniFile::saveWritesUtf8WithCrLf() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.ini"_s);
    writeFileBytes(path, encodeCp932(u"[S]\r\nold=ゴシック\r\n"_s));
    std::optional<IniFile> ini = IniFile::load(path);
    QVERIFY(ini);
    ini->setValue(u"S", u"k", u"明朝"_s);
    QVERIFY(ini->save(path));
    QCOMPARE(readFileBytes(path), u"[S]\r\nold=ゴシック\r\nk=明朝\r\n"_s.toUtf8());
}

void TestIniFile::missingFileIsEmpty() {
    QTemporaryDir dir;
    const std::optional<IniFile> ini = IniFile::load(dir.filePath(u"none.ini"_s));
    QVERIFY(ini);
    QCOMPARE(ini->toText(), QString());
}

void TestIniFile::unreadableFileIsNotLoaded() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.ini"_s);
    QVERIFY(QDir().mkdir(path));
    QVERIFY(!IniFile::load(path));
}

void TestIniFile::saveIntoMissingFolderFails() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"missing/a.ini"_s);
    QVERIFY(!IniFile::fromText(u"[S]\r\nk=v\r\n"_s).save(path));
    QVERIFY(!QFileInfo::exists(path));
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
