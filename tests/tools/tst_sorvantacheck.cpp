// End to end: the built sorvanta-check, copied into a program folder of its own with its data
// files beside it, run against pages served on 127.0.0.1.
#include "base/AnsiText.h"
#include "settings/PasswordScrambler.h"
#include "support/IcuEncoding.h"
#include "support/TestHttpServer.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

struct CheckRun {
    bool finished = false;
    int exitCode = -1;
    QString out;
    QString err;
};

// A temporary program folder holding a copy of the executable, and a home folder for the child.
class CheckFolder {
public:
    CheckFolder() {
        QDir(m_dir.path()).mkpath(u"program"_s);
        QDir(m_dir.path()).mkpath(u"home/.config"_s);
        m_copied = QFile::copy(QString::fromUtf8(SORVANTA_CHECK_BINARY), executable());
    }

    bool isValid() const { return m_dir.isValid() && m_copied; }
    QString programFolder() const { return m_dir.filePath(u"program"_s); }
    QString configHome() const { return m_dir.filePath(u"home/.config"_s); }
    QString executable() const { return programFolder() + u"/sorvanta-check"_s; }

    // Writes a file below the program folder (or anywhere, given an absolute path).
    void write(const QString& path, const QByteArray& bytes) const {
        const QString full = QDir(programFolder()).filePath(path);
        QDir().mkpath(QFileInfo(full).absolutePath());
        writeFileBytes(full, bytes);
    }

    // wrapper, when given, starts the executable (e.g. in a network namespace of its own).
    CheckRun run(const QStringList& arguments, const QStringList& wrapper = {}) const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"HOME"_s, m_dir.filePath(u"home"_s));
        environment.insert(u"XDG_CONFIG_HOME"_s, configHome());
        for (const QString& name : {u"http_proxy"_s, u"https_proxy"_s, u"all_proxy"_s, u"no_proxy"_s}) {
            environment.remove(name);
            environment.remove(name.toUpper());
        }
        QProcess process;
        process.setProcessEnvironment(environment);
        // Started from elsewhere: the data files must be found beside the executable, not here.
        process.setWorkingDirectory(m_dir.filePath(u"home"_s));
        if (wrapper.isEmpty())
            process.start(executable(), arguments);
        else
            process.start(wrapper.first(), wrapper.mid(1) + QStringList{executable()} + arguments);
        CheckRun run;
        run.finished = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
        run.exitCode = process.exitCode();
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

private:
    QTemporaryDir m_dir;
    bool m_copied = false;
};

QByteArray ini(const QString& lines) {
    return (u"[Sorvanta 1.00]\r\n"_s + lines).toUtf8();
}

// Two rules: the delay cell (without test runs) and every bold word.
QByteArray twoRules() {
    return u"\"1\",\"遅延\",\"<td class=\"\"info\"\">\",\"</td>\",\"試運転\"\r\n"
           u"\"1\",\"状況\",\"<b>\",\"\",\"\"\r\n"_s.toUtf8();
}

QString pageLine(const QString& enabled, const QString& url, const QString& name) {
    return u"\"%1\",\"%2\",\"%3\",\"\",\"\",\"\"\r\n"_s.arg(enabled, url, name);
}

QByteArray shiftJisPage() {
    return encodeWithIcu(
        u"<html><head><title>運行情報</title></head><body>\r\n<table>\r\n"
        u"<tr><td><b>山手線</b></td><td class=\"info\">信号ﾄﾗﾌﾞﾙの影響で&nbsp;遅れ</td></tr>\r\n"
        u"<tr><td><b>京浜東北線</b></td><td class=\"info\">試運転のため運休</td></tr>\r\n"
        u"</table></body></html>\r\n"_s,
        "windows-31j");
}

// Re-encoded by its server, with the old charset left in its meta: the header's charset wins.
QByteArray eucJpPage() {
    return encodeWithIcu(
        u"<html><head><meta charset=\"Shift_JIS\"></head><body><p><b>阪神線</b> 平常運転</p>\r\n"
        u"<table><tr><td class=\"info\">強風で徐行運転&amp;遅延</td></tr></table></body></html>"_s,
        "EUC-JP");
}

