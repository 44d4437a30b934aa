#include "retrieval/PageText.h"
#include "support/IcuEncoding.h"
#include "support/ReferenceDecoding.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A page with line breaks, tabs, spaces, half-width katakana and references, and what it becomes.
const QString RawPage =
    u"<html>\r\n<body>\r\n\t<p>ﾀﾞｲﾔ  乱れ&amp;遅延</p>\r\n\t<b>運転 再開</b>&nbsp;&nbsp;見込み</body>"_s;
const QString NormalisedPage = u"<html><body><p>ダイヤ乱れ&遅延</p><b>運転 再開</b>  見込み</body>"_s;
// ISO-2022-JP as ICU writes it holds no half-width katakana.
const QString RawJisPage = u"<p>ダイヤ\r\n  乱れ&lt;遅延&gt;</p>"_s;
const QString NormalisedJisPage = u"<p>ダイヤ乱れ<遅延></p>"_s;

} // namespace

class TestPageText : public QObject {
    Q_OBJECT
private slots:
    void normalisesEveryEncoding_data();
    void normalisesEveryEncoding();
    void widensHalfWidthKatakana_data();
    void widensHalfWidthKatakana();
    void removesLineBreaksAndSpacePairs_data();
    void removesLineBreaksAndSpacePairs();
    void decodesReferences_data();
    void decodesReferences();
    void referencesDecodeAsIfOneAfterTheOther();
    void emptyOrCutPages_data();
    void emptyOrCutPages();
    void stripsPageText_data();
    void stripsPageText();
};

void TestPageText::normalisesEveryEncoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QString>("text");
    const QByteArray none;
    const QString meta = u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=%1\">"_s;
    struct Case {
        const char* name;
        const char* icu;
        const char* label;
    };
    for (const Case& c : {Case{"Shift_JIS", "windows-31j", "Shift_JIS"}, Case{"EUC-JP", "EUC-JP", "EUC-JP"},
                          Case{"UTF-8", "UTF-8", "UTF-8"}}) {
        const QByteArray bytes = encodeWithIcu(RawPage, c.icu);
        const QByteArray header = "text/html; charset=" + QByteArray(c.label);
        const QString withMeta = meta.arg(QLatin1StringView(c.label));
        QTest::addRow("%s detected", c.name) << bytes << none << NormalisedPage;
        QTest::addRow("%s by header", c.name) << bytes << header << NormalisedPage;
        QTest::addRow("%s by meta", c.name)
            << encodeWithIcu(withMeta + RawPage, c.icu) << none << withMeta + NormalisedPage;
    }
    const QByteArray jis = encodeWithIcu(RawJisPage, "ISO-2022-JP");
    QTest::newRow("ISO-2022-JP detected") << jis << none << NormalisedJisPage;
    QTest::newRow("ISO-2022-JP by header")
        << jis << QByteArray("text/html; charset=iso-2022-jp") << NormalisedJisPage;
    QTest::newRow("UTF-16LE with BOM") << utf16WithBom(RawPage, true) << none << NormalisedPage;
    QTest::newRow("UTF-16BE with BOM") << utf16WithBom(RawPage, false) << none << NormalisedPage;
    QTest::newRow("unknown header charset falls back to detection")
        << encodeWithIcu(RawPage, "EUC-JP") << QByteArray("text/html; charset=x-unknown") << NormalisedPage;
    // The header is believed even when the bytes say otherwise: EUC-JP "かな" read as Shift_JIS.
    QTest::newRow("wrong header wins")
        << encodeWithIcu(u"かな"_s, "EUC-JP") << QByteArray("text/html; charset=Shift_JIS") << u"、ォ、ハ"_s;
}

void TestPageText::normalisesEveryEncoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, contentType);
    QFETCH(QString, text);
    QCOMPARE(normalisePageText(bytes, contentType), text);
}

