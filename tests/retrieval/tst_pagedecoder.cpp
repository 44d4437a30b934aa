#include "retrieval/EncodingDetector.h"
#include "retrieval/PageDecoder.h"
#include "support/IcuEncoding.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int None = -1;

int Code(std::optional<PageEncoding> encoding) {
    return encoding ? int(*encoding) : None;
}

int Code(PageEncoding encoding) {
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
    QTest::newRow("Shift_JIS") << QByteArray("Shift_JIS") << Code(PageEncoding::ShiftJis);
    QTest::newRow("sjis") << QByteArray("sjis") << Code(PageEncoding::ShiftJis);
    QTest::newRow("x-sjis") << QByteArray("x-sjis") << Code(PageEncoding::ShiftJis);
    QTest::newRow("windows-31j") << QByteArray("Windows-31J") << Code(PageEncoding::ShiftJis);
    QTest::newRow("cp932") << QByteArray("CP932") << Code(PageEncoding::ShiftJis);
    QTest::newRow("EUC-JP") << QByteArray("EUC-JP") << Code(PageEncoding::EucJp);
    QTest::newRow("x-euc-jp") << QByteArray("x-euc-jp") << Code(PageEncoding::EucJp);
    QTest::newRow("ISO-2022-JP") << QByteArray("iso-2022-jp") << Code(PageEncoding::Iso2022Jp);
    QTest::newRow("UTF-8") << QByteArray("UTF-8") << Code(PageEncoding::Utf8);
    QTest::newRow("utf8") << QByteArray("utf8") << Code(PageEncoding::Utf8);
    QTest::newRow("UTF-16LE") << QByteArray("utf-16le") << Code(PageEncoding::Utf16LE);
    QTest::newRow("UTF-16") << QByteArray("UTF-16") << Code(PageEncoding::Utf16);
    QTest::newRow("quoted with spaces") << QByteArray(" \"Shift_JIS\" ") << Code(PageEncoding::ShiftJis);
    QTest::newRow("ISO-8859-1 means windows-1252")
        << QByteArray("ISO-8859-1") << Code(PageEncoding::Windows1252);
    QTest::newRow("US-ASCII means windows-1252") << QByteArray("us-ascii") << Code(PageEncoding::Windows1252);
    QTest::newRow("GB2312 means GBK") << QByteArray("GB2312") << Code(PageEncoding::Gbk);
    QTest::newRow("ISO-8859-9 means windows-1254") << QByteArray("latin5") << Code(PageEncoding::Windows1254);
    QTest::newRow("ks_c_5601-1987") << QByteArray("ks_c_5601-1987") << Code(PageEncoding::EucKr);
    QTest::newRow("KOI8-R") << QByteArray("koi8-r") << Code(PageEncoding::Koi8R);
    QTest::newRow("Big5-HKSCS") << QByteArray("big5-hkscs") << Code(PageEncoding::Big5);
    QTest::newRow("ISO-2022-KR") << QByteArray("csISO2022KR") << Code(PageEncoding::Iso2022Kr);
    QTest::newRow("unknown label") << QByteArray("x-unknown") << None;
    QTest::newRow("empty") << QByteArray() << None;
}

void TestPageDecoder::encodingFromLabel() {
    QFETCH(QByteArray, label);
    QFETCH(int, encoding);
    QCOMPARE(Code(EncodingFromLabel(label)), encoding);
}

void TestPageDecoder::encodingFromContentType_data() {
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<int>("encoding");
    QTest::newRow("charset parameter")
        << QByteArray("text/html; charset=Shift_JIS") << Code(PageEncoding::ShiftJis);
    QTest::newRow("no space, quoted")
        << QByteArray("text/html;charset=\"EUC-JP\"") << Code(PageEncoding::EucJp);
    QTest::newRow("capitals") << QByteArray("TEXT/HTML; CHARSET=UTF-8") << Code(PageEncoding::Utf8);
    QTest::newRow("spaces around =") << QByteArray("text/html; charset = utf-8") << Code(PageEncoding::Utf8);
    QTest::newRow("after another parameter")
        << QByteArray("text/html; q=1; charset=iso-2022-jp") << Code(PageEncoding::Iso2022Jp);
    QTest::newRow("no charset") << QByteArray("text/html") << None;
    QTest::newRow("empty header") << QByteArray() << None;
    QTest::newRow("unknown charset") << QByteArray("text/html; charset=x-klingon") << None;
}

