#include "retrieval/EncodingDetector.h"
#include "retrieval/PageDecoder.h"
#include "support/IcuEncoding.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int None = -1;

int code(std::optional<PageEncoding> encoding) {
    return encoding ? int(*encoding) : None;
}

int code(PageEncoding encoding) {
    return int(encoding);
}

// Kanji, hiragana, katakana, half-width katakana, full-width letters and ASCII markup.
const QString Sample = u"<p>山手線は平常どおり運転しています。ﾀﾞｲﾔ確認中 ＪＲ東日本 (12:34)</p>"_s;
// ISO-2022-JP as ICU writes it holds no half-width katakana.
const QString JisSample = u"<p>山手線は平常どおり運転しています。ダイヤ確認中 ＪＲ東日本 (12:34)</p>"_s;
// Row 13 of CP932 (NEC special characters) and an IBM extension kanji.
const QString Cp932Extensions = u"①②Ⅲ㈱㍻№髙﨑"_s;
// News in other scripts, long enough for the detector to be sure.
const QString French =
    u"<p>Le gouvernement a annoncé mercredi une série de mesures pour les ménages. « C'est une "
    u"réponse forte et immédiate », a-t-il déclaré à l'Élysée. Les syndicats réclament "
    u"davantage de moyens pour les travailleurs précaires, déçus par la hausse.</p>"_s;
const QString Chinese =
    u"<p>国务院周三批准了一系列措施，帮助家庭应对能源价格上涨。据部长介绍，补贴将于下个月发放。</p>"_s;
const QString TraditionalChinese =
    u"<p>行政院週三通過一系列措施，協助家庭因應能源價格上漲。部長表示，補助將於下個月"
    u"發放給近一千二百萬戶家庭。工會認為這些措施仍不足夠。</p>"_s;
const QString Korean =
    u"<p>정부는 수요일 에너지 가격 상승에 대응해 가계를 지원하기 위한 일련의 대책을 승인했다.</p>"_s;
const QString Russian =
    u"<p>Правительство в среду утвердило пакет мер, который должен помочь семьям справиться с "
    u"ростом цен на энергоносители. Выплаты начнутся уже в следующем месяце.</p>"_s;

} // namespace

class TestPageDecoder : public QObject {
    Q_OBJECT
private slots:
    void encodingFromLabel_data();
    void encodingFromLabel();
    void encodingFromContentType_data();
    void encodingFromContentType();
    void encodingFromMeta_data();
    void encodingFromMeta();
    void encodingFromXmlDeclaration_data();
    void encodingFromXmlDeclaration();
    void detectEncoding_data();
    void detectEncoding();
    void choosePageEncoding_data();
    void choosePageEncoding();
    void decodesEveryEncoding_data();
    void decodesEveryEncoding();
    void nulEndsThePage_data();
    void nulEndsThePage();
};

