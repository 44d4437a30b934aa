#include "retrieval/CycleTexts.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <iterator>

using namespace Qt::StringLiterals;

namespace {

const QString CrLf = u"\r\n"_s;
const QString BlockEnd = u"\r\n\r\n"_s;
// "<where> が正常にダウンロードできませんでした。"
QString notDownloaded(const QString& where) {
    return QCoreApplication::translate("CycleTexts", "%1 が正常にダウンロードできませんでした。").arg(where);
}

QString cannotConnectError() {
    return QCoreApplication::translate("CycleTexts",
                                       "インターネットに接続できません。ダウンロードを中止しました。") +
           CrLf +
           QCoreApplication::translate("CycleTexts", "インターネットの設定が正しいか確認してください。") +
           BlockEnd;
}

// The line that says why, when there is something to say.
QString causeLine(const QString& cause) {
    return cause.isEmpty() ? QString()
                           : CrLf + QCoreApplication::translate("CycleTexts", "原因: %1").arg(cause);
}

QString cannotOpenError(const PageError& error) {
    return QCoreApplication::translate("CycleTexts", "'%1' が開けません。ダウンロードを中止しました。")
               .arg(error.url) +
           CrLf +
           QCoreApplication::translate("CycleTexts", "ダウンロードの設定が正しいか確認してください。") +
           causeLine(CycleTexts::cause(error)) + BlockEnd;
}

QString emptyPageError(const QString& url, const QString& cause) {
    return QCoreApplication::translate("CycleTexts", "エラー : ") + CrLf + notDownloaded(url) +
           causeLine(cause) + BlockEnd;
}

QString wholeSeconds(std::chrono::milliseconds duration) {
    return QString::number(std::chrono::ceil<std::chrono::seconds>(duration).count());
}

// A page not found, and a server too busy still when asked again, are told; other statuses are not
// (the empty page that follows tells of them).
QString statusError(int status, const QString& url) {
    if (status != 404 && status != 429 && status != 503)
        return {};
    return QCoreApplication::translate("CycleTexts", "エラー :%1")
               .arg(QString::number(status) + u' ' + CycleTexts::httpStatusText(status)) +
           CrLf + notDownloaded(u"'"_s + url + u"'"_s) + BlockEnd;
}

QString slowError(const QString& url, const FetchLimits& limits) {
    const qint64 window = std::chrono::duration_cast<std::chrono::seconds>(limits.speedWindow).count();
    return QCoreApplication::translate("CycleTexts", "'%1' のダウンロードが遅すぎるため、中止しました。")
               .arg(url) +
           CrLf +
           QCoreApplication::translate("CycleTexts", "(%1 秒間の平均が毎秒 %2 バイト未満)")
               .arg(QString::number(window), QString::number(limits.minimumBytesPerSecond)) +
           BlockEnd;
}

QString longError(const QString& url, const FetchLimits& limits) {
    const qint64 seconds = std::chrono::duration_cast<std::chrono::seconds>(limits.totalDeadline).count();
    const QString limit = seconds % 60 == 0
                              ? QCoreApplication::translate("CycleTexts", "%1 分").arg(seconds / 60)
                              : QCoreApplication::translate("CycleTexts", "%1 秒").arg(seconds);
    return QCoreApplication::translate("CycleTexts", "'%1' のダウンロードが %2を超えたため、中止しました。")
               .arg(url, limit) +
           CrLf + QCoreApplication::translate("CycleTexts", "(ダウンロードにかけられる時間の上限)") +
           BlockEnd;
}

QString pageAuthenticationError(const QString& url, bool hasUserName) {
    const QString advice =
        hasUserName
            ? QCoreApplication::translate(
                  "CycleTexts",
                  "'%1' の認証に失敗しました。ユーザー名とパスワードが正しいか確認してください。")
            : QCoreApplication::translate(
                  "CycleTexts",
                  "'%1' のダウンロードには認証が必要です。ユーザー名とパスワードを指定してください。");
    return QCoreApplication::translate("CycleTexts", "エラー : 401 Authorization Required") + CrLf +
           advice.arg(url) + BlockEnd;
}

QString proxyAuthenticationError(bool hasUserName) {
    const QString advice =
        hasUserName ? QCoreApplication::translate(
                          "CycleTexts",
                          "プロキシ認証に失敗しました。ユーザー名とパスワードが正しいか確認してください。")
                    : QCoreApplication::translate(
                          "CycleTexts", "プロキシ認証が必要です。ユーザー名とパスワードを指定してください。");
    return QCoreApplication::translate("CycleTexts", "エラー :%1")
               .arg(u"407 "_s + CycleTexts::httpStatusText(407)) +
           CrLf + advice + BlockEnd;
}

QString sizeLimit(qint64 maxBytes) {
    constexpr qint64 mebibyte = 1024 * 1024;
    if (maxBytes % mebibyte == 0)
        return QCoreApplication::translate("CycleTexts", "(上限 %1 MB)").arg(maxBytes / mebibyte);
    return QCoreApplication::translate("CycleTexts", "(上限 %1 バイト)").arg(maxBytes);
}

QString tooLargeError(const QString& url, qint64 maxBytes) {
    return QCoreApplication::translate("CycleTexts", "'%1' は大きすぎるため、ダウンロードを中止しました。")
               .arg(url) +
           CrLf + sizeLimit(maxBytes) + BlockEnd;
}

QString failedStepError(int number, const QString& description, const QString& url) {
    return QCoreApplication::translate("CycleTexts", "エラー%1 : %2")
               .arg(QString::number(number), description) +
           CrLf + notDownloaded(url) + BlockEnd;
}

QString brokenPasswordError(const QString& url) {
    // Reported as error 5, with the text users know for it.
    return failedStepError(
        5, QCoreApplication::translate("CycleTexts", "プロシージャの呼び出し、または引数が不正です。"), url);
}

// The encoding of a page and where it was read from, as shown (translated) or as the run log keeps it.
QString encodingText(const EncodingChoice& choice, bool shown) {
    // In the order of EncodingSource.
    static constexpr const char* Sources[] = {
        QT_TRANSLATE_NOOP("CycleTexts", "BOM"), QT_TRANSLATE_NOOP("CycleTexts", "HTTP ヘッダー"),
        QT_TRANSLATE_NOOP("CycleTexts", "meta タグ"), QT_TRANSLATE_NOOP("CycleTexts", "XML 宣言"),
        QT_TRANSLATE_NOOP("CycleTexts", "自動判別")};
    static_assert(std::size(Sources) == int(EncodingSource::Detected) + 1);
    static constexpr const char* Form = QT_TRANSLATE_NOOP("CycleTexts", "%1（%2）");
    const auto text = [shown](const char* source) {
        return shown ? QCoreApplication::translate("CycleTexts", source) : QString::fromUtf8(source);
    };
    return text(Form).arg(pageEncodingName(choice.encoding), text(Sources[int(choice.source)]));
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
        return QCoreApplication::translate("CycleTexts", "受け取ったページが空でした");
    if (error.kind != PageError::Kind::Download)
        return {};
    if (error.failure == FetchFailure::HttpStatus)
        return u"HTTP "_s + QString::number(error.httpStatus) + u' ' + httpStatusText(error.httpStatus);
    if (error.failure != FetchFailure::CannotOpen)
        return {};
    switch (error.cause) {
    case OpenCause::Refused:
        return QCoreApplication::translate("CycleTexts", "接続を拒否されました");
    case OpenCause::HostNotFound:
        return QCoreApplication::translate("CycleTexts", "ホストが見つかりません");
    case OpenCause::Certificate:
        return QCoreApplication::translate("CycleTexts", "証明書を確認できません");
    case OpenCause::TlsHandshake:
        return QCoreApplication::translate("CycleTexts", "安全な接続 (TLS) を確立できません");
    case OpenCause::NoConnectAnswer:
        return QCoreApplication::translate("CycleTexts", "応答がありません (%1 秒)")
            .arg(wholeSeconds(error.limits.connectTimeout));
    case OpenCause::NoAnswer:
        return QCoreApplication::translate("CycleTexts", "応答がありません (%1 秒)")
            .arg(wholeSeconds(error.limits.receiveTimeout));
    case OpenCause::TooManyRedirects:
        return QCoreApplication::translate("CycleTexts", "リダイレクトが多すぎます");
    case OpenCause::BadAddress:
        return QCoreApplication::translate("CycleTexts", "アドレスが正しくありません");
    case OpenCause::ConnectionLost:
        return QCoreApplication::translate("CycleTexts", "接続が途中で切れました");
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
    return line + u"\n"_s + QCoreApplication::translate("CycleTexts", "原因: %1").arg(why);
}

QString errorLine(const PageError& error) {
    if (error.kind == PageError::Kind::Download && error.failure == FetchFailure::HttpStatus &&
        error.httpStatus != 404)
        return QCoreApplication::translate("CycleTexts", "エラー :%1")
            .arg(QString::number(error.httpStatus) + u' ' + httpStatusText(error.httpStatus));
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
    return texts.value(status, QCoreApplication::translate("CycleTexts", "(不明なエラー)"));
}

QString noInformation() {
    return QCoreApplication::translate("CycleTexts", "情報はありません");
}

QString nothingExtracted() {
    return QCoreApplication::translate("CycleTexts", "抽出された情報はありません");
}

QString itemCount(int count) {
    return QCoreApplication::translate("CycleTexts", "%1件の情報があります").arg(count);
}

QString cancelled() {
    return QCoreApplication::translate("CycleTexts", "ダウンロードを中止しました。");
}

QString completed() {
    return QCoreApplication::translate("CycleTexts", "ダウンロードは完了しました。");
}

QString finalProgress(int pages, int failedPages) {
    const QString done = progress(pages, pages);
    return failedPages == 0 ? done
                            : QCoreApplication::translate("CycleTexts", "%1 (エラー %2 件)")
                                  .arg(done, QString::number(failedPages));
}

QString withFailedPages(const QString& status, int failedPages) {
    if (failedPages == 0)
        return status;
    return QCoreApplication::translate("CycleTexts", "%1。%2 ページでエラー")
        .arg(status, QString::number(failedPages));
}

QString offline() {
    return QCoreApplication::translate(
        "CycleTexts", "インターネットに接続されていません。\r\n\r\n情報のダウンロードはできません。");
}

QString updating(const QString& name) {
    return QCoreApplication::translate("CycleTexts", "'%1' を更新中").arg(name);
}

QString progress(int page, int pages) {
    return QString::number(page) + u" / "_s + QString::number(pages);
}

QString byteCount(qint64 count) {
    return QCoreApplication::translate("CycleTexts", "%1 バイト")
        .arg(QLocale(QLocale::English).toString(count));
}

QString pageStatusText(const PageStatus& status) {
    switch (status.kind) {
    case PageStatus::Kind::Items:
        return QCoreApplication::translate("CycleTexts", "%1件").arg(status.itemCount);
    case PageStatus::Kind::NoMatch:
        return QCoreApplication::translate("CycleTexts", "該当なし");
    case PageStatus::Kind::Error:
        break;
    }
    return QCoreApplication::translate("CycleTexts", "エラー");
}

QString encodingUsed(const EncodingChoice& choice) {
    return encodingText(choice, true);
}

QString encodingLogged(const EncodingChoice& choice) {
    return encodingText(choice, false);
}

} // namespace CycleTexts