// Kanji alone in EUC-JP also read as valid Shift_JIS, which detection prefers on a tie: only the
// meta makes this page come out right.
QByteArray metaPage() {
    return encodeWithIcu(
        u"<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=EUC-JP\">"
        u"</head><body><p><b>人身事故運休</b></p></body></html>"_s,
        "EUC-JP");
}

// Served without a charset, with kanji alone (valid Shift_JIS as well): only the XML declaration
// makes the titles come out right.
QByteArray eucJpFeed() {
    return encodeWithIcu(u"<?xml version=\"1.0\" encoding=\"EUC-JP\"?>\n<rss version=\"2.0\"><channel>"
                         u"<title>運休</title><item><title><![CDATA[人身事故運休]]></title></item>"
                         u"<item><title><![CDATA[ 事故 ]]></title></item></channel></rss>"_s,
                         "EUC-JP");
}

QByteArray quietPage() {
    return u"<html><title>T</title><p>平常運転</p></html>"_s.toUtf8();
}

QStringList requestedPaths(const TestHttpServer& server) {
    QStringList paths;
    for (const RecordedRequest& request : server.requests())
        paths.append(QString::fromUtf8(request.path()));
    return paths;
}

} // namespace

class TestSorvantaCheck : public QObject {
    Q_OBJECT
private slots:
    void printsItemsInPageOrderAndErrorsOnStderr();
    void printsFeedEntriesAsItemsOfNoRule();
    void summaryFollowsTheItems();
    void newPrintsOnlyWhatIsNew();
    void nothingExtracted_data();
    void nothingExtracted();
    void noEnabledPage_data();
    void noEnabledPage();
    void offlineExitsWithThree();
    void passwordsStayOutOfLogsAndDumps();
    void commandLine_data();
    void commandLine();
    void settingsFolderChosenByArgument_data();
    void settingsFolderChosenByArgument();
};

void TestSorvantaCheck::printsItemsInPageOrderAndErrorsOnStderr() {
    CheckFolder folder;
    QVERIFY(folder.isValid());
    TestHttpServer server;
    QVERIFY(server.isListening());
    // The first page answers last, so the later ones are done first.
    Reply slow = Reply::ok(shiftJisPage(), "text/html; charset=Shift_JIS");
    slow.delay = 800ms;
    server.route("/sjis", slow);
    server.route("/disabled", Reply::ok("<b>disabled</b>"));
    server.route("/eucjp?lines=1,2", Reply::ok(eucJpPage(), "text/html;charset=EUC-JP"));
    server.route("/meta", Reply::ok(metaPage(), "text/html"));

    const QString missing = server.url(u"/missing"_s);
    const QString pages = pageLine(u"1"_s, server.url(u"/sjis"_s), u"運行情報 \"\"関東\"\""_s) +
                          pageLine(u"0"_s, server.url(u"/disabled"_s), u"停止中のページ"_s) +
                          pageLine(u"1"_s, missing, u"存在しないページ"_s) +
                          pageLine(u"1"_s, server.url(u"/eucjp?lines=1,2"_s), u"運行情報, 関西"_s) +
                          pageLine(u"1"_s, server.url(u"/meta"_s), u"お知らせ"_s);
    folder.write(u"url.txt"_s, encodeWithIcu(pages, "windows-31j"));
    folder.write(u"filter.txt"_s, twoRules());
    folder.write(u"Sorvanta.ini"_s, ini(u"ShowTextInstead=No\r\nHideErrorDialog=No\r\n"_s));

    const CheckRun run = folder.run({u"/singleuser"_s});
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, u"1\t1\t信号トラブルの影響で 遅れ\n"
                      u"1\t2\t山手線\n"
                      u"1\t2\t京浜東北線\n"
                      u"4\t1\t強風で徐行運転&遅延\n"
                      u"4\t2\t阪神線\n"
                      u"5\t2\t人身事故運休\n"_s);
    QCOMPARE(run.err,
             u"エラー :404 Not Found\n'"_s + missing + u"' が正常にダウンロードできませんでした。\n\n"_s);
    QVERIFY(!requestedPaths(server).contains(u"/disabled"_s));
    QCOMPARE(server.requestCount(), 4);
    QVERIFY(!QFileInfo::exists(folder.configHome() + u"/kwSorvanta"_s));
}