void TestPageDecoder::encodingFromContentType() {
    QFETCH(QByteArray, contentType);
    QFETCH(int, encoding);
    QCOMPARE(Code(EncodingFromContentType(contentType)), encoding);
}

void TestPageDecoder::encodingFromMeta_data() {
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<int>("encoding");
    QTest::newRow("meta charset") << QByteArray("<html><head><meta charset=\"euc-jp\">")
                                  << Code(PageEncoding::EucJp);
    QTest::newRow("meta charset unquoted, self-closing")
        << QByteArray("<META CHARSET=Shift_JIS/>") << Code(PageEncoding::ShiftJis);
    QTest::newRow("http-equiv")
        << QByteArray("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=x-sjis\">")
        << Code(PageEncoding::ShiftJis);
    QTest::newRow("http-equiv with single quotes")
        << QByteArray("<meta http-equiv='content-type' content='text/html;charset=EUC-JP'>")
        << Code(PageEncoding::EucJp);
    QTest::newRow("unknown meta, then known")
        << QByteArray("<meta charset=\"x-foo\"><meta charset=\"utf-8\">") << Code(PageEncoding::Utf8);
    QTest::newRow("meta without charset") << QByteArray("<meta name=\"charset\" content=\"x\">") << None;
    QTest::newRow("UTF-16 in an ASCII meta means UTF-8")
        << QByteArray("<meta charset=\"utf-16\">") << Code(PageEncoding::Utf8);
    QTest::newRow("charset outside a meta") << QByteArray("<p>charset=euc-jp</p>") << None;
    QTest::newRow("meta beyond the scanned head")
        << QByteArray(MetaScanBytes, ' ') + "<meta charset=\"euc-jp\">" << None;
}

void TestPageDecoder::encodingFromMeta() {
    QFETCH(QByteArray, page);
    QFETCH(int, encoding);
    QCOMPARE(Code(EncodingFromMeta(page)), encoding);
}

void TestPageDecoder::encodingFromXmlDeclaration_data() {
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<int>("encoding");
    QTest::newRow("double quotes") << QByteArray("<?xml version=\"1.0\" encoding=\"EUC-JP\"?><rss/>")
                                   << Code(PageEncoding::EucJp);
    QTest::newRow("single quotes, spaces around =, after a line break")
        << QByteArray("\r\n<?xml version='1.0' encoding = 'Shift_JIS' ?>") << Code(PageEncoding::ShiftJis);
    QTest::newRow("UTF-16 in an ASCII declaration means UTF-8")
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-16\"?>") << Code(PageEncoding::Utf8);
    QTest::newRow("encoding after the declaration")
        << QByteArray("<?xml version=\"1.0\"?><p encoding=\"EUC-JP\"/>") << None;
    QTest::newRow("declaration not at the start")
        << QByteArray("<html><?xml version=\"1.0\" encoding=\"EUC-JP\"?>") << None;
}

void TestPageDecoder::encodingFromXmlDeclaration() {
    QFETCH(QByteArray, page);
    QFETCH(int, encoding);
    QCOMPARE(Code(EncodingFromXmlDeclaration(page)), encoding);
}