void TestPageDecoder::encodingFromLabel_data() {
    QTest::addColumn<QByteArray>("label");
    QTest::addColumn<int>("encoding");
    QTest::newRow("Shift_JIS") << QByteArray("Shift_JIS") << code(PageEncoding::ShiftJis);
    QTest::newRow("sjis") << QByteArray("sjis") << code(PageEncoding::ShiftJis);
    QTest::newRow("x-sjis") << QByteArray("x-sjis") << code(PageEncoding::ShiftJis);
    QTest::newRow("windows-31j") << QByteArray("Windows-31J") << code(PageEncoding::ShiftJis);
    QTest::newRow("cp932") << QByteArray("CP932") << code(PageEncoding::ShiftJis);
    QTest::newRow("EUC-JP") << QByteArray("EUC-JP") << code(PageEncoding::EucJp);
    QTest::newRow("x-euc-jp") << QByteArray("x-euc-jp") << code(PageEncoding::EucJp);
    QTest::newRow("ISO-2022-JP") << QByteArray("iso-2022-jp") << code(PageEncoding::Iso2022Jp);
    QTest::newRow("UTF-8") << QByteArray("UTF-8") << code(PageEncoding::Utf8);
    QTest::newRow("utf8") << QByteArray("utf8") << code(PageEncoding::Utf8);
    QTest::newRow("UTF-16LE") << QByteArray("utf-16le") << code(PageEncoding::Utf16LE);
    QTest::newRow("UTF-16") << QByteArray("UTF-16") << code(PageEncoding::Utf16);
    QTest::newRow("quoted with spaces") << QByteArray(" \"Shift_JIS\" ") << code(PageEncoding::ShiftJis);
    QTest::newRow("ISO-8859-1 means windows-1252")
        << QByteArray("ISO-8859-1") << code(PageEncoding::Windows1252);
    QTest::newRow("US-ASCII means windows-1252") << QByteArray("us-ascii") << code(PageEncoding::Windows1252);
    QTest::newRow("GB2312 means GBK") << QByteArray("GB2312") << code(PageEncoding::Gbk);
    QTest::newRow("ISO-8859-9 means windows-1254") << QByteArray("latin5") << code(PageEncoding::Windows1254);
    QTest::newRow("ks_c_5601-1987") << QByteArray("ks_c_5601-1987") << code(PageEncoding::EucKr);
    QTest::newRow("KOI8-R") << QByteArray("koi8-r") << code(PageEncoding::Koi8R);
    QTest::newRow("Big5-HKSCS") << QByteArray("big5-hkscs") << code(PageEncoding::Big5);
    QTest::newRow("ISO-2022-KR") << QByteArray("csISO2022KR") << code(PageEncoding::Iso2022Kr);
    QTest::newRow("unknown label") << QByteArray("x-unknown") << None;
    QTest::newRow("empty") << QByteArray() << None;
}

void TestPageDecoder::encodingFromLabel() {
    QFETCH(QByteArray, label);
    QFETCH(int, encoding);
    QCOMPARE(code(::encodingFromLabel(label)), encoding);
}

void TestPageDecoder::encodingFromContentType_data() {
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<int>("encoding");
    QTest::newRow("charset parameter")
        << QByteArray("text/html; charset=Shift_JIS") << code(PageEncoding::ShiftJis);
    QTest::newRow("no space, quoted")
        << QByteArray("text/html;charset=\"EUC-JP\"") << code(PageEncoding::EucJp);
    QTest::newRow("capitals") << QByteArray("TEXT/HTML; CHARSET=UTF-8") << code(PageEncoding::Utf8);
    QTest::newRow("spaces around =") << QByteArray("text/html; charset = utf-8") << code(PageEncoding::Utf8);
    QTest::newRow("after another parameter")
        << QByteArray("text/html; q=1; charset=iso-2022-jp") << code(PageEncoding::Iso2022Jp);
    QTest::newRow("no charset") << QByteArray("text/html") << None;
    QTest::newRow("empty header") << QByteArray() << None;
    QTest::newRow("unknown charset") << QByteArray("text/html; charset=x-klingon") << None;
}

void TestPageDecoder::encodingFromContentType() {
    QFETCH(QByteArray, contentType);
    QFETCH(int, encoding);
    QCOMPARE(code(::encodingFromContentType(contentType)), encoding);
}

void TestPageDecoder::encodingFromMeta_data() {
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<int>("encoding");
    QTest::newRow("meta charset") << QByteArray("<html><head><meta charset=\"euc-jp\">")
                                  << code(PageEncoding::EucJp);
    QTest::newRow("meta charset unquoted, self-closing")
        << QByteArray("<META CHARSET=Shift_JIS/>") << code(PageEncoding::ShiftJis);
    QTest::newRow("http-equiv")
        << QByteArray("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=x-sjis\">")
        << code(PageEncoding::ShiftJis);
    QTest::newRow("http-equiv with single quotes")
        << QByteArray("<meta http-equiv='content-type' content='text/html;charset=EUC-JP'>")
        << code(PageEncoding::EucJp);
    QTest::newRow("unknown meta, then known")
        << QByteArray("<meta charset=\"x-foo\"><meta charset=\"utf-8\">") << code(PageEncoding::Utf8);
    QTest::newRow("meta without charset") << QByteArray("<meta name=\"charset\" content=\"x\">") << None;
    QTest::newRow("UTF-16 in an ASCII meta means UTF-8")
        << QByteArray("<meta charset=\"utf-16\">") << code(PageEncoding::Utf8);
    QTest::newRow("charset outside a meta") << QByteArray("<p>charset=euc-jp</p>") << None;
    QTest::newRow("meta beyond the scanned head")
        << QByteArray(MetaScanBytes, ' ') + "<meta charset=\"euc-jp\">" << None;
}