void TestSorvantaCheck::printsFeedEntriesAsItemsOfNoRule() {
    CheckFolder folder;
    QVERIFY(folder.isValid());
    TestHttpServer server;
    server.route("/rss", Reply::ok(eucJpFeed(), "application/rss+xml"));
    folder.write(u"url.txt"_s, pageLine(u"1"_s, server.url(u"/rss"_s), u"RSS"_s).toUtf8());
    folder.write(u"filter.txt"_s, twoRules());

    const CheckRun run = folder.run({u"/singleuser"_s});
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, u"1\t0\t人身事故運休\n1\t0\t事故\n"_s);
    QCOMPARE(run.err, QString());
}

// Its own record: the first run only takes note, a run with nothing new prints nothing, and the ticker's
// record is left alone.
void TestSorvantaCheck::newPrintsOnlyWhatIsNew() {
    CheckFolder folder;
    QVERIFY(folder.isValid());
    TestHttpServer server;
    const Reply before = Reply::ok("<b>山手線</b><b>京浜東北線</b>").withValidators("\"1\"", {});
    const Reply after = Reply::ok("<b>山手線</b><b>中央線</b>").withValidators("\"2\"", {});
    server.route("/p", QList<Reply>{before, before, after});
    folder.write(u"url.txt"_s, pageLine(u"1"_s, server.url(u"/p"_s), u"運行"_s).toUtf8());
    folder.write(u"filter.txt"_s, twoRules());
    folder.write(u"Sorvanta.ini"_s, ini(u"ShowTextInstead=No\r\n"_s));
    const QStringList arguments{u"--new"_s, u"/singleuser"_s};
    for (const QString& expected : {QString(), QString(), u"1\t2\t中央線\n"_s}) {
        const CheckRun run = folder.run(arguments);
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, expected);
        QCOMPARE(run.err, QString());
    }
    QCOMPARE(server.requests().at(1).header("If-None-Match"), "\"1\""_ba);
    QVERIFY(QFile::exists(folder.programFolder() + u"/seen-check.json"_s));
    QVERIFY(!QFile::exists(folder.programFolder() + u"/seen.json"_s));
}

void TestSorvantaCheck::summaryFollowsTheItems() {
    CheckFolder folder;
    QVERIFY(folder.isValid());
    TestHttpServer server;
    server.route("/sjis", Reply::ok(shiftJisPage(), "text/html; charset=Shift_JIS"));
    server.route("/quiet", Reply::ok(quietPage(), "text/html; charset=UTF-8"));
    server.route("/rss", Reply::ok(eucJpFeed(), "application/rss+xml"));
    const QString pages = pageLine(u"1"_s, server.url(u"/sjis"_s), u"運行\t情報"_s) +
                          pageLine(u"0"_s, server.url(u"/quiet"_s), u"停止中のページ"_s) +
                          pageLine(u"1"_s, server.url(u"/missing"_s), u"存在しないページ"_s) +
                          pageLine(u"1"_s, server.url(u"/quiet"_s), u"平常"_s) +
                          pageLine(u"1"_s, server.url(u"/rss"_s), u"RSS"_s);
    folder.write(u"url.txt"_s, pages.toUtf8());
    folder.write(u"filter.txt"_s, twoRules());
    folder.write(u"Sorvanta.ini"_s, ini(u"ShowTextInstead=No\r\n"_s));

    const CheckRun run = folder.run({u"--summary"_s, u"/singleuser"_s});
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, u"1\t1\t信号トラブルの影響で 遅れ\n"
                      u"1\t2\t山手線\n"
                      u"1\t2\t京浜東北線\n"
                      u"5\t0\t人身事故運休\n"
                      u"5\t0\t事故\n"
                      u"#1\t運行 情報\t3件\n"
                      u"#3\t存在しないページ\tエラー\tエラー :404 Not Found\n"
                      u"#4\t平常\t該当なし\n"
                      u"#5\tRSS\t2件\n"_s);
}

