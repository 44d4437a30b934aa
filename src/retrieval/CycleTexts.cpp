#include "retrieval/CycleTexts.h"

#include <QHash>
#include <QLocale>
#include <iterator>

using namespace Qt::StringLiterals;

namespace {

const QString CrLf = u"\r\n"_s;
const QString BlockEnd = u"\r\n\r\n"_s;
const QString NotDownloaded = u" が正常にダウンロードできませんでした。"_s;

QString cannotConnectError() {
    return u"インターネットに接続できません。ダウンロードを中止しました。"_s + CrLf +
           u"インターネットの設定が正しいか確認してください。"_s + BlockEnd;
}

// The line that says why, when there is something to say.
QString causeLine(const QString& cause) {
    return cause.isEmpty() ? QString() : CrLf + u"原因: "_s + cause;
}

QString cannotOpenError(const PageError& error) {
    return u"'"_s + error.url + u"' が開けません。ダウンロードを中止しました。"_s + CrLf +
           u"ダウンロードの設定が正しいか確認してください。"_s + causeLine(CycleTexts::cause(error)) +
           BlockEnd;
}

QString emptyPageError(const QString& url, const QString& cause) {
    return u"エラー : "_s + CrLf + url + NotDownloaded + causeLine(cause) + BlockEnd;
}

QString wholeSeconds(std::chrono::milliseconds duration) {
    return QString::number(std::chrono::ceil<std::chrono::seconds>(duration).count());
}

// A page not found, and a server too busy still when asked again, are told; other statuses are not
// (the empty page that follows tells of them).
QString statusError(int status, const QString& url) {
    if (status != 404 && status != 429 && status != 503)
        return {};
    return u"エラー :"_s + QString::number(status) + u' ' + CycleTexts::httpStatusText(status) + CrLf +
           u"'"_s + url + u"'"_s + NotDownloaded + BlockEnd;
}

QString slowError(const QString& url, const FetchLimits& limits) {
    const qint64 window = std::chrono::duration_cast<std::chrono::seconds>(limits.speedWindow).count();
    return u"'"_s + url + u"' のダウンロードが遅すぎるため、中止しました。"_s + CrLf + u"("_s +
           QString::number(window) + u" 秒間の平均が毎秒 "_s + QString::number(limits.minimumBytesPerSecond) +
           u" バイト未満)"_s + BlockEnd;
}

QString longError(const QString& url, const FetchLimits& limits) {
    const qint64 seconds = std::chrono::duration_cast<std::chrono::seconds>(limits.totalDeadline).count();
    const QString limit =
        seconds % 60 == 0 ? QString::number(seconds / 60) + u" 分"_s : QString::number(seconds) + u" 秒"_s;
    return u"'"_s + url + u"' のダウンロードが "_s + limit + u"を超えたため、中止しました。"_s + CrLf +
           u"(ダウンロードにかけられる時間の上限)"_s + BlockEnd;
}

QString pageAuthenticationError(const QString& url, bool hasUserName) {
    const QString advice =
        hasUserName ? u"' の認証に失敗しました。ユーザー名とパスワードが正しいか確認してください。"_s
                    : u"' のダウンロードには認証が必要です。ユーザー名とパスワードを指定してください。"_s;
    return u"エラー : 401 Authorization Required"_s + CrLf + u"'"_s + url + advice + BlockEnd;
}

QString proxyAuthenticationError(bool hasUserName) {
    const QString advice =
        hasUserName ? u"プロキシ認証に失敗しました。ユーザー名とパスワードが正しいか確認してください。"_s
                    : u"プロキシ認証が必要です。ユーザー名とパスワードを指定してください。"_s;
    return u"エラー :407 "_s + CycleTexts::httpStatusText(407) + CrLf + advice + BlockEnd;
}

QString sizeLimit(qint64 maxBytes) {
    constexpr qint64 mebibyte = 1024 * 1024;
    if (maxBytes % mebibyte == 0)
        return u"(上限 "_s + QString::number(maxBytes / mebibyte) + u" MB)"_s;
    return u"(上限 "_s + QString::number(maxBytes) + u" バイト)"_s;
}

QString tooLargeError(const QString& url, qint64 maxBytes) {
    return u"'"_s + url + u"' は大きすぎるため、ダウンロードを中止しました。"_s + CrLf + sizeLimit(maxBytes) +
           BlockEnd;
}

QString failedStepError(int number, const QString& description, const QString& url) {
    return u"エラー"_s + QString::number(number) + u" : "_s + description + CrLf + url + NotDownloaded +
           BlockEnd;
}

QString brokenPasswordError(const QString& url) {
    // Reported as error 5, with the text users know for it.
    return failedStepError(5, u"プロシージャの呼び出し、または引数が不正です。"_s, url);
}

} // namespace