void TestPageDecoder::encodingFromMeta() {
    QFETCH(QByteArray, page);
    QFETCH(int, encoding);
    QCOMPARE(code(::encodingFromMeta(page)), encoding);
}

void TestPageDecoder::encodingFromXmlDeclaration_data() {
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<int>("encoding");
    QTest::newRow("double quotes") << QByteArray("<?xml version=\"1.0\" encoding=\"EUC-JP\"?><rss/>")
                                   << code(PageEncoding::EucJp);
    QTest::newRow("single quotes, spaces around =, after a line break")
        << QByteArray("\r\n<?xml version='1.0' encoding = 'Shift_JIS' ?>") << code(PageEncoding::ShiftJis);
    QTest::newRow("UTF-16 in an ASCII declaration means UTF-8")
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-16\"?>") << code(PageEncoding::Utf8);
    QTest::newRow("encoding after the declaration")
        << QByteArray("<?xml version=\"1.0\"?><p encoding=\"EUC-JP\"/>") << None;
    QTest::newRow("declaration not at the start")
        << QByteArray("<html><?xml version=\"1.0\" encoding=\"EUC-JP\"?>") << None;
}

void TestPageDecoder::encodingFromXmlDeclaration() {
    QFETCH(QByteArray, page);
    QFETCH(int, encoding);
    QCOMPARE(code(::encodingFromXmlDeclaration(page)), encoding);
}

void TestPageDecoder::detectEncoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("encoding");
    QTest::newRow("Shift_JIS") << encodeWithIcu(Sample, "windows-31j") << code(PageEncoding::ShiftJis);
    QTest::newRow("EUC-JP") << encodeWithIcu(Sample, "EUC-JP") << code(PageEncoding::EucJp);
    QTest::newRow("ISO-2022-JP") << encodeWithIcu(JisSample, "ISO-2022-JP") << code(PageEncoding::Iso2022Jp);
    QTest::newRow("UTF-8") << Sample.toUtf8() << code(PageEncoding::Utf8);
    QTest::newRow("plain ASCII") << QByteArray("<p>hello</p>") << code(PageEncoding::Utf8);
    QTest::newRow("Shift_JIS half-width katakana only")
        << encodeWithIcu(u"ﾀﾞｲﾔ ｿｳｺｳﾁｭｳ"_s, "windows-31j") << code(PageEncoding::ShiftJis);
    QTest::newRow("EUC-JP with half-width katakana")
        << encodeWithIcu(u"ﾀﾞｲﾔが乱れています"_s, "EUC-JP") << code(PageEncoding::EucJp);
    QTest::newRow("EUC-JP with a broken byte")
        << encodeWithIcu(u"本日は晴天なり、ただいまマイクのテスト中です。"_s, "EUC-JP") + "\x80"
        << code(PageEncoding::EucJp);
    QTest::newRow("EUC-JP after a long ASCII head")
        << QByteArray(400 * 1024, 'x') + encodeWithIcu(u"ただいま遅れが出ています"_s, "EUC-JP")
        << code(PageEncoding::EucJp);
    QTest::newRow("UTF-8 overlong form is not UTF-8")
        << QByteArray("\xC0\xAF") + encodeWithIcu(u"ひらがな"_s, "windows-31j")
        << code(PageEncoding::ShiftJis);
    QTest::newRow("UTF-8 cut mid-character is not UTF-8")
        << QByteArray("\xE3\x81") << code(PageEncoding::ShiftJis);
    QTest::newRow("short kanji-only Shift_JIS stays Japanese")
        << encodeWithIcu(u"<td>山手線</td><td>遅延</td>"_s, "windows-31j") << code(PageEncoding::ShiftJis);
    QTest::newRow("short kanji-only EUC-JP stays Japanese")
        << encodeWithIcu(u"<td>運行情報</td>"_s, "EUC-JP") << code(PageEncoding::EucJp);
    QTest::newRow("windows-1252") << encodeWithIcu(French, "windows-1252") << code(PageEncoding::Windows1252);
    QTest::newRow("short windows-1252 that is no Japanese")
        << encodeWithIcu(u"<p>café crème</p>"_s, "windows-1252") << code(PageEncoding::Windows1252);
    QTest::newRow("GB18030") << encodeWithIcu(Chinese, "GB18030") << code(PageEncoding::Gb18030);
    QTest::newRow("Big5") << encodeWithIcu(TraditionalChinese, "Big5") << code(PageEncoding::Big5);
    QTest::newRow("EUC-KR") << encodeWithIcu(Korean, "EUC-KR") << code(PageEncoding::EucKr);
    QTest::newRow("windows-1251") << encodeWithIcu(Russian, "windows-1251")
                                  << code(PageEncoding::Windows1251);
    QTest::newRow("KOI8-R read as KOI8-U") << encodeWithIcu(Russian, "KOI8-R") << code(PageEncoding::Koi8U);
}