void TestSorvantaCheck::nothingExtracted_data() {
    QTest::addColumn<QString>("ini");
    QTest::addColumn<QString>("out");
    QTest::newRow("default message when ShowTextInstead is off")
        << u"ShowTextInstead=No\r\n"_s << u"0\t0\t現在、遅れに関する情報はありません。\n"_s;
    QTest::newRow("the ini's own default message")
        << u"ShowTextInstead=No\r\nDefaultMSG=ただいま平常運転です\r\n"_s
        << u"0\t0\tただいま平常運転です\n"_s;
    QTest::newRow("whole page text when ShowTextInstead is on")
        << u"ShowTextInstead=Yes\r\n"_s << u"1\t-1\t平常運転\n"_s;
    QTest::newRow("no line when ShowDefaultMSG is off")
        << u"ShowTextInstead=No\r\nShowDefaultMSG=No\r\n"_s << QString();
}

void TestSorvantaCheck::nothingExtracted() {
    QFETCH(QString, ini);
    QFETCH(QString, out);
    CheckFolder folder;
    QVERIFY(folder.isValid());
    TestHttpServer server;
    server.route("/quiet", Reply::ok(quietPage(), "text/html; charset=UTF-8"));
    folder.write(u"url.txt"_s, pageLine(u"1"_s, server.url(u"/quiet"_s), u"平常"_s).toUtf8());
    folder.write(u"filter.txt"_s, twoRules());
    folder.write(u"Sorvanta.ini"_s, ::ini(ini));

    const CheckRun run = folder.run({u"/singleuser"_s});
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, out);
    QCOMPARE(run.err, QString());
}

void TestSorvantaCheck::noEnabledPage_data() {
    QTest::addColumn<QByteArray>("pageList");
    QTest::newRow("every page disabled") << pageLine(u"0"_s, u"http://127.0.0.1:1/a"_s, u"一"_s).toUtf8() +
                                                pageLine(u"0"_s, u"http://127.0.0.1:1/b"_s, u"二"_s).toUtf8();
    QTest::newRow("no page list") << QByteArray();
}

void TestSorvantaCheck::noEnabledPage() {
    QFETCH(QByteArray, pageList);
    CheckFolder folder;
    QVERIFY(folder.isValid());
    if (!pageList.isEmpty())
        folder.write(u"url.txt"_s, pageList);
    folder.write(u"filter.txt"_s, twoRules());

    const CheckRun run = folder.run({u"/singleuser"_s});
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, QString());
    QVERIFY(!run.err.isEmpty());
}

void TestSorvantaCheck::offlineExitsWithThree() {
    // A network namespace of its own has no route at all.
    const QStringList offline{u"unshare"_s, u"--net"_s};
    if (QProcess::execute(offline.first(), offline.mid(1) + QStringList{u"true"_s}) != 0)
        QSKIP("cannot start a process without network here (unshare --net needs root)");
    CheckFolder folder;
    QVERIFY(folder.isValid());
    folder.write(u"url.txt"_s, pageLine(u"1"_s, u"http://127.0.0.1:1/a"_s, u"一"_s).toUtf8());
    folder.write(u"Sorvanta.ini"_s, ini(u"AutoDialing=Yes\r\n"_s));

    const CheckRun run = folder.run({u"/singleuser"_s}, offline);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 3);
    QCOMPARE(run.out, QString());
    QVERIFY(run.err.startsWith(u"インターネットに接続されていません。"_s));
}