namespace CycleTexts {

QString errorBlock(const PageError& error, bool hideErrorDialog) {
    const auto unlessHidden = [hideErrorDialog](const QString& block) {
        return hideErrorDialog ? QString() : block;
    };
    switch (error.kind) {
    case PageError::Kind::EmptyPage:
        return emptyPageError(error.url, cause(error));
    case PageError::Kind::BrokenPassword:
        return brokenPasswordError(error.url);
    case PageError::Kind::Download:
        break;
    }
    switch (error.failure) {
    case FetchFailure::None:
    case FetchFailure::Stopped:
        return {};
    case FetchFailure::AuthenticationFailed:
        return error.httpStatus == 407 ? proxyAuthenticationError(error.userNameGiven)
                                       : pageAuthenticationError(error.url, error.userNameGiven);
    case FetchFailure::ProxyPasswordUnreadable:
        return brokenPasswordError(error.url);
    case FetchFailure::CannotConnect:
        return unlessHidden(cannotConnectError());
    case FetchFailure::CannotOpen:
        return unlessHidden(cannotOpenError(error));
    case FetchFailure::HttpStatus:
        return unlessHidden(statusError(error.httpStatus, error.url));
    case FetchFailure::TooLarge:
        return unlessHidden(tooLargeError(error.url, error.limits.maxBytes));
    case FetchFailure::TooSlow:
        return unlessHidden(slowError(error.url, error.limits));
    case FetchFailure::TookTooLong:
        return unlessHidden(longError(error.url, error.limits));
    }
    return {};
}

// A failed download leaves an empty page behind: it is told once, by the failure's own block, or
// where that block is not shown, by the empty page's with the failure's cause.
QString errorBlocks(const QList<PageError>& errors, bool hideErrorDialog) {
    QString blocks;
    const PageError* failure = nullptr;
    bool failureTold = false;
    for (const PageError& error : errors) {
        if (error.kind == PageError::Kind::EmptyPage) {
            if (!failureTold)
                blocks += emptyPageError(error.url, cause(failure ? *failure : error));
            continue;
        }
        const QString block = errorBlock(error, hideErrorDialog);
        if (error.kind == PageError::Kind::Download) {
            failure = &error;
            failureTold = !block.isEmpty();
        }
        blocks += block;
    }
    return blocks;
}

QString cause(const PageError& error) {
    if (error.kind == PageError::Kind::EmptyPage)
        return u"受け取ったページが空でした"_s;
    if (error.kind != PageError::Kind::Download)
        return {};
    if (error.failure == FetchFailure::HttpStatus)
        return u"HTTP "_s + QString::number(error.httpStatus) + u' ' + httpStatusText(error.httpStatus);
    if (error.failure != FetchFailure::CannotOpen)
        return {};
    switch (error.cause) {
    case OpenCause::Refused:
        return u"接続を拒否されました"_s;
    case OpenCause::HostNotFound:
        return u"ホストが見つかりません"_s;
    case OpenCause::Certificate:
        return u"証明書を確認できません"_s;
    case OpenCause::TlsHandshake:
        return u"安全な接続 (TLS) を確立できません"_s;
    case OpenCause::NoConnectAnswer:
        return u"応答がありません ("_s + wholeSeconds(error.limits.connectTimeout) + u" 秒)"_s;
    case OpenCause::NoAnswer:
        return u"応答がありません ("_s + wholeSeconds(error.limits.receiveTimeout) + u" 秒)"_s;
    case OpenCause::TooManyRedirects:
        return u"リダイレクトが多すぎます"_s;
    case OpenCause::BadAddress:
        return u"アドレスが正しくありません"_s;
    case OpenCause::ConnectionLost:
        return u"接続が途中で切れました"_s;
    case OpenCause::Unknown:
        break;
    }
    return {};
}

QString errorDetail(const PageError& error) {
    const QString line = errorLine(error);
    const QString why = cause(error);
    if (why.isEmpty() || error.failure == FetchFailure::HttpStatus)
        return line;
    return line + u"\n原因: "_s + why;
}

QString errorLine(const PageError& error) {
    if (error.kind == PageError::Kind::Download && error.failure == FetchFailure::HttpStatus &&
        error.httpStatus != 404)
        return u"エラー :"_s + QString::number(error.httpStatus) + u' ' + httpStatusText(error.httpStatus);
    QStringList lines = errorBlock(error, false).split(u'\n');
    for (QString& line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    // A heading alone ("エラー :") says nothing: the line after it tells which address failed.
    if (lines.size() > 1 && lines[0].endsWith(u':'))
        return lines[0] + u' ' + lines[1];
    return lines.value(0);
}

QString httpStatusText(int status) {
    static const QHash<int, QString> texts{
        {400, u"Bad Request"_s},
        {401, u"Unauthorized"_s},
        {402, u"Payment Required"_s},
        {403, u"Forbidden"_s},
        {404, u"Not Found"_s},
        {405, u"Method Not Allowed"_s},
        {406, u"Not Acceptable"_s},
        {407, u"Proxy Authentication Required"_s},
        {408, u"Request Time - out"_s},
        {409, u"Conflict"_s},
        {410, u"Gone"_s},
        {411, u"Length Required"_s},
        {412, u"Precondition Failed"_s},
        {413, u"Request Entity Too Large"_s},
        {414, u"Request-URI Too Large"_s},
        {415, u"Unsupported Media Type"_s},
        {429, u"Too Many Requests"_s},
        {500, u"Internal Server Error"_s},
        {501, u"Not Implemented"_s},
        {502, u"Bad Gateway"_s},
        {503, u"Service Unavailable"_s},
        {504, u"Gateway Time - out"_s},
        {505, u"HTTP Not Version"_s},
    };
    return texts.value(status, u"(不明なエラー)"_s);
}

QString noInformation() {
    return u"情報はありません"_s;
}

QString nothingExtracted() {
    return u"抽出された情報はありません"_s;
}

QString itemCount(int count) {
    return QString::number(count) + u"件の情報があります"_s;
}

QString cancelled() {
    return u"ダウンロードを中止しました。"_s;
}

QString completed() {
    return u"ダウンロードは完了しました。"_s;
}

QString finalProgress(int pages, int failedPages) {
    const QString done = progress(pages, pages);
    return failedPages == 0 ? done : done + u" (エラー "_s + QString::number(failedPages) + u" 件)"_s;
}

QString withFailedPages(const QString& status, int failedPages) {
    if (failedPages == 0)
        return status;
    return status + u"。"_s + QString::number(failedPages) + u" ページでエラー"_s;
}

QString offline() {
    return u"インターネットに接続されていません。\r\n\r\n情報のダウンロードはできません。"_s;
}

QString updating(const QString& name) {
    return u"'"_s + name + u"' を更新中"_s;
}

QString progress(int page, int pages) {
    return QString::number(page) + u" / "_s + QString::number(pages);
}

QString byteCount(qint64 count) {
    return QLocale(QLocale::English).toString(count) + u" バイト"_s;
}

QString pageStatusText(const PageStatus& status) {
    switch (status.kind) {
    case PageStatus::Kind::Items:
        return QString::number(status.itemCount) + u"件"_s;
    case PageStatus::Kind::NoMatch:
        return u"該当なし"_s;
    case PageStatus::Kind::Error:
        break;
    }
    return u"エラー"_s;
}

QString encodingUsed(const EncodingChoice& choice) {
    // In the order of EncodingSource.
    static constexpr QStringView Sources[] = {u"BOM", u"HTTP ヘッダー", u"meta タグ", u"XML 宣言",
                                              u"自動判別"};
    static_assert(std::size(Sources) == int(EncodingSource::Detected) + 1);
    return pageEncodingName(choice.encoding) + u"（"_s + Sources[int(choice.source)].toString() + u"）"_s;
}

} // namespace CycleTexts