void TestPageDecoder::detectEncoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, encoding);
    QCOMPARE(code(::detectEncoding(bytes)), encoding);
}

void TestPageDecoder::choosePageEncoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<int>("source");
    const int header = int(EncodingSource::Header);
    const int meta = int(EncodingSource::Meta);
    const int detected = int(EncodingSource::Detected);
    const QByteArray eucMeta = "<meta charset=\"EUC-JP\">" + encodeWithIcu(Sample, "windows-31j");
    QTest::newRow("header wins over meta")
        << eucMeta << QByteArray("text/html; charset=Shift_JIS") << code(PageEncoding::ShiftJis) << header;
    QTest::newRow("meta wins over detection")
        << eucMeta << QByteArray("text/html") << code(PageEncoding::EucJp) << meta;
    QTest::newRow("unknown header falls back to meta")
        << eucMeta << QByteArray("text/html; charset=bogus") << code(PageEncoding::EucJp) << meta;
    const QByteArray eucDeclaration =
        "<?xml version=\"1.0\" encoding=\"EUC-JP\"?>" + encodeWithIcu(Sample, "windows-31j");
    QTest::newRow("XML declaration wins over detection")
        << eucDeclaration << QByteArray("application/rss+xml") << code(PageEncoding::EucJp)
        << int(EncodingSource::XmlDeclaration);
    QTest::newRow("meta wins over XML declaration")
        << "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>" + eucMeta << QByteArray()
        << code(PageEncoding::EucJp) << meta;
    QTest::newRow("BOM wins over header")
        << QByteArray("\xEF\xBB\xBF") + Sample.toUtf8() << QByteArray("text/html; charset=euc-jp")
        << code(PageEncoding::Utf8) << int(EncodingSource::ByteOrderMark);
    QTest::newRow("BOM without declaration")
        << utf16WithBom(Sample, true) << QByteArray() << code(PageEncoding::Utf16LE)
        << int(EncodingSource::ByteOrderMark);
    QTest::newRow("ISO-8859-1 header gives way to plain EUC-JP")
        << encodeWithIcu(Sample, "EUC-JP") << QByteArray("text/html; charset=ISO-8859-1")
        << code(PageEncoding::EucJp) << detected;
    QTest::newRow("ISO-8859-1 header gives way to plain ISO-2022-JP")
        << encodeWithIcu(JisSample, "ISO-2022-JP") << QByteArray("text/html; charset=ISO-8859-1")
        << code(PageEncoding::Iso2022Jp) << detected;
    QTest::newRow("US-ASCII header gives way to UTF-8")
        << Sample.toUtf8() << QByteArray("text/html; charset=us-ascii") << code(PageEncoding::Utf8)
        << detected;
    QTest::newRow("windows-1252 header gives way to a meta")
        << eucMeta << QByteArray("text/html; charset=windows-1252") << code(PageEncoding::EucJp) << meta;
    QTest::newRow("ISO-8859-1 header kept for Latin text")
        << encodeWithIcu(French, "windows-1252") << QByteArray("text/html; charset=iso-8859-1")
        << code(PageEncoding::Windows1252) << header;
    QTest::newRow("ISO-8859-1 header kept for text that only parses as Shift_JIS")
        << encodeWithIcu(u"<p>Grüße aus München</p>"_s, "windows-1252")
        << QByteArray("text/html; charset=latin1") << code(PageEncoding::Windows1252) << header;
    QTest::newRow("UTF-8 header gives way to the meta of a page that is no UTF-8")
        << eucMeta << QByteArray("text/html; charset=utf-8") << code(PageEncoding::EucJp) << meta;
    QTest::newRow("UTF-8 header gives way to plain Shift_JIS")
        << encodeWithIcu(Sample, "windows-31j") << QByteArray("text/html; charset=UTF-8")
        << code(PageEncoding::ShiftJis) << detected;
    QTest::newRow("UTF-8 header kept for UTF-8 bytes against a meta")
        << "<meta charset=\"EUC-JP\">" + Sample.toUtf8() << QByteArray("text/html; charset=utf-8")
        << code(PageEncoding::Utf8) << header;
    QTest::newRow("windows-1252 header kept against a meta of UTF-8 the bytes are not")
        << "<meta charset=\"utf-8\">" + encodeWithIcu(French, "windows-1252")
        << QByteArray("text/html; charset=windows-1252") << code(PageEncoding::Windows1252) << header;
    QTest::newRow("Shift_JIS meta left in a page converted to UTF-8")
        << "<meta charset=\"Shift_JIS\">" + Sample.toUtf8() << QByteArray() << code(PageEncoding::Utf8)
        << detected;
    QTest::newRow("GBK header") << encodeWithIcu(Chinese, "GB18030") << QByteArray("text/html; charset=gbk")
                                << code(PageEncoding::Gbk) << header;
    QTest::newRow("detection ignores what follows a NUL")
        << encodeWithIcu(u"ひらがなとカタカナ"_s, "EUC-JP") + '\0' + encodeWithIcu(Sample, "windows-31j")
        << QByteArray() << code(PageEncoding::EucJp) << detected;
}