void TestSorvantaCheck::passwordsStayOutOfLogsAndDumps() {
    CheckFolder folder;
    QVERIFY(folder.isValid());
    TestHttpServer server;
    server.route("/private", Reply::withStatus(401));
    server.route("/open", Reply::ok(shiftJisPage(), "text/html; charset=Shift_JIS"));
    server.requireProxyAuth("proxyuser", "proxy-pw-7");
    const QString pagePassword = encryptPassword(u"page-pw-3"_s);
    const QString proxyPassword = encryptPassword(u"proxy-pw-7"_s);
    folder.write(u"url.txt"_s, (u"\"1\",\"%1\",\"会員\",\"\",\"taro\",\"%2\"\r\n"_s.arg(
                                    server.url(u"/private"_s), pagePassword) +
                                pageLine(u"1"_s, server.url(u"/open"_s), u"公開"_s))
                                   .toUtf8());
    folder.write(u"filter.txt"_s, twoRules());
    folder.write(u"Sorvanta.ini"_s,
                 ini(u"Debug=Yes\r\nHideErrorDialog=No\r\nUseProxy=Yes\r\nProxy=%1\r\n"
                     u"UserName=proxyuser\r\nPassword=%2\r\n"_s.arg(server.proxyAddress(), proxyPassword)));

    const CheckRun run = folder.run({u"/singleuser"_s});
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains(u"山手線"_s));
    QVERIFY(run.err.contains(server.url(u"/private"_s)));
    const QString runLog = decodeAnsiText(readFileBytes(folder.programFolder() + u"/~sorvanta.log"_s));
    const QString pageDump = decodeAnsiText(readFileBytes(folder.programFolder() + u"/~http.tmp"_s));
    QVERIFY(runLog.contains(u" [Get] "_s));
    QVERIFY(pageDump.contains(u"山手線"_s));
    for (const QString& secret : {u"page-pw-3"_s, u"proxy-pw-7"_s, pagePassword, proxyPassword}) {
        for (const QString& output : {run.out, run.err, runLog, pageDump})
            QVERIFY2(!output.contains(secret), qPrintable(secret));
    }
}

void TestSorvantaCheck::commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("usageOnStdout");
    QTest::addColumn<bool>("usageOnStderr");
    QTest::newRow("--help prints the usage") << QStringList{u"--help"_s} << 0 << true << false;
    QTest::newRow("unknown option is a usage error") << QStringList{u"--bogus"_s} << 2 << false << true;
    QTest::newRow("unknown option after the folder choice")
        << QStringList{u"/singleuser"_s, u"--bogus"_s} << 2 << false << true;
}

void TestSorvantaCheck::commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(bool, usageOnStdout);
    QFETCH(bool, usageOnStderr);
    CheckFolder folder;
    QVERIFY(folder.isValid());
    const CheckRun run = folder.run(arguments);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.out.contains(u"Usage: sorvanta-check"_s), usageOnStdout);
    QCOMPARE(run.err.contains(u"Usage: sorvanta-check"_s), usageOnStderr);
    if (usageOnStderr)
        QVERIFY(run.err.contains(arguments.last()));
}

void TestSorvantaCheck::settingsFolderChosenByArgument_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("folder"); // below the program folder, or "~" for the per-user folder
    QTest::newRow("/singleuser reads the program folder") << QStringList{u"/singleuser"_s} << QString();
    QTest::newRow("no argument reads the per-user folder") << QStringList{} << u"~"_s;
    QTest::newRow("/id= reads its folder below Settings") << QStringList{u"/id=東京"_s} << u"Settings/東京"_s;
}

void TestSorvantaCheck::settingsFolderChosenByArgument() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, folder);
    CheckFolder check;
    QVERIFY(check.isValid());
    TestHttpServer server;
    server.route("/chosen", Reply::ok(quietPage(), "text/html; charset=UTF-8"));
    server.route("/decoy", Reply::ok(quietPage(), "text/html; charset=UTF-8"));
    // The program folder's files are what a folder without its own copy would fall back to.
    check.write(u"url.txt"_s, pageLine(u"1"_s, server.url(u"/decoy"_s), u"既定"_s).toUtf8());
    check.write(u"Sorvanta.ini"_s, ini(u"ShowTextInstead=No\r\nDefaultMSG=既定の設定\r\n"_s));
    const QString settings = folder == u"~" ? check.configHome() + u"/kwSorvanta"_s : folder;
    const QString prefix = settings.isEmpty() ? QString() : settings + u"/"_s;
    check.write(prefix + u"url.txt"_s, pageLine(u"1"_s, server.url(u"/chosen"_s), u"選択"_s).toUtf8());
    check.write(prefix + u"Sorvanta.ini"_s, ini(u"ShowTextInstead=No\r\nDefaultMSG=選んだ設定\r\n"_s));

    const CheckRun run = check.run(arguments);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, u"0\t0\t選んだ設定\n"_s);
    QCOMPARE(requestedPaths(server), QStringList{u"/chosen"_s});
}

QTEST_GUILESS_MAIN(TestSorvantaCheck)
#include "tst_sorvantacheck.moc"
