#include "retrieval/CycleTexts.h"

#include <QHash>
#include <QLocale>
#include <iterator>

using namespace Qt::StringLiterals;

namespace {

const QString CrLf = u"\r\n"_s;
const QString BlockEnd = u"\r\n\r\n"_s;
const QString NotDownloaded = u" が正常にダウンロードできませんでした。"_s;

QString CannotConnectError() {
    return u"インターネットに接続できません。ダウンロードを中止しました。"_s + CrLf +
           u"インターネットの設定が正しいか確認してください。"_s + BlockEnd;
}

QString CannotOpenError(const QString& url) {
    return u"'"_s + url + u"' が開けません。ダウンロードを中止しました。"_s + CrLf +
           u"ダウンロードの設定が正しいか確認してください。"_s + BlockEnd;
}

QString StatusError(int status, const QString& url) {
    if (status != 404)
        return {};
    return u"エラー :404 "_s + CycleTexts::HttpStatusText(404) + CrLf + u"'"_s + url + u"'"_s +
           NotDownloaded + BlockEnd;
}

QString PageAuthenticationError(const QString& url, bool hasUserName) {
    const QString advice =
        hasUserName ? u"' の認証に失敗しました。ユーザー名とパスワードが正しいか確認してください。"_s
                    : u"' のダウンロードには認証が必要です。ユーザー名とパスワードを指定してください。"_s;
    return u"エラー : 401 Authorization Required"_s + CrLf + u"'"_s + url + advice + BlockEnd;
}

QString ProxyAuthenticationError(bool hasUserName) {
    const QString advice =
        hasUserName ? u"プロキシ認証に失敗しました。ユーザー名とパスワードが正しいか確認してください。"_s
                    : u"プロキシ認証が必要です。ユーザー名とパスワードを指定してください。"_s;
    return u"エラー :407 "_s + CycleTexts::HttpStatusText(407) + CrLf + advice + BlockEnd;
}

QString SizeLimit(qint64 maxBytes) {
    constexpr qint64 mebibyte = 1024 * 1024;
    if (maxBytes % mebibyte == 0)
        return u"(上限 "_s + QString::number(maxBytes / mebibyte) + u" MB)"_s;
    return u"(上限 "_s + QString::number(maxBytes) + u" バイト)"_s;
}

QString TooLargeError(const QString& url, qint64 maxBytes) {
    return u"'"_s + url + u"' は大きすぎるため、ダウンロードを中止しました。"_s + CrLf + SizeLimit(maxBytes) +
           BlockEnd;
}

QString FailedStepError(int number, const QString& description, const QString& url) {
    return u"エラー"_s + QString::number(number) + u" : "_s + description + CrLf + url + NotDownloaded +
           BlockEnd;
}

QString BrokenPasswordError(const QString& url) {
    // Reported as error 5, with the text users know for it.
    return FailedStepError(5, u"プロシージャの呼び出し、または引数が不正です。"_s, url);
}

} // namespace

namespace CycleTexts {

QString ErrorBlock(const PageError& error, bool hideErrorDialog) {
    const auto unlessHidden = [hideErrorDialog](const QString& block) {
        return hideErrorDialog ? QString() : block;
    };
    switch (error.kind) {
    case PageError::Kind::EmptyPage:
        return u"エラー : "_s + CrLf + error.url + NotDownloaded + BlockEnd;
    case PageError::Kind::BrokenPassword:
        return BrokenPasswordError(error.url);
    case PageError::Kind::Download:
        break;
    }
    switch (error.failure) {
    case FetchFailure::None:
    case FetchFailure::Stopped:
        return {};
    case FetchFailure::AuthenticationFailed:
        return error.httpStatus == 407 ? ProxyAuthenticationError(error.userNameGiven)
                                       : PageAuthenticationError(error.url, error.userNameGiven);
    case FetchFailure::ProxyPasswordUnreadable:
        return BrokenPasswordError(error.url);
    case FetchFailure::CannotConnect:
        return unlessHidden(CannotConnectError());
    case FetchFailure::CannotOpen:
        return unlessHidden(CannotOpenError(error.url));
    case FetchFailure::HttpStatus:
        return unlessHidden(StatusError(error.httpStatus, error.url));
    case FetchFailure::TooLarge:
        return unlessHidden(TooLargeError(error.url, error.maxBytes));
    }
    return {};
}

QString ErrorBlocks(const QList<PageError>& errors, bool hideErrorDialog) {
    QString blocks;
    for (const PageError& error : errors)
        blocks += ErrorBlock(error, hideErrorDialog);
    return blocks;
}

QString ErrorLine(const PageError& error) {
    if (error.kind == PageError::Kind::Download && error.failure == FetchFailure::HttpStatus &&
        error.httpStatus != 404)
        return u"エラー :"_s + QString::number(error.httpStatus) + u' ' + HttpStatusText(error.httpStatus);
    QStringList lines = ErrorBlock(error, false).split(u'\n');
    for (QString& line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    // A heading alone ("エラー :") says nothing: the line after it tells which address failed.
    if (lines.size() > 1 && lines[0].endsWith(u':'))
        return lines[0] + u' ' + lines[1];
    return lines.value(0);
}

QString HttpStatusText(int status) {
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
        {500, u"Internal Server Error"_s},
        {501, u"Not Implemented"_s},
        {502, u"Bad Gateway"_s},
        {503, u"Service Unavailable"_s},
        {504, u"Gateway Time - out"_s},
        {505, u"HTTP Not Version"_s},
    };
    return texts.value(status, u"(不明なエラー)"_s);
}

QString NoInformation() {
    return u"情報はありません"_s;
}

QString NothingExtracted() {
    return u"抽出された情報はありません"_s;
}

QString ItemCount(int count) {
    return QString::number(count) + u"件の情報があります"_s;
}

QString Cancelled() {
    return u"ダウンロードを中止しました。"_s;
}

QString Completed() {
    return u"ダウンロードは完了しました。"_s;
}

QString Offline() {
    return u"インターネットに接続されていません。\r\n\r\n情報のダウンロードはできません。"_s;
}

QString Updating(const QString& name) {
    return u"'"_s + name + u"' を更新中"_s;
}

QString Progress(int page, int pages) {
    return QString::number(page) + u" / "_s + QString::number(pages);
}

QString ByteCount(qint64 count) {
    return QLocale(QLocale::English).toString(count) + u" バイト"_s;
}

QString PageStatusText(const PageStatus& status) {
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

QString EncodingUsed(const EncodingChoice& choice) {
    // In the order of EncodingSource.
    static constexpr QStringView Sources[] = {u"BOM", u"HTTP ヘッダー", u"meta タグ", u"XML 宣言",
                                              u"自動判別"};
    static_assert(std::size(Sources) == int(EncodingSource::Detected) + 1);
    return PageEncodingName(choice.encoding) + u"（"_s + Sources[int(choice.source)].toString() + u"）"_s;
}

} // namespace CycleTexts