void TestPageDecoder::detectEncoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("encoding");
    QTest::newRow("Shift_JIS") << EncodeWithIcu(Sample, "windows-31j") << Code(PageEncoding::ShiftJis);
    QTest::newRow("EUC-JP") << EncodeWithIcu(Sample, "EUC-JP") << Code(PageEncoding::EucJp);
    QTest::newRow("ISO-2022-JP") << EncodeWithIcu(JisSample, "ISO-2022-JP") << Code(PageEncoding::Iso2022Jp);
    QTest::newRow("UTF-8") << Sample.toUtf8() << Code(PageEncoding::Utf8);
    QTest::newRow("plain ASCII") << QByteArray("<p>hello</p>") << Code(PageEncoding::Utf8);
    QTest::newRow("Shift_JIS half-width katakana only")
        << EncodeWithIcu(u"ﾀﾞｲﾔ ｿｳｺｳﾁｭｳ"_s, "windows-31j") << Code(PageEncoding::ShiftJis);
    QTest::newRow("EUC-JP with half-width katakana")
        << EncodeWithIcu(u"ﾀﾞｲﾔが乱れています"_s, "EUC-JP") << Code(PageEncoding::EucJp);
    QTest::newRow("EUC-JP with a broken byte")
        << EncodeWithIcu(u"本日は晴天なり、ただいまマイクのテスト中です。"_s, "EUC-JP") + "\x80"
        << Code(PageEncoding::EucJp);
    QTest::newRow("EUC-JP after a long ASCII head")
        << QByteArray(400 * 1024, 'x') + EncodeWithIcu(u"ただいま遅れが出ています"_s, "EUC-JP")
        << Code(PageEncoding::EucJp);
    QTest::newRow("UTF-8 overlong form is not UTF-8")
        << QByteArray("\xC0\xAF") + EncodeWithIcu(u"ひらがな"_s, "windows-31j")
        << Code(PageEncoding::ShiftJis);
    QTest::newRow("UTF-8 cut mid-character is not UTF-8")
        << QByteArray("\xE3\x81") << Code(PageEncoding::ShiftJis);
    QTest::newRow("short kanji-only Shift_JIS stays Japanese")
        << EncodeWithIcu(u"<td>山手線</td><td>遅延</td>"_s, "windows-31j") << Code(PageEncoding::ShiftJis);
    QTest::newRow("short kanji-only EUC-JP stays Japanese")
        << EncodeWithIcu(u"<td>運行情報</td>"_s, "EUC-JP") << Code(PageEncoding::EucJp);
    QTest::newRow("windows-1252") << EncodeWithIcu(French, "windows-1252") << Code(PageEncoding::Windows1252);
    QTest::newRow("short windows-1252 that is no Japanese")
        << EncodeWithIcu(u"<p>café crème</p>"_s, "windows-1252") << Code(PageEncoding::Windows1252);
    QTest::newRow("GB18030") << EncodeWithIcu(Chinese, "GB18030") << Code(PageEncoding::Gb18030);
    QTest::newRow("Big5") << EncodeWithIcu(TraditionalChinese, "Big5") << Code(PageEncoding::Big5);
    QTest::newRow("EUC-KR") << EncodeWithIcu(Korean, "EUC-KR") << Code(PageEncoding::EucKr);
    QTest::newRow("windows-1251") << EncodeWithIcu(Russian, "windows-1251")
                                  << Code(PageEncoding::Windows1251);
    QTest::newRow("KOI8-R read as KOI8-U") << EncodeWithIcu(Russian, "KOI8-R") << Code(PageEncoding::Koi8U);
}

void TestPageDecoder::detectEncoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, encoding);
    QCOMPARE(Code(DetectEncoding(bytes)), encoding);
}

