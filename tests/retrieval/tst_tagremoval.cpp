#include "retrieval/TagRemoval.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The plain description of tag removal: each distinct tag deleted everywhere in turn.
QString removeEachTagInTurn(QString fragment) {
    qsizetype g = 0;
    for (;;) {
        const qsizetype open = fragment.indexOf(u'<', g);
        if (open < 0)
            return fragment;
        const qsizetype close = fragment.indexOf(u'>', open);
        if (close < 0)
            return fragment;
        fragment.remove(fragment.sliced(open, close - open + 1));
        g = open;
    }
}

QString randomFragment(QRandomGenerator& random, const QString& alphabet, int maxLength) {
    QString text;
    const int length = random.bounded(maxLength + 1);
    for (int i = 0; i < length; ++i)
        text += alphabet[random.bounded(int(alphabet.size()))];
    return text;
}

} // namespace

class TestTagRemoval : public QObject {
    Q_OBJECT
private slots:
    void examples_data();
    void examples();
    void sameAsRemovingEachTagInTurn_data();
    void sameAsRemovingEachTagInTurn();
    void stopSignalEndsTheWork();
};

void TestTagRemoval::examples_data() {
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<QString>("kept");
    QTest::newRow("bold word") << u"<b>遅れ</b>"_s << u"遅れ"_s;
    QTest::newRow("tags only") << u"<td><br></td>"_s << QString();
    QTest::newRow("lone < keeps the rest") << u"a<b"_s << u"a<b"_s;
    QTest::newRow("stray >") << u"a>b<i>c"_s << u"a>bc"_s;
    QTest::newRow("later copy deleted first joins a tag") << u"<a>x<y<a>z>w"_s << u"xw"_s;
    QTest::newRow("deleting forms the same tag again") << u"<a><<a>a>"_s << QString();
    QTest::newRow("tag holding a <") << u"<<b>b>"_s << u"b>"_s;
    QTest::newRow("every copy of a tag holding a <") << u"<z<a>b><z<a>"_s << u"b>"_s;
}

void TestTagRemoval::examples() {
    QFETCH(QString, fragment);
    QFETCH(QString, kept);
    QCOMPARE(removeEachTagInTurn(fragment), kept);
    QVERIFY(removeTags(fragment));
    QCOMPARE(fragment, kept);
}

void TestTagRemoval::sameAsRemovingEachTagInTurn_data() {
    QTest::addColumn<QString>("alphabet");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<int>("count");
    QTest::newRow("brackets and two letters") << u"<<>>ab"_s << 24 << 200000;
    QTest::newRow("long fragments") << u"<<>>abc/"_s << 200 << 20000;
    QTest::newRow("few brackets") << u"<>abcdefgh"_s << 60 << 50000;
}

void TestTagRemoval::sameAsRemovingEachTagInTurn() {
    QFETCH(QString, alphabet);
    QFETCH(int, maxLength);
    QFETCH(int, count);
    QRandomGenerator random(412);
    for (int i = 0; i < count; ++i) {
        const QString fragment = randomFragment(random, alphabet, maxLength);
        QString fast = fragment;
        QVERIFY(removeTags(fast));
        if (fast != removeEachTagInTurn(fragment))
            QFAIL(qPrintable(u"differs on \"%1\": \"%2\" instead of \"%3\""_s.arg(
                fragment, fast, removeEachTagInTurn(fragment))));
    }
}

void TestTagRemoval::stopSignalEndsTheWork() {
    QString fragment;
    for (int i = 0; i < 100000; ++i)
        fragment += u"<t%1>x"_s.arg(i);
    int asked = 0;
    QVERIFY(!removeTags(fragment, [&asked] { return ++asked == 3; }));
    QCOMPARE(asked, 3);
}

QTEST_GUILESS_MAIN(TestTagRemoval)
#include "tst_tagremoval.moc"
