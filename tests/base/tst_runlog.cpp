#include "base/RunLog.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestRunLog : public QObject {
    Q_OBJECT
private slots:
    void lineFormat_data();
    void lineFormat();
    void linesAreAppended();
    void unwritableLogLosesOnlyTheLine();
};

void TestRunLog::lineFormat_data() {
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line");
    const QDateTime morning(QDate(2026, 1, 2), QTime(3, 4, 5));
    const QDateTime evening(QDate(2026, 12, 31), QTime(23, 59, 59));
    QTest::newRow("run, zero padded")
        << morning << RunLogTag::Run << QString() << u"2026/01/02 03:04:05 [Run]\r\n"_s;
    QTest::newRow("end, 24-hour") << evening << RunLogTag::End << QString()
                                  << u"2026/12/31 23:59:59 [End]\r\n"_s;
    QTest::newRow("get carries the URL") << morning << RunLogTag::Get << u"http://example.jp/a"_s
                                         << u"2026/01/02 03:04:05 [Get] http://example.jp/a\r\n"_s;
}

void TestRunLog::lineFormat() {
    QFETCH(QDateTime, when);
    QFETCH(QString, tag);
    QFETCH(QString, text);
    QFETCH(QString, line);
    QCOMPARE(formatRunLogLine(when, tag, text), line);
}

void TestRunLog::linesAreAppended() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"~sorvanta.log"_s);
    writeFileBytes(path, "earlier\r\n");
    const QDateTime when(QDate(2026, 12, 7), QTime(8, 0, 0));
    writeRunLogLine(path, when, RunLogTag::Run);
    writeRunLogLine(path, when.addSecs(1), RunLogTag::Get, u"http://例え.jp/"_s);
    QCOMPARE(QString::fromUtf8(readFileBytes(path)),
             u"earlier\r\n2026/12/07 08:00:00 [Run]\r\n2026/12/07 08:00:01 [Get] http://例え.jp/\r\n"_s);
}

void TestRunLog::unwritableLogLosesOnlyTheLine() {
    QTemporaryDir dir;
    // The log path is taken by a folder: the write fails quietly, even for root.
    const QString path = dir.filePath(u"~sorvanta.log"_s);
    QVERIFY(QDir().mkdir(path));
    writeRunLogLine(path, QDateTime::currentDateTime(), RunLogTag::End);
    QVERIFY(QFileInfo(path).isDir());
}

QTEST_GUILESS_MAIN(TestRunLog)
#include "tst_runlog.moc"