void TestPageDecoder::choosePageEncoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<int>("source");
    const int header = int(EncodingSource::Header);
    const int meta = int(EncodingSource::Meta);
    const int detected = int(EncodingSource::Detected);
    const QByteArray eucMeta = "<meta charset=\"EUC-JP\">" + EncodeWithIcu(Sample, "windows-31j");
    QTest::newRow("header wins over meta")
        << eucMeta << QByteArray("text/html; charset=Shift_JIS") << Code(PageEncoding::ShiftJis) << header;
    QTest::newRow("meta wins over detection")
        << eucMeta << QByteArray("text/html") << Code(PageEncoding::EucJp) << meta;
    QTest::newRow("unknown header falls back to meta")
        << eucMeta << QByteArray("text/html; charset=bogus") << Code(PageEncoding::EucJp) << meta;
    const QByteArray eucDeclaration =
        "<?xml version=\"1.0\" encoding=\"EUC-JP\"?>" + EncodeWithIcu(Sample, "windows-31j");
    QTest::newRow("XML declaration wins over detection")
        << eucDeclaration << QByteArray("application/rss+xml") << Code(PageEncoding::EucJp)
        << int(EncodingSource::XmlDeclaration);
    QTest::newRow("meta wins over XML declaration")
        << "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>" + eucMeta << QByteArray()
        << Code(PageEncoding::EucJp) << meta;
    QTest::newRow("BOM wins over header")
        << QByteArray("\xEF\xBB\xBF") + Sample.toUtf8() << QByteArray("text/html; charset=euc-jp")
        << Code(PageEncoding::Utf8) << int(EncodingSource::ByteOrderMark);
    QTest::newRow("BOM without declaration")
        << Utf16WithBom(Sample, true) << QByteArray() << Code(PageEncoding::Utf16LE)
        << int(EncodingSource::ByteOrderMark);
    QTest::newRow("ISO-8859-1 header gives way to plain EUC-JP")
        << EncodeWithIcu(Sample, "EUC-JP") << QByteArray("text/html; charset=ISO-8859-1")
        << Code(PageEncoding::EucJp) << detected;
    QTest::newRow("ISO-8859-1 header gives way to plain ISO-2022-JP")
        << EncodeWithIcu(JisSample, "ISO-2022-JP") << QByteArray("text/html; charset=ISO-8859-1")
        << Code(PageEncoding::Iso2022Jp) << detected;
    QTest::newRow("US-ASCII header gives way to UTF-8")
        << Sample.toUtf8() << QByteArray("text/html; charset=us-ascii") << Code(PageEncoding::Utf8)
        << detected;
    QTest::newRow("windows-1252 header gives way to a meta")
        << eucMeta << QByteArray("text/html; charset=windows-1252") << Code(PageEncoding::EucJp) << meta;
    QTest::newRow("ISO-8859-1 header kept for Latin text")
        << EncodeWithIcu(French, "windows-1252") << QByteArray("text/html; charset=iso-8859-1")
        << Code(PageEncoding::Windows1252) << header;
    QTest::newRow("ISO-8859-1 header kept for text that only parses as Shift_JIS")
        << EncodeWithIcu(u"<p>Grüße aus München</p>"_s, "windows-1252")
        << QByteArray("text/html; charset=latin1") << Code(PageEncoding::Windows1252) << header;
    QTest::newRow("UTF-8 header gives way to the meta of a page that is no UTF-8")
        << eucMeta << QByteArray("text/html; charset=utf-8") << Code(PageEncoding::EucJp) << meta;
    QTest::newRow("UTF-8 header gives way to plain Shift_JIS")
        << EncodeWithIcu(Sample, "windows-31j") << QByteArray("text/html; charset=UTF-8")
        << Code(PageEncoding::ShiftJis) << detected;
    QTest::newRow("UTF-8 header kept for UTF-8 bytes against a meta")
        << "<meta charset=\"EUC-JP\">" + Sample.toUtf8() << QByteArray("text/html; charset=utf-8")
        << Code(PageEncoding::Utf8) << header;
    QTest::newRow("windows-1252 header kept against a meta of UTF-8 the bytes are not")
        << "<meta charset=\"utf-8\">" + EncodeWithIcu(French, "windows-1252")
        << QByteArray("text/html; charset=windows-1252") << Code(PageEncoding::Windows1252) << header;
    QTest::newRow("Shift_JIS meta left in a page converted to UTF-8")
        << "<meta charset=\"Shift_JIS\">" + Sample.toUtf8() << QByteArray() << Code(PageEncoding::Utf8)
        << detected;
    QTest::newRow("GBK header") << EncodeWithIcu(Chinese, "GB18030") << QByteArray("text/html; charset=gbk")
                                << Code(PageEncoding::Gbk) << header;
    QTest::newRow("detection ignores what follows a NUL")
        << EncodeWithIcu(u"ひらがなとカタカナ"_s, "EUC-JP") + '\0' + EncodeWithIcu(Sample, "windows-31j")
        << QByteArray() << Code(PageEncoding::EucJp) << detected;
}

void TestPageDecoder::choosePageEncoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, contentType);
    QFETCH(int, encoding);
    QFETCH(int, source);
    const EncodingChoice choice = ChoosePageEncoding(bytes, contentType);
    QCOMPARE(Code(choice.encoding), encoding);
    QCOMPARE(int(choice.source), source);
}

