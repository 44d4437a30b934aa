#include "retrieval/CycleTexts.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(FetchFailure)
Q_DECLARE_METATYPE(PageError)

namespace {

const QString Url = u"http://example.jp/info"_s;

PageError download(FetchFailure failure, int status, OpenCause cause = OpenCause::Unknown) {
    PageError error = PageError::about(PageError::Kind::Download, Url);
    error.failure = failure;
    error.httpStatus = status;
    error.cause = cause;
    return error;
}

} // namespace

class TestCycleTexts : public QObject {
    Q_OBJECT
private slots:
    void downloadError_data();
    void downloadError();
    void errorLine_data();
    void errorLine();
    void failureToldOnceWithItsCause();
    void httpStatusText_data();
    void httpStatusText();
};

void TestCycleTexts::downloadError_data() {
    QTest::addColumn<FetchFailure>("failure");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("userName");
    QTest::addColumn<QString>("proxyUserName");
    QTest::addColumn<qint64>("maxBytes");
    QTest::addColumn<bool>("hide");
    QTest::addColumn<QString>("text");
    const qint64 cap = qint64(32) * 1024 * 1024;
    const QString cannotConnect = u"インターネットに接続できません。ダウンロードを中止しました。\r\n"
                                  u"インターネットの設定が正しいか確認してください。\r\n\r\n"_s;
    const QString cannotOpen = u"'http://example.jp/info' が開けません。ダウンロードを中止しました。\r\n"
                               u"ダウンロードの設定が正しいか確認してください。\r\n\r\n"_s;
    const QString notFound = u"エラー :404 Not Found\r\n'http://example.jp/info' "
                             u"が正常にダウンロードできませんでした。\r\n\r\n"_s;
    const QString pageAuthFailed =
        u"エラー : 401 Authorization Required\r\n'http://example.jp/info' "
        u"の認証に失敗しました。ユーザー名とパスワードが正しいか確認してください。\r\n\r\n"_s;
    const QString pageAuthNeeded =
        u"エラー : 401 Authorization Required\r\n'http://example.jp/info' "
        u"のダウンロードには認証が必要です。ユーザー名とパスワードを指定してください。\r\n\r\n"_s;
    const QString proxyAuthFailed =
        u"エラー :407 Proxy Authentication Required\r\n"
        u"プロキシ認証に失敗しました。ユーザー名とパスワードが正しいか確認してください。\r\n\r\n"_s;
    const QString proxyAuthNeeded =
        u"エラー :407 Proxy Authentication Required\r\n"
        u"プロキシ認証が必要です。ユーザー名とパスワードを指定してください。\r\n\r\n"_s;
    const QString proxyPassword = u"エラー5 : プロシージャの呼び出し、または引数が不正です。\r\n"
                                  u"http://example.jp/info が正常にダウンロードできませんでした。\r\n\r\n"_s;
    const QString tooLarge = u"'http://example.jp/info' は大きすぎるため、ダウンロードを中止しました。\r\n"_s;
    const QString none;

    QTest::newRow("page arrived") << FetchFailure::None << 200 << none << none << cap << false << none;
    QTest::newRow("stopped") << FetchFailure::Stopped << 0 << none << none << cap << false << none;
    QTest::newRow("cannot connect") << FetchFailure::CannotConnect << 0 << none << none << cap << false
                                    << cannotConnect;
    QTest::newRow("cannot connect, hidden")
        << FetchFailure::CannotConnect << 0 << none << none << cap << true << none;
    QTest::newRow("cannot open") << FetchFailure::CannotOpen << 0 << none << none << cap << false
                                 << cannotOpen;
    QTest::newRow("cannot open, hidden")
        << FetchFailure::CannotOpen << 0 << none << none << cap << true << none;
    QTest::newRow("404") << FetchFailure::HttpStatus << 404 << none << none << cap << false << notFound;
    QTest::newRow("404, hidden") << FetchFailure::HttpStatus << 404 << none << none << cap << true << none;
    QTest::newRow("other statuses untold")
        << FetchFailure::HttpStatus << 500 << none << none << cap << false << none;
    QTest::newRow("page authentication failed, even when hidden")
        << FetchFailure::AuthenticationFailed << 401 << u"taro"_s << none << cap << true << pageAuthFailed;
    QTest::newRow("page authentication needed")
        << FetchFailure::AuthenticationFailed << 401 << none << u"proxy"_s << cap << false << pageAuthNeeded;
    QTest::newRow("proxy authentication failed, even when hidden")
        << FetchFailure::AuthenticationFailed << 407 << none << u"proxy"_s << cap << true << proxyAuthFailed;
    QTest::newRow("proxy authentication needed")
        << FetchFailure::AuthenticationFailed << 407 << u"taro"_s << none << cap << false << proxyAuthNeeded;
    QTest::newRow("proxy password unreadable, even when hidden")
        << FetchFailure::ProxyPasswordUnreadable << 407 << none << u"proxy"_s << cap << true << proxyPassword;
    QTest::newRow("too large, cap in MB") << FetchFailure::TooLarge << 200 << none << none << cap << false
                                          << tooLarge + u"(上限 32 MB)\r\n\r\n"_s;
    QTest::newRow("too large, cap in bytes") << FetchFailure::TooLarge << 200 << none << none << qint64(1000)
                                             << false << tooLarge + u"(上限 1000 バイト)\r\n\r\n"_s;
    QTest::newRow("too large, hidden")
        << FetchFailure::TooLarge << 200 << none << none << cap << true << none;
    QTest::newRow("too slow") << FetchFailure::TooSlow << 200 << none << none << cap << false
                              << u"'http://example.jp/info' のダウンロードが遅すぎるため、中止しました。\r\n"
                                 u"(30 秒間の平均が毎秒 1024 バイト未満)\r\n\r\n"_s;
    QTest::newRow("past the whole download's limit")
        << FetchFailure::TookTooLong << 200 << none << none << cap << false
        << u"'http://example.jp/info' のダウンロードが 5 分を超えたため、中止しました。\r\n"
           u"(ダウンロードにかけられる時間の上限)\r\n\r\n"_s;
    QTest::newRow("a server busy still")
        << FetchFailure::HttpStatus << 503 << none << none << cap << false
        << u"エラー :503 Service Unavailable\r\n'http://example.jp/info' が正常にダウンロードできませんでした。\r\n\r\n"_s;
}