void TestPageText::widensHalfWidthKatakana_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain letters") << u"ｱｲｳｴｵﾝｦ"_s << u"アイウエオンヲ"_s;
    QTest::newRow("small letters and long vowel") << u"ｧｨｩｪｫｬｭｮｯｰ"_s << u"ァィゥェォャュョッー"_s;
    QTest::newRow("punctuation") << u"｡｢｣､･"_s << u"。「」、・"_s;
    QTest::newRow("voiced mark joins") << u"ﾊﾞｽ"_s << u"バス"_s;
    QTest::newRow("voiced ka to to") << u"ｶﾞｷﾞｸﾞｹﾞｺﾞｻﾞｼﾞｽﾞｾﾞｿﾞﾀﾞﾁﾞﾂﾞﾃﾞﾄﾞ"_s
                                     << u"ガギグゲゴザジズゼゾダヂヅデド"_s;
    QTest::newRow("voiced u") << u"ｳﾞ"_s << u"ヴ"_s;
    QTest::newRow("semi-voiced ha to ho") << u"ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ"_s << u"パピプペポ"_s;
    QTest::newRow("voiced ha to ho") << u"ﾊﾞﾋﾞﾌﾞﾍﾞﾎﾞ"_s << u"バビブベボ"_s;
    QTest::newRow("mark after a letter without voiced form") << u"ｱﾞﾅﾟ"_s << u"ア゛ナ゜"_s;
    QTest::newRow("semi-voiced mark after ka") << u"ｶﾟ"_s << u"カ゜"_s;
    QTest::newRow("voiced mark after wa stays apart") << u"ﾜﾞ"_s << u"ワ゛"_s;
    QTest::newRow("lone marks") << u"ﾞﾟ"_s << u"゛゜"_s;
    QTest::newRow("mark after full-width letter") << u"カﾞ"_s << u"カ゛"_s;
    QTest::newRow("two marks") << u"ﾊﾞﾞ"_s << u"バ゛"_s;
    QTest::newRow("line break between letter and mark") << u"ﾊ\r\nﾞ"_s << u"ハ゛"_s;
    QTest::newRow("mark at the end") << u"ﾊ"_s << u"ハ"_s;
    QTest::newRow("full-width and other text untouched")
        << u"ＡＢＣ漢字ひらがな"_s << u"ＡＢＣ漢字ひらがな"_s;
}

void TestPageText::widensHalfWidthKatakana() {
    QFETCH(QString, page);
    QFETCH(QString, text);
    QCOMPARE(normalisePageText(page.toUtf8()), text);
    QCOMPARE(normalisePageText(encodeWithIcu(page, "windows-31j")), text);
}

void TestPageText::removesLineBreaksAndSpacePairs_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("text");
    QTest::newRow("CR, LF and TAB deleted") << u"a\r\nb\tc\rd\ne"_s << u"abcde"_s;
    QTest::newRow("one space stays") << u"a b"_s << u"a b"_s;
    QTest::newRow("two spaces vanish") << u"a  b"_s << u"ab"_s;
    QTest::newRow("three spaces leave one") << u"a   b"_s << u"a b"_s;
    QTest::newRow("four spaces vanish") << u"a    b"_s << u"ab"_s;
    QTest::newRow("five spaces leave one") << u"a     b"_s << u"a b"_s;
    QTest::newRow("spaces joined by a deleted line break") << u"a \r\n b"_s << u"ab"_s;
    QTest::newRow("spaces joined by a tab, odd run") << u"a \t  b"_s << u"a b"_s;
    QTest::newRow("trailing space pair") << u"a  "_s << u"a"_s;
    QTest::newRow("trailing odd run") << u"a   "_s << u"a "_s;
    QTest::newRow("leading odd run") << u"   a"_s << u" a"_s;
    QTest::newRow("ideographic space is not a space") << u"a\u3000\u3000b"_s << u"a\u3000\u3000b"_s;
    QTest::newRow("only line breaks") << u"\r\n\r\n"_s << QString();
}

void TestPageText::removesLineBreaksAndSpacePairs() {
    QFETCH(QString, page);
    QFETCH(QString, text);
    QCOMPARE(normalisePageText(page.toUtf8()), text);
}

void TestPageText::decodesReferences_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("text");
    QTest::newRow("lt") << u"&lt;"_s << u"<"_s;
    QTest::newRow("gt") << u"&gt;"_s << u">"_s;
    QTest::newRow("amp") << u"&amp;"_s << u"&"_s;
    QTest::newRow("apos") << u"&apos;"_s << u"'"_s;
    QTest::newRow("quot") << u"&quot;"_s << u"\""_s;
    QTest::newRow("nbsp") << u"&nbsp;"_s << u" "_s;
    QTest::newRow("#60") << u"&#60;"_s << u"<"_s;
    QTest::newRow("#62") << u"&#62;"_s << u">"_s;
    QTest::newRow("#38") << u"&#38;"_s << u"&"_s;
    QTest::newRow("#39") << u"&#39;"_s << u"'"_s;
    QTest::newRow("#34") << u"&#34;"_s << u"\""_s;
    QTest::newRow("#160") << u"&#160;"_s << u" "_s;
    QTest::newRow("encoded lt stays encoded") << u"&amp;lt;"_s << u"&lt;"_s;
    QTest::newRow("double-encoded amp decodes once") << u"&amp;amp;"_s << u"&amp;"_s;
    QTest::newRow("encoded quot decodes fully") << u"&amp;quot;"_s << u"\""_s;
    QTest::newRow("encoded #60 decodes fully") << u"&amp;#60;"_s << u"<"_s;
    QTest::newRow("#38 then #39") << u"&#38;#39;"_s << u"'"_s;
    QTest::newRow("#38 then amp stays") << u"&#38;amp;"_s << u"&amp;"_s;
    QTest::newRow("amp, #38, #160") << u"&amp;#38;#160;"_s << u" "_s;
    QTest::newRow("capital reference left alone") << u"&LT;&Amp;"_s << u"&LT;&Amp;"_s;
    QTest::newRow("other references left alone") << u"&copy;&#169;&#x3C;"_s << u"&copy;&#169;&#x3C;"_s;
    QTest::newRow("no semicolon") << u"&lt &amp"_s << u"&lt &amp"_s;
    QTest::newRow("ampersands around a reference") << u"&&lt;&"_s << u"&<&"_s;
    QTest::newRow("nbsp pair survives") << u"a&nbsp;&nbsp;b"_s << u"a  b"_s;
    QTest::newRow("reference split by a line break") << u"&l\r\nt;"_s << u"<"_s;
    QTest::newRow("encoded tag becomes a tag") << u"&lt;b&gt;x&lt;/b&gt;"_s << u"<b>x</b>"_s;
}