void TestPageDecoder::decodesEveryEncoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QString>("text");
    const QByteArray none;
    QTest::newRow("Shift_JIS detected") << EncodeWithIcu(Sample, "windows-31j") << none << Sample;
    QTest::newRow("Shift_JIS by header")
        << EncodeWithIcu(Sample, "windows-31j") << QByteArray("text/html; charset=Shift_JIS") << Sample;
    QTest::newRow("Shift_JIS label decodes NEC and IBM extensions")
        << EncodeWithIcu(Cp932Extensions, "windows-31j") << QByteArray("text/html; charset=Shift_JIS")
        << Cp932Extensions;
    QTest::newRow("CP932 extensions detected")
        << EncodeWithIcu(Sample + Cp932Extensions, "windows-31j") << none << Sample + Cp932Extensions;
    QTest::newRow("EUC-JP detected") << EncodeWithIcu(Sample, "EUC-JP") << none << Sample;
    QTest::newRow("EUC-JP by header")
        << EncodeWithIcu(Sample, "EUC-JP") << QByteArray("text/html; charset=EUC-JP") << Sample;
    const QString eucPage = u"<meta charset=\"euc-jp\">"_s + Sample;
    QTest::newRow("EUC-JP by meta") << EncodeWithIcu(eucPage, "EUC-JP") << none << eucPage;
    QTest::newRow("ISO-2022-JP detected") << EncodeWithIcu(JisSample, "ISO-2022-JP") << none << JisSample;
    QTest::newRow("ISO-2022-JP by header") << EncodeWithIcu(JisSample, "ISO-2022-JP")
                                           << QByteArray("text/html; charset=ISO-2022-JP") << JisSample;
    QTest::newRow("ISO-2022-JP half-width katakana")
        << QByteArray("\x1B$B%F\x1B(I1\x1B(B") << none << u"テｱ"_s;
    QTest::newRow("UTF-8 detected") << Sample.toUtf8() << none << Sample;
    QTest::newRow("UTF-8 BOM dropped") << QByteArray("\xEF\xBB\xBF") + Sample.toUtf8() << none << Sample;
    QTest::newRow("UTF-8 BOM dropped with header")
        << QByteArray("\xEF\xBB\xBF") + Sample.toUtf8() << QByteArray("text/html; charset=utf-8") << Sample;
    QTest::newRow("UTF-16LE with BOM") << Utf16WithBom(Sample, true) << none << Sample;
    QTest::newRow("UTF-16BE with BOM") << Utf16WithBom(Sample, false) << none << Sample;
    QTest::newRow("UTF-16 header, little-endian BOM")
        << Utf16WithBom(Sample, true) << QByteArray("text/html; charset=UTF-16") << Sample;
    // The server's word is taken even against the bytes: EUC-JP "かな" read as Shift_JIS.
    QTest::newRow("UTF-16 cut mid-character") << Utf16WithBom(u"ab"_s, true) + 'c' << none << u"ab\uFFFD"_s;
    QTest::newRow("wrong header wins")
        << EncodeWithIcu(u"かな"_s, "EUC-JP") << QByteArray("text/html; charset=Shift_JIS") << u"､ｫ､ﾊ"_s;
    QTest::newRow("unknown header charset falls back")
        << EncodeWithIcu(Sample, "EUC-JP") << QByteArray("text/html; charset=x-unknown") << Sample;
    QTest::newRow("windows-1252 by header")
        << EncodeWithIcu(u"café crème “quoted” €5"_s, "windows-1252")
        << QByteArray("text/html; charset=iso-8859-1") << u"café crème “quoted” €5"_s;
    QTest::newRow("GBK by meta") << "<meta charset=\"gb2312\">" + EncodeWithIcu(u"中文新闻标题"_s, "GBK")
                                 << none << u"<meta charset=\"gb2312\">中文新闻标题"_s;
    QTest::newRow("GB18030 four-byte sequence by header")
        << EncodeWithIcu(u"𠀀€"_s, "GB18030") << QByteArray("text/html; charset=gb18030") << u"𠀀€"_s;
    QTest::newRow("Big5 by header") << EncodeWithIcu(TraditionalChinese, "Big5")
                                    << QByteArray("text/html; charset=big5") << TraditionalChinese;
    QTest::newRow("EUC-KR by header")
        << EncodeWithIcu(Korean, "windows-949") << QByteArray("text/html; charset=euc-kr") << Korean;
    QTest::newRow("KOI8-R by header")
        << EncodeWithIcu(Russian, "KOI8-R") << QByteArray("text/html; charset=koi8-r") << Russian;
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
    const std::optional<QString> decoded = DecodePageBytes(bytes, contentType);
    QVERIFY(decoded.has_value());
    QCOMPARE(*decoded, text);
}

void TestPageDecoder::nulEndsThePage_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("NUL first") << QByteArray("\0abc", 4) << QString();
    QTest::newRow("NUL in the middle") << QByteArray("ab\0cd", 5) << u"ab"_s;
    QTest::newRow("NUL in a Shift_JIS page")
        << EncodeWithIcu(u"運転"_s, "windows-31j") + '\0' + EncodeWithIcu(u"見合わせ"_s, "windows-31j")
        << u"運転"_s;
    QTest::newRow("UTF-16 page keeps its zero bytes") << Utf16WithBom(u"ab"_s, true) << u"ab"_s;
    QTest::newRow("U+0000 ends a UTF-16 page")
        << Utf16WithBom(u"ab"_s + QChar(0) + u"cd"_s, false) << u"ab"_s;
}

void TestPageDecoder::nulEndsThePage() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(DecodePageBytes(bytes).value_or(u"(undecodable)"_s), text);
}

QTEST_GUILESS_MAIN(TestPageDecoder)
#include "tst_pagedecoder.moc"
