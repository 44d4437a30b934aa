#include "retrieval/LenientXmlReader.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The tokens read, as "<name{namespace}>", "</name>" and "[characters]".
QString trace(const QString& document) {
    LenientXmlReader reader(document);
    QString trace;
    for (auto token = reader.readNext(); token != LenientXmlReader::Token::EndOfDocument;
         token = reader.readNext()) {
        const QString name = reader.name().toString();
        const QString ns =
            reader.namespaceUri().isEmpty() ? QString() : u'{' + reader.namespaceUri().toString() + u'}';
        if (token == LenientXmlReader::Token::StartElement)
            trace += u'<' + name + ns + u'>';
        else if (token == LenientXmlReader::Token::EndElement)
            trace += u"</"_s + name + u'>';
        else
            trace += u'[' + reader.text() + u']';
    }
    return trace;
}

} // namespace

class TestLenientXmlReader : public QObject {
    Q_OBJECT
private slots:
    void readsWhatFeedsSend_data();
    void readsWhatFeedsSend();
};

void TestLenientXmlReader::readsWhatFeedsSend_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("trace");
    QTest::newRow("an end tag closes what is left open inside it")
        << u"<a><b><br>x</a>"_s << u"<a><b><br>[x]</br></b></a>"_s;
    QTest::newRow("an end tag with nothing to close is ignored") << u"<a></b>x</a>"_s << u"<a>[x]</a>"_s;
    QTest::newRow("references decoded, a bare & or < kept, a code point no text holds replaced")
        << u"<a>a & b < c &amp;amp; &nbsp;&#x41;&#0;&bogus;</a>"_s
        << u"<a>[a & b < c &amp; \u00A0A\uFFFD&bogus;]</a>"_s;
    QTest::newRow("a forgotten prefix gets the namespace feeds mean by it")
        << u"<a xmlns:x=\"urn:x\"><x:b/><dc:c/><y:d/></a>"_s
        << u"<a><b{urn:x}></b><c{http://purl.org/dc/elements/1.1/}></c><d></d></a>"_s;
    QTest::newRow("a document type skipped whole, its entities never expanded")
        << u"<!DOCTYPE a [<!ENTITY e \"v\"> <!-- ] ' --> <!ENTITY f '>'>]><a>&e;</a>"_s << u"<a>[&e;]</a>"_s;
    QTest::newRow("CDATA as it stands; comments and processing instructions skipped")
        << u"<a><?pi x?><!-- <b> --><![CDATA[<b>&amp;]]></a>"_s << u"<a>[<b>&amp;]</a>"_s;
    QTest::newRow("attributes of every quoting, a tag left unclosed")
        << u"<a v=1 w='>' x=\"&quot;\"<b/></a>"_s << u"<a><b></b></a>"_s;
    QTest::newRow("cut off inside a tag: the document ends") << u"<a>x<b c=\"y"_s << u"<a>[x]"_s;
}

void TestLenientXmlReader::readsWhatFeedsSend() {
    QFETCH(QString, document);
    QFETCH(QString, trace);
    QCOMPARE(::trace(document), trace);
}

QTEST_GUILESS_MAIN(TestLenientXmlReader)
#include "tst_lenientxmlreader.moc"
