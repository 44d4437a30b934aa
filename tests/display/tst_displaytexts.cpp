#include "display/DisplayTexts.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace DisplayTexts;

namespace {

QList<PageRecord> testPages() {
    return {{false, QString(), u"Weather"_s, u"[天気]"_s, QString(), QString()},
            {true, u"http://example.com/t"_s, u"Trains"_s, QString(), QString(), QString()}};
}

} // namespace

class TestDisplayTexts : public QObject {
    Q_OBJECT
private slots:
    void titleLine_data();
    void titleLine();
    void trayTips();
    void menuCaptions();
    void itemToolTip_data();
    void itemToolTip();
    void scrollCaption_data();
    void scrollCaption();
    void versionNumber_data();
    void versionNumber();
    void aboutBox();
};

void TestDisplayTexts::titleLine_data() {
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<QString>("line");
    QTest::newRow("this version") << 2 << 52 << u"Sorvanta 2.52"_s;
    QTest::newRow("minor without leading zero") << 2 << 5 << u"Sorvanta 2.5"_s;
    QTest::newRow("minor zero shown") << 3 << 0 << u"Sorvanta 3.0"_s;
    QTest::newRow("major zero left out") << 0 << 9 << u"Sorvanta .9"_s;
}

void TestDisplayTexts::titleLine() {
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(QString, line);
    QCOMPARE(DisplayTexts::titleLine(major, minor), line);
}

void TestDisplayTexts::trayTips() {
    QCOMPARE(DisplayTexts::titleLine(), u"Sorvanta 2.52"_s);
    QCOMPARE(trayTip(u"3件の情報があります"_s), u"Sorvanta 2.52\r\n3件の情報があります"_s);
    QCOMPARE(updatingTip(), u"Sorvanta 2.52\r\n更新中"_s);
}

void TestDisplayTexts::menuCaptions() {
    QCOMPARE(notDownloaded(), u"ダウンロードしていません"_s);
    QCOMPARE(notUpdated(), u"未更新"_s);
    QCOMPARE(showNewsCaption(3), u"情報を表示(全3件)"_s);
    QCOMPARE(showNewsCaption(120), u"情報を表示(全120件)"_s);
    QCOMPARE(updatingUrl(u"http://example.com/w"_s), u"http://example.com/w を更新中"_s);
}

void TestDisplayTexts::itemToolTip_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("rule");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("tip");
    QTest::newRow("extracted item: position and page name")
        << 1 << 4 << 3 << 12 << QString() << u"(3/12) [Weather] 晴れ"_s;
    QTest::newRow("whole-page item: position, page name and the page's address")
        << 2 << -1 << 1 << 2 << QString() << u"(1/2) [Trains] 晴れ\nhttp://example.com/t"_s;
    QTest::newRow("feed item: its link below")
        << 1 << 0 << 2 << 5 << u"http://example.jp/1"_s << u"(2/5) [Weather] 晴れ\nhttp://example.jp/1"_s;
    QTest::newRow("default message: the text alone") << 0 << 0 << 1 << 1 << QString() << u"晴れ"_s;
    QTest::newRow("page gone from the list: empty name")
        << 9 << 1 << 1 << 1 << QString() << u"(1/1) [] 晴れ"_s;
}

void TestDisplayTexts::itemToolTip() {
    QFETCH(int, page);
    QFETCH(int, rule);
    QFETCH(int, current);
    QFETCH(int, count);
    QFETCH(QString, link);
    QFETCH(QString, tip);
    QCOMPARE(DisplayTexts::itemToolTip({u"晴れ"_s, page, rule, link}, current, count, testPages()), tip);
}

void TestDisplayTexts::scrollCaption_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("showTitle");
    QTest::addColumn<QString>("caption");
    QTest::newRow("label before the text") << 1 << true << u"[天気]晴れ"_s;
    QTest::newRow("labels switched off") << 1 << false << u"晴れ"_s;
    QTest::newRow("page without label") << 2 << true << u"晴れ"_s;
    QTest::newRow("default message has no page") << 0 << true << u"晴れ"_s;
}

void TestDisplayTexts::scrollCaption() {
    QFETCH(int, page);
    QFETCH(bool, showTitle);
    QFETCH(QString, caption);
    QCOMPARE(DisplayTexts::scrollCaption({u"晴れ"_s, page, 1}, testPages(), showTitle), caption);
}

void TestDisplayTexts::versionNumber_data() {
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("text");
    QTest::newRow("this version") << 2 << 52 << 412 << u"2.52.0412"_s;
    QTest::newRow("padded minor and revision") << 2 << 0 << 12 << u"2.00.0012"_s;
    QTest::newRow("wider numbers are not cut") << 10 << 123 << 45678 << u"10.123.45678"_s;
}

void TestDisplayTexts::versionNumber() {
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, text);
    QCOMPARE(DisplayTexts::versionNumber(major, minor, revision), text);
}

void TestDisplayTexts::aboutBox() {
    QCOMPARE(aboutVersion(), u"バージョン 2.52.0412"_s);
    QCOMPARE(aboutCaption(), u"Sorvanta のバージョン情報"_s);
    QVERIFY2(QRegularExpression(u"^ICU \\d+\\.\\d+"_s).match(converterVersion()).hasMatch(),
             qPrintable(converterVersion()));
}

QTEST_GUILESS_MAIN(TestDisplayTexts)
#include "tst_displaytexts.moc"