void TestPageDecoder::choosePageEncoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, contentType);
    QFETCH(int, encoding);
    QFETCH(int, source);
    const EncodingChoice choice = ::choosePageEncoding(bytes, contentType);
    QCOMPARE(code(choice.encoding), encoding);
    QCOMPARE(int(choice.source), source);
}

void TestPageDecoder::decodesEveryEncoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QString>("text");
    const QByteArray none;
    QTest::newRow("Shift_JIS detected") << encodeWithIcu(Sample, "windows-31j") << none << Sample;
    QTest::newRow("Shift_JIS by header")
        << encodeWithIcu(Sample, "windows-31j") << QByteArray("text/html; charset=Shift_JIS") << Sample;
    QTest::newRow("Shift_JIS label decodes NEC and IBM extensions")
        << encodeWithIcu(Cp932Extensions, "windows-31j") << QByteArray("text/html; charset=Shift_JIS")
        << Cp932Extensions;
    QTest::newRow("CP932 extensions detected")
        << encodeWithIcu(Sample + Cp932Extensions, "windows-31j") << none << Sample + Cp932Extensions;
    QTest::newRow("EUC-JP detected") << encodeWithIcu(Sample, "EUC-JP") << none << Sample;
    QTest::newRow("EUC-JP by header")
        << encodeWithIcu(Sample, "EUC-JP") << QByteArray("text/html; charset=EUC-JP") << Sample;
    const QString eucPage = u"<meta charset=\"euc-jp\">"_s + Sample;
    QTest::newRow("EUC-JP by meta") << encodeWithIcu(eucPage, "EUC-JP") << none << eucPage;
    QTest::newRow("ISO-2022-JP detected") << encodeWithIcu(JisSample, "ISO-2022-JP") << none << JisSample;
    QTest::newRow("ISO-2022-JP by header") << encodeWithIcu(JisSample, "ISO-2022-JP")
                                           << QByteArray("text/html; charset=ISO-2022-JP") << JisSample;
    QTest::newRow("ISO-2022-JP half-width katakana")
        << QByteArray("\x1B$B%F\x1B(I1\x1B(B") << none << u"テｱ"_s;
    QTest::newRow("UTF-8 detected") << Sample.toUtf8() << none << Sample;
    QTest::newRow("UTF-8 BOM dropped") << QByteArray("\xEF\xBB\xBF") + Sample.toUtf8() << none << Sample;
    QTest::newRow("UTF-8 BOM dropped with header")
        << QByteArray("\xEF\xBB\xBF") + Sample.toUtf8() << QByteArray("text/html; charset=utf-8") << Sample;
    QTest::newRow("UTF-16LE with BOM") << utf16WithBom(Sample, true) << none << Sample;
    QTest::newRow("UTF-16BE with BOM") << utf16WithBom(Sample, false) << none << Sample;
    QTest::newRow("UTF-16 header, little-endian BOM")
        << utf16WithBom(Sample, true) << QByteArray("text/html; charset=UTF-16") << Sample;
    // The server's word is taken even against the bytes: EUC-JP "かな" read as Shift_JIS.
    QTest::newRow("UTF-16 cut mid-character") << utf16WithBom(u"ab"_s, true) + 'c' << none << u"ab\uFFFD"_s;
    QTest::newRow("wrong header wins")
        << encodeWithIcu(u"かな"_s, "EUC-JP") << QByteArray("text/html; charset=Shift_JIS") << u"､ｫ､ﾊ"_s;
    QTest::newRow("unknown header charset falls back")
        << encodeWithIcu(Sample, "EUC-JP") << QByteArray("text/html; charset=x-unknown") << Sample;
    QTest::newRow("windows-1252 by header")
        << encodeWithIcu(u"café crème “quoted” €5"_s, "windows-1252")
        << QByteArray("text/html; charset=iso-8859-1") << u"café crème “quoted” €5"_s;
    QTest::newRow("GBK by meta") << "<meta charset=\"gb2312\">" + encodeWithIcu(u"中文新闻标题"_s, "GBK")
                                 << none << u"<meta charset=\"gb2312\">中文新闻标题"_s;
    QTest::newRow("GB18030 four-byte sequence by header")
        << encodeWithIcu(u"𠀀€"_s, "GB18030") << QByteArray("text/html; charset=gb18030") << u"𠀀€"_s;
    QTest::newRow("Big5 by header") << encodeWithIcu(TraditionalChinese, "Big5")
                                    << QByteArray("text/html; charset=big5") << TraditionalChinese;
    QTest::newRow("EUC-KR by header")
        << encodeWithIcu(Korean, "windows-949") << QByteArray("text/html; charset=euc-kr") << Korean;
    QTest::newRow("KOI8-R by header")
        << encodeWithIcu(Russian, "KOI8-R") << QByteArray("text/html; charset=koi8-r") << Russian;
    QTest::newRow("ISO-8859-16 by header")
        << QByteArray("\xAA\xBA\xDE\xFE") << QByteArray("text/html; charset=iso-8859-16") << u"ȘșȚț"_s;
    QTest::newRow("x-user-defined by header")
        << QByteArray("a\x80\xFF") << QByteArray("text/html; charset=x-user-defined") << u"a\uF780\uF7FF"_s;
    QTest::newRow("empty page") << QByteArray() << none << QString();
}

