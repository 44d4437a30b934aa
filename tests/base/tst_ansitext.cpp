#include "base/AnsiText.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestAnsiText : public QObject {
    Q_OBJECT
private slots:
    void decodesFilesOfBothOrigins_data();
    void decodesFilesOfBothOrigins();
    void cp932RoundTrip();
    void unmappableCharacterIsReported();
};

void TestAnsiText::decodesFilesOfBothOrigins_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const QString japanese = u"東京メトロ,\"遅延\"\r\nｶﾅ"_s;
    QTest::newRow("CP932 file") << encodeCp932(japanese) << japanese;
    QTest::newRow("UTF-8 without BOM") << japanese.toUtf8() << japanese;
    QTest::newRow("UTF-8 with BOM drops the BOM")
        << QByteArray("\xEF\xBB\xBF") + japanese.toUtf8() << japanese;
    QTest::newRow("plain ASCII") << QByteArray("a,b\r\n") << u"a,b\r\n"_s;
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestAnsiText::decodesFilesOfBothOrigins() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decodeAnsiText(bytes), text);
}

void TestAnsiText::cp932RoundTrip() {
    const QString text = u"①髙﨑～－ﾊﾞｽ"_s; // NEC and IBM extensions, wave dash and half-width kana
    bool lossless = false;
    const QByteArray bytes = encodeCp932(text, &lossless);
    QVERIFY(lossless);
    QCOMPARE(bytes.left(2), QByteArray("\x87\x40"));
    QCOMPARE(decodeCp932(bytes), text);
}

void TestAnsiText::unmappableCharacterIsReported() {
    bool lossless = true;
    const QByteArray bytes = encodeCp932(u"a😀b"_s, &lossless);
    QVERIFY(!lossless);
    QVERIFY(bytes.startsWith('a'));
    QVERIFY(bytes.endsWith('b'));
}

QTEST_GUILESS_MAIN(TestAnsiText)
#include "tst_ansitext.moc"
