#include "retrieval/PageJob.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestPageJob : public QObject {
    Q_OBJECT
private slots:
    void stopSignalCutsThePageShort_data();
    void stopSignalCutsThePageShort();
};

void TestPageJob::stopSignalCutsThePageShort_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("footer");
    QTest::addColumn<bool>("showTextInstead");
    QString manyItems;
    QString manyTags;
    for (int i = 0; i < 200000; ++i) {
        manyItems += u"<b>%1</b>"_s.arg(i);
        manyTags += u"<i id=%1>x"_s.arg(i);
    }
    QTest::newRow("while cutting out items") << manyItems << u"<b>"_s << QString() << false;
    QTest::newRow("while removing tags")
        << u"<body>"_s + manyTags + u"</body>"_s << u"<body>"_s << u"</body>"_s << false;
    QTest::newRow("while stripping the whole page")
        << u"<p>"_s + manyTags << u"<none>"_s << QString() << true;
}

void TestPageJob::stopSignalCutsThePageShort() {
    QFETCH(QString, page);
    QFETCH(QString, header);
    QFETCH(QString, footer);
    QFETCH(bool, showTextInstead);
    PageTask task;
    task.page = 1;
    task.request.url = u"http://127.0.0.1/"_s;
    task.rules = std::make_shared<const QList<RuleRecord>>(QList<RuleRecord>{{true, {}, header, footer, {}}});
    task.showTextInstead = showTextInstead;
    const Fetcher fetcher = [&page](const FetchRequest&, const StopSignal&, const ProgressSignal&) {
        FetchResult result;
        result.body = page.toUtf8();
        result.contentType = "text/html; charset=UTF-8";
        result.httpStatus = 200;
        return result;
    };
    // Asked after the fetch, after the normalisation and before the rule: the signal turns when
    // the work on the page text asks for the first time.
    int asked = 0;
    const StopSignal shouldStop = [&asked] { return ++asked >= 4; };
    const PageOutcome outcome = runPageTask(task, fetcher, shouldStop, {});
    QVERIFY(outcome.abandoned);
    // Once inside the work, where it stopped, and once at the end; work that never asks would
    // have run to its end and left the fourth question to the end.
    QCOMPARE(asked, 5);
}

QTEST_GUILESS_MAIN(TestPageJob)
#include "tst_pagejob.moc"
