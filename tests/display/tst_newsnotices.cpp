#include "display/NewsNotices.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestNewsNotices : public QObject {
    Q_OBJECT
private slots:
    void forNewKeywordItems_data();
    void forNewKeywordItems();
};

void TestNewsNotices::forNewKeywordItems_data() {
    QTest::addColumn<InfoItems>("items");
    QTest::addColumn<QList<DesktopNotice>>("notices");
    const auto item = [](const QString& text, int page, bool isNew, const QString& link = {}) {
        InfoItem made{text, page, 1, link};
        made.isNew = isNew;
        return made;
    };
    QTest::newRow("only new items with a keyword")
        << InfoItems{item(u"遅れ"_s, 1, false), item(u"平常"_s, 1, true),
                     item(u"10分遅れ"_s, 1, true, u"https://a.test/1"_s)}
        << QList<DesktopNotice>{{u"JR"_s, u"10分遅れ"_s, u"https://a.test/1"_s}};
    QTest::newRow("no label: the page's name; no link: the page's address")
        << InfoItems{item(u"遅れ"_s, 2, true)}
        << QList<DesktopNotice>{{u"天気"_s, u"遅れ"_s, u"http://b.test/"_s}};
    InfoItems many;
    for (int i = 1; i <= 5; ++i)
        many.append(item(u"遅れ %1"_s.arg(i), 1, true));
    QList<DesktopNotice> firstThree;
    for (int i = 1; i <= 3; ++i)
        firstThree.append({u"JR"_s, u"遅れ %1"_s.arg(i), u"http://a.test/"_s});
    firstThree.append({u"Sorvanta"_s, u"ほかに新着のキーワード情報が 2 件あります。"_s, {}});
    QTest::newRow("five: three, then how many more") << many << firstThree;
}

void TestNewsNotices::forNewKeywordItems() {
    QFETCH(InfoItems, items);
    QFETCH(QList<DesktopNotice>, notices);
    DataSet tables;
    tables.pages = {{true, u"http://a.test/"_s, u"運行"_s, u" JR "_s, {}, {}},
                    {true, u"http://b.test/"_s, u"天気"_s, {}, {}, {}}};
    tables.keywords = QStringList{u"遅れ"_s};
    QCOMPARE(NewsNotices::forNewKeywordItems(items, tables), notices);
}

QTEST_GUILESS_MAIN(TestNewsNotices)
#include "tst_newsnotices.moc"