void TestPageDecoder::decodesEveryEncoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, contentType);
    QFETCH(QString, text);
    const std::optional<QString> decoded = decodePageBytes(bytes, contentType);
    QVERIFY(decoded.has_value());
    QCOMPARE(*decoded, text);
}

void TestPageDecoder::nulEndsThePage_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("NUL first") << QByteArray("\0abc", 4) << QString();
    QTest::newRow("NUL in the middle") << QByteArray("ab\0cd", 5) << u"ab"_s;
    QTest::newRow("NUL in a Shift_JIS page")
        << encodeWithIcu(u"運転"_s, "windows-31j") + '\0' + encodeWithIcu(u"見合わせ"_s, "windows-31j")
        << u"運転"_s;
    QTest::newRow("UTF-16 page keeps its zero bytes") << utf16WithBom(u"ab"_s, true) << u"ab"_s;
    QTest::newRow("U+0000 ends a UTF-16 page")
        << utf16WithBom(u"ab"_s + QChar(0) + u"cd"_s, false) << u"ab"_s;
}

void TestPageDecoder::nulEndsThePage() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decodePageBytes(bytes).value_or(u"(undecodable)"_s), text);
}

QTEST_GUILESS_MAIN(TestPageDecoder)
#include "tst_pagedecoder.moc"