void TestCycleTexts::downloadError() {
    QFETCH(FetchFailure, failure);
    QFETCH(int, status);
    QFETCH(QString, userName);
    QFETCH(QString, proxyUserName);
    QFETCH(qint64, maxBytes);
    QFETCH(bool, hide);
    QFETCH(QString, text);
    FetchRequest request;
    request.url = Url;
    request.userName = userName;
    request.proxyUserName = proxyUserName;
    request.limits.maxBytes = maxBytes;
    FetchResult result;
    result.failure = failure;
    result.httpStatus = status;
    const std::optional<PageError> error = downloadFailure(result, request);
    QCOMPARE(error ? CycleTexts::errorBlock(*error, hide) : QString(), text);
}

void TestCycleTexts::errorLine_data() {
    QTest::addColumn<PageError>("error");
    QTest::addColumn<QString>("line");
    using Kind = PageError::Kind;
    QTest::newRow("404") << download(FetchFailure::HttpStatus, 404) << u"エラー :404 Not Found"_s;
    QTest::newRow("a status the log leaves untold")
        << download(FetchFailure::HttpStatus, 503) << u"エラー :503 Service Unavailable"_s;
    QTest::newRow("cannot open") << download(FetchFailure::CannotOpen, 0)
                                 << u"'http://example.jp/info' が開けません。ダウンロードを中止しました。"_s;
    QTest::newRow("empty page: the heading joined to the address")
        << PageError::about(Kind::EmptyPage, Url)
        << u"エラー : http://example.jp/info が正常にダウンロードできませんでした。"_s;
    QTest::newRow("broken password") << PageError::about(Kind::BrokenPassword, Url)
                                     << u"エラー5 : プロシージャの呼び出し、または引数が不正です。"_s;
}

void TestCycleTexts::errorLine() {
    QFETCH(PageError, error);
    QFETCH(QString, line);
    QCOMPARE(CycleTexts::errorLine(error), line);
}

// A failure is told once, with its cause: by its own block, or where that is hidden, by the empty page's.
void TestCycleTexts::failureToldOnceWithItsCause() {
    const PageError refused = download(FetchFailure::CannotOpen, 0, OpenCause::Refused);
    const PageError empty = PageError::about(PageError::Kind::EmptyPage, Url);
    const QString opening = u"'http://example.jp/info' が開けません。ダウンロードを中止しました。"_s;
    QCOMPARE(
        CycleTexts::errorBlocks({refused, empty}, false),
        opening +
            u"\r\nダウンロードの設定が正しいか確認してください。\r\n原因: 接続を拒否されました\r\n\r\n"_s);
    QCOMPARE(
        CycleTexts::errorBlocks({download(FetchFailure::CannotOpen, 0, OpenCause::NoAnswer), empty}, true),
        u"エラー : \r\nhttp://example.jp/info が正常にダウンロードできませんでした。\r\n原因: 応答がありません (15 秒)\r\n\r\n"_s);
    QCOMPARE(CycleTexts::errorDetail(refused), opening + u"\n原因: 接続を拒否されました"_s);
    QCOMPARE(CycleTexts::finalProgress(2, 1), u"2 / 2 (エラー 1 件)"_s);
}

void TestCycleTexts::httpStatusText_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");
    // The odd spellings are the ones users know from the program's messages.
    const QList<std::pair<int, QString>> table{
        {401, u"Unauthorized"_s},       {407, u"Proxy Authentication Required"_s},
        {408, u"Request Time - out"_s}, {414, u"Request-URI Too Large"_s},
        {504, u"Gateway Time - out"_s}, {505, u"HTTP Not Version"_s},
        {200, u"(不明なエラー)"_s},     {416, u"(不明なエラー)"_s},
        {0, u"(不明なエラー)"_s},       {-1, u"(不明なエラー)"_s},
    };
    for (const auto& [status, text] : table)
        QTest::addRow("%d", status) << status << text;
}

void TestCycleTexts::httpStatusText() {
    QFETCH(int, status);
    QFETCH(QString, text);
    QCOMPARE(CycleTexts::httpStatusText(status), text);
}

QTEST_GUILESS_MAIN(TestCycleTexts)
#include "tst_cycletexts.moc"
