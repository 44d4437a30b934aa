// End to end: the built ticker, in a program folder of its own, asked to end by a signal.
#include "support/TestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

using namespace Qt::StringLiterals;

namespace {

// Starts a copy of the built ticker in program, on the offscreen platform.
void startTicker(QProcess& ticker, const QDir& program, const QString& argument) {
    QVERIFY(QFile::copy(QStringLiteral(SORVANTA_BINARY), program.filePath(u"sorvanta"_s)));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    ticker.setProcessEnvironment(environment);
    ticker.start(program.filePath(u"sorvanta"_s), {argument});
    QVERIFY(ticker.waitForStarted());
}

} // namespace

class TestOrderlyExit : public QObject {
    Q_OBJECT
private slots:
    void signalRunsTheOrderlyExit_data();
    void signalRunsTheOrderlyExit();
    void signalDuringTheStartQuestion();
};

void TestOrderlyExit::signalRunsTheOrderlyExit_data() {
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM (logoff, kill)") << SIGTERM;
    QTest::newRow("SIGINT (Ctrl+C)") << SIGINT;
    QTest::newRow("SIGHUP (terminal closed)") << SIGHUP;
}

void TestOrderlyExit::signalRunsTheOrderlyExit() {
    QFETCH(int, signalNumber);
    QTemporaryDir dir;
    const QDir program(dir.path());
    writeFileBytes(program.filePath(u"Sorvanta.ini"_s), "[Sorvanta 1.00]\r\nDebug=Yes\r\nLoadAtFirst=No\r\n");
    writeFileBytes(program.filePath(u"~http.tmp"_s), "page dump");
    QProcess ticker;
    startTicker(ticker, program, u"/singleuser"_s);
    const QString log = program.filePath(u"~sorvanta.log"_s);
    QTRY_VERIFY_WITH_TIMEOUT(readFileBytes(log).contains(" [Run]"), 10000);

    ::kill(ticker.processId(), signalNumber);
    QVERIFY(ticker.waitForFinished(10000));
    QCOMPARE(ticker.exitStatus(), QProcess::NormalExit);
    QVERIFY(readFileBytes(log).contains(" [End]\r\n"));
    QVERIFY(readFileBytes(program.filePath(u"Sorvanta.ini"_s)).contains("XPosR="));
    QVERIFY(!QFile::exists(program.filePath(u"~http.tmp"_s)));
}

// The newer-copy question of the data files is on screen when the signal comes: the program ends,
// and nothing the user did not confirm is written.
void TestOrderlyExit::signalDuringTheStartQuestion() {
    QTemporaryDir dir;
    const QDir program(dir.path());
    const QString settings = program.filePath(u"Settings/office"_s);
    const QByteArray mine = "\"1\",\"http://mine.test/\",\"mine\",\"\",\"\",\"\"\r\n";
    const QByteArray ini = "[Sorvanta 1.00]\r\nDebug=Yes\r\nLoadAtFirst=No\r\n";
    QVERIFY(QDir().mkpath(settings));
    writeFileBytes(settings + u"/url.txt"_s, mine);
    writeFileBytes(settings + u"/Sorvanta.ini"_s, ini);
    // The program's copy is newer than the user's: the start asks which to use.
    QFile shipped(program.filePath(u"url.txt"_s));
    QVERIFY(shipped.open(QIODevice::WriteOnly) && shipped.write("\"1\",\"http://shipped.test/\"\r\n") &&
            shipped.flush());
    QVERIFY(shipped.setFileTime(QDateTime::currentDateTime().addDays(1), QFileDevice::FileModificationTime));
    shipped.close();
    QProcess ticker;
    startTicker(ticker, program, u"/id=office"_s);
    QTest::qWait(1500); // the question is up: nothing is logged before the lists are loaded
    QVERIFY(!QFile::exists(program.filePath(u"~sorvanta.log"_s)));
    ::kill(ticker.processId(), SIGTERM);
    QVERIFY(ticker.waitForFinished(10000));
    QCOMPARE(readFileBytes(settings + u"/url.txt"_s), mine);
    QCOMPARE(readFileBytes(settings + u"/Sorvanta.ini"_s), ini);
    QVERIFY(readFileBytes(program.filePath(u"~sorvanta.log"_s)).contains(" [End]\r\n"));
}

QTEST_GUILESS_MAIN(TestOrderlyExit)
#include "tst_orderlyexit.moc"