void TestPageText::decodesReferences() {
    QFETCH(QString, page);
    QFETCH(QString, text);
    QCOMPARE(normalisePageText(page.toUtf8()), text);
}

void TestPageText::referencesDecodeAsIfOneAfterTheOther() {
    const QStringList pieces = {u"&"_s,     u"&amp;"_s, u"amp;"_s,  u"lt;"_s,   u"gt;"_s,
                                u"apos;"_s, u"quot;"_s, u"nbsp;"_s, u"#60;"_s,  u"#62;"_s,
                                u"#38;"_s,  u"#39;"_s,  u"#34;"_s,  u"#160;"_s, u"a"_s,
                                u";"_s,     u"#"_s,     u"&#38;"_s, u"&lt"_s,   u"x "_s};
    QRandomGenerator random(412);
    for (int round = 0; round < 2000; ++round) {
        QString page;
        const int count = 1 + int(random.bounded(8));
        for (int i = 0; i < count; ++i)
            page += pieces.at(int(random.bounded(pieces.size())));
        QCOMPARE(normalisePageText(page.toUtf8()), decodeReferencesOneByOne(page));
    }
}

void TestPageText::emptyOrCutPages_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("no bytes") << QByteArray() << QString();
    QTest::newRow("NUL at the start") << QByteArray("\0<p>text</p>", 12) << QString();
    QTest::newRow("NUL in the middle cuts") << QByteArray("<p>te\0xt</p>", 12) << u"<p>te"_s;
    QTest::newRow("NUL in an EUC-JP page")
        << encodeWithIcu(u"ﾀﾞｲﾔ乱れ"_s, "EUC-JP") + '\0' + encodeWithIcu(u"です"_s, "EUC-JP")
        << u"ダイヤ乱れ"_s;
}

void TestPageText::emptyOrCutPages() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(normalisePageText(bytes), text);
}

void TestPageText::stripsPageText_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("text");
    QTest::newRow("title, style, comment and script dropped")
        << u"<html><head><title>T</title><style>p { x }</style></head><body><p>Hi</p><!-- c -->"
           u"<script>s</script>there</body></html>"_s
        << u"Hithere"_s;
    QTest::newRow("no closing bracket") << u"just some text"_s << QString();
    QTest::newRow("text before the first tag end dropped") << u"lead<p>kept"_s << u"kept"_s;
    QTest::newRow("markers in any case") << u"<P>a<Script>b</sCrIpT>c<STYLE>d</Style>e"_s << u"ace"_s;
    QTest::newRow("noscript closed by script end") << u"<p>a<noscript>b</noscript>c"_s << u"ac"_s;
    QTest::newRow("stray comment end hides text until a comment start") << u"<p>a-->b<!--c<p>d"_s << u"acd"_s;
    QTest::newRow("comment after stray end hides the rest") << u"<p>a-->b<!--c-->d"_s << u"ac"_s;
    QTest::newRow("stray end, then a real comment") << u"<p>a-->b<!--<!--c-->d"_s << u"ad"_s;
    QTest::newRow("stray style end hides text until a style start") << u"<p>a</style>b<style>c"_s << u"ac"_s;
    QTest::newRow("nested comments") << u"<p>a<!--<!--b-->c-->d"_s << u"ad"_s;
    QTest::newRow("title text dropped until next tag") << u"<p>a<TITLE>t<b>b"_s << u"ab"_s;
    QTest::newRow("titles tag name prefix") << u"<p>a<titlebar>t</titlebar>b"_s << u"ab"_s;
    QTest::newRow("adjacent elements run together") << u"<td>12</td><td>34</td>"_s << u"1234"_s;
    QTest::newRow("Japanese text kept") << u"<p>運転見合わせ</p>"_s << u"運転見合わせ"_s;
    QTest::newRow("dash alone is text") << u"<p>a-b--c"_s << u"a-b--c"_s;
    QTest::newRow("empty") << QString() << QString();
}

void TestPageText::stripsPageText() {
    QFETCH(QString, page);
    QFETCH(QString, text);
    QCOMPARE(stripPageText(page), text);
}

QTEST_GUILESS_MAIN(TestPageText)
#include "tst_pagetext.moc"
