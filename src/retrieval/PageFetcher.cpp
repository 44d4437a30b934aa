#include "retrieval/PageFetcher.h"

#include "retrieval/CurlEasy.h"
#include "retrieval/ProxySetting.h"

#include <QHash>
#include <QUrl>
#include <thread>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

constexpr int kAuthAttempts = 5; // shared by page (401) and proxy (407) authentication
constexpr auto kRetryWait = 300ms;
constexpr auto kStopCheckInterval = 20ms;
constexpr long kMaxRedirects = 10;

const QString kCrLf = u"\r\n"_s;
const QString kBlockEnd = u"\r\n\r\n"_s;

QString NoInternetText() {
    return u"インターネットに接続できません。ダウンロードを中止しました。"_s + kCrLf +
           u"インターネットの設定が正しいか確認してください。"_s + kBlockEnd;
}

QString CannotOpenText(const QString& url) {
    return u"'"_s + url + u"' が開けません。ダウンロードを中止しました。"_s + kCrLf +
           u"ダウンロードの設定が正しいか確認してください。"_s + kBlockEnd;
}

QString LimitText(qint64 maxBytes) {
    constexpr qint64 mebibyte = 1024 * 1024;
    if (maxBytes % mebibyte == 0)
        return u"(上限 "_s + QString::number(maxBytes / mebibyte) + u" MB)"_s;
    return u"(上限 "_s + QString::number(maxBytes) + u" バイト)"_s;
}

QString TooLargeText(const QString& url, qint64 maxBytes) {
    return u"'"_s + url + u"' は大きすぎるため、ダウンロードを中止しました。"_s + kCrLf +
           LimitText(maxBytes) + kBlockEnd;
}

QString PageAuthText(const QString& url, bool hasUserName) {
    const QString advice =
        hasUserName ? u"' の認証に失敗しました。ユーザー名とパスワードが正しいか確認してください。"_s
                    : u"' のダウンロードには認証が必要です。ユーザー名とパスワードを指定してください。"_s;
    return u"エラー : 401 Authorization Required"_s + kCrLf + u"'"_s + url + advice + kBlockEnd;
}

QString ProxyAuthText(bool hasUserName) {
    const QString advice =
        hasUserName ? u"プロキシ認証に失敗しました。ユーザー名とパスワードが正しいか確認してください。"_s
                    : u"プロキシ認証が必要です。ユーザー名とパスワードを指定してください。"_s;
    return u"エラー :407 "_s + HttpStatusText(407) + kCrLf + advice + kBlockEnd;
}

// The proxy password could not be restored from the settings: reported the way the update cycle
// reports a failed step, with the number and text of an invalid-argument error.
QString ProxyPasswordText(const QString& url) {
    return u"エラー5 : プロシージャの呼び出し、または引数が不正です。"_s + kCrLf + url +
           u" が正常にダウンロードできませんでした。"_s + kBlockEnd;
}

QString NotFoundText(const QString& url) {
    return u"エラー :404 "_s + HttpStatusText(404) + kCrLf + u"'"_s + url +
           u"' が正常にダウンロードできませんでした。"_s + kBlockEnd;
}

// Collects the body of a 200 answer; bodies of challenges and error pages are read and dropped.
struct BodySink {
    CURL* easy = nullptr;
    qint64 maxBytes = 0;
    const ProgressSignal* progress = nullptr;
    QByteArray body;
};

size_t WriteBody(char* data, size_t size, size_t count, void* userData) {
    auto* sink = static_cast<BodySink*>(userData);
    const size_t bytes = size * count;
    long status = 0;
    curl_easy_getinfo(sink->easy, CURLINFO_RESPONSE_CODE, &status);
    if (status != 200)
        return bytes;
    if (sink->body.size() + qint64(bytes) > sink->maxBytes)
        return 0; // ends the transfer with CURLE_WRITE_ERROR before memory grows past the cap
    if (sink->body.isEmpty()) {
        curl_off_t announced = -1;
        curl_easy_getinfo(sink->easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced);
        if (announced > 0 && announced <= sink->maxBytes)
            sink->body.reserve(qsizetype(announced));
    }
    sink->body.append(data, qsizetype(bytes));
    if (*sink->progress)
        (*sink->progress)(sink->body.size());
    return bytes;
}

// One call of FetchPage: the handle, the attempt counter and the result being built.
class PageDownload {
public:
    PageDownload(const FetchRequest& request, const StopSignal& shouldStop, const ProgressSignal& progress)
        : m_request(request)
        , m_stop(shouldStop) {
        m_sink.easy = m_curl.handle();
        m_sink.maxBytes = request.limits.maxBytes;
        m_sink.progress = &progress;
    }

    FetchResult run();

private:
    enum class Next { Retry, Finish, Abandon };

    void configure();
    void configureTransfer();
    Next handleStatus(long status);
    Next answerPageChallenge();
    Next answerProxyChallenge();
    void reportTransferError(TransferError error);
    bool waitBeforeRetry() const;
    bool stopRequested() const { return m_stop && m_stop(); }
    FetchResult abandoned() const;
    void appendUnlessHidden(const QString& text) {
        if (!m_request.hideErrorDialog)
            m_result.errorText += text;
    }

    const FetchRequest& m_request;
    const StopSignal& m_stop;
    CurlEasy m_curl;
    BodySink m_sink;
    FetchResult m_result;
    int m_attemptsLeft = kAuthAttempts;
};

FetchResult PageDownload::run() {
    if (!m_curl.isValid()) {
        appendUnlessHidden(NoInternetText());
        return m_result;
    }
    configure();
    Next next = Next::Retry;
    while (next == Next::Retry) {
        if (stopRequested())
            return abandoned();
        m_sink.body.clear();
        const std::optional<CURLcode> code = m_curl.perform(m_stop);
        if (!code)
            return abandoned();
        long status = m_curl.responseCode();
        if (*code != CURLE_OK) {
            // A proxy that refuses to open a tunnel for https is a proxy challenge like any other.
            if (m_curl.connectResponseCode() != 407) {
                reportTransferError(TransferErrorFor(*code));
                return m_result;
            }
            status = 407;
        }
        next = handleStatus(status);
    }
    return next == Next::Abandon ? abandoned() : m_result;
}

void PageDownload::configure() {
    const QUrl parsed(m_request.url, QUrl::TolerantMode);
    // Percent-encodes spaces and non-ASCII characters; libcurl refuses them raw.
    const QByteArray url = parsed.isValid() ? parsed.toEncoded() : m_request.url.toUtf8();
    m_curl.setText(CURLOPT_URL, url);
    m_curl.setText(CURLOPT_REFERER, url);
    m_curl.setText(CURLOPT_USERAGENT, m_request.debugAgent
                                          ? "Mozilla/4.0 (compatible; MSIE 5.01; Windows 98)"_ba
                                          : "Mozilla/4.0 (Sorvanta/2.0)"_ba);
    // libcurl writes the Host line itself from the URL, for https too.
    m_curl.setHeaders(
        {"Accept: */*"_ba, "Accept-Language: ja,en"_ba, "Cache-Control: no-cache"_ba, "Pragma: no-cache"_ba});
    m_curl.setText(CURLOPT_PROTOCOLS_STR, "http,https"_ba);
    m_curl.setText(CURLOPT_REDIR_PROTOCOLS_STR, "http,https"_ba);
    m_curl.set(CURLOPT_FOLLOWLOCATION, 1L);
    m_curl.set(CURLOPT_MAXREDIRS, kMaxRedirects);
    // Cookies live for this one download only: enough for sites that set one and redirect.
    m_curl.setText(CURLOPT_COOKIEFILE, QByteArray(""));
    // Basic only: the credentials go out with the next request itself, one request per attempt.
    m_curl.set(CURLOPT_HTTPAUTH, long(CURLAUTH_BASIC));
    m_curl.set(CURLOPT_PROXYAUTH, long(CURLAUTH_BASIC));
    configureTransfer();
    // Without a proxy text libcurl follows http_proxy, https_proxy and no_proxy from the
    // environment; an empty choice for this scheme means a direct connection.
    if (!m_request.proxy.trimmed().isEmpty()) {
        const QString scheme = parsed.scheme().isEmpty() ? u"http"_s : parsed.scheme().toLower();
        m_curl.setText(CURLOPT_PROXY, ProxyForScheme(m_request.proxy, scheme).toUtf8());
    }
}

void PageDownload::configureTransfer() {
    m_curl.set(CURLOPT_NOSIGNAL, 1L);
    m_curl.set(CURLOPT_CONNECTTIMEOUT_MS, long(m_request.limits.connectTimeout.count()));
    // The receive time-out: the transfer ends after this long without a single byte.
    m_curl.set(CURLOPT_LOW_SPEED_LIMIT, 1L);
    m_curl.set(CURLOPT_LOW_SPEED_TIME, long(m_request.limits.receiveTimeout.count()));
    m_curl.set(CURLOPT_MAXFILESIZE_LARGE, curl_off_t(m_request.limits.maxBytes));
    m_curl.set(CURLOPT_WRITEFUNCTION, &WriteBody);
    m_curl.set(CURLOPT_WRITEDATA, &m_sink);
}

PageDownload::Next PageDownload::handleStatus(long status) {
    switch (status) {
    case 200:
        m_result.body = std::move(m_sink.body);
        m_result.contentType = m_curl.contentType();
        return Next::Finish;
    case 401:
        return answerPageChallenge();
    case 407:
        return answerProxyChallenge();
    case 404:
        appendUnlessHidden(NotFoundText(m_request.url));
        return Next::Finish;
    default:
        return Next::Finish;
    }
}

PageDownload::Next PageDownload::answerPageChallenge() {
    if (--m_attemptsLeft <= 0) {
        if (stopRequested())
            return Next::Abandon;
        m_result.errorText += PageAuthText(m_request.url, !m_request.userName.isEmpty());
        return Next::Finish;
    }
    if (!m_request.userName.isEmpty()) {
        m_curl.setText(CURLOPT_USERNAME, m_request.userName.toUtf8());
        m_curl.setText(CURLOPT_PASSWORD, m_request.password.toUtf8());
    }
    return waitBeforeRetry() ? Next::Retry : Next::Abandon;
}

PageDownload::Next PageDownload::answerProxyChallenge() {
    if (!m_request.proxyPassword) {
        m_result.errorText += ProxyPasswordText(m_request.url);
        return Next::Finish;
    }
    if (--m_attemptsLeft <= 0) {
        if (stopRequested())
            return Next::Abandon;
        m_result.errorText += ProxyAuthText(!m_request.proxyUserName.isEmpty());
        return Next::Finish;
    }
    if (!m_request.proxyUserName.isEmpty()) {
        m_curl.setText(CURLOPT_PROXYUSERNAME, m_request.proxyUserName.toUtf8());
        m_curl.setText(CURLOPT_PROXYPASSWORD, m_request.proxyPassword->toUtf8());
    }
    return waitBeforeRetry() ? Next::Retry : Next::Abandon;
}

void PageDownload::reportTransferError(TransferError error) {
    switch (error) {
    case TransferError::None:
        break;
    case TransferError::TooLarge:
        appendUnlessHidden(TooLargeText(m_request.url, m_request.limits.maxBytes));
        break;
    case TransferError::CannotOpen:
        appendUnlessHidden(CannotOpenText(m_request.url));
        break;
    }
}

// The pause before answering a challenge; false when the stop signal came meanwhile.
bool PageDownload::waitBeforeRetry() const {
    const auto end = std::chrono::steady_clock::now() + kRetryWait;
    while (!stopRequested()) {
        const auto now = std::chrono::steady_clock::now();
        if (now >= end)
            return true;
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(kStopCheckInterval, end - now));
    }
    return false;
}

FetchResult PageDownload::abandoned() const {
    FetchResult result;
    result.abandoned = true;
    return result;
}

} // namespace

FetchResult FetchPage(const FetchRequest& request, const StopSignal& shouldStop,
                      const ProgressSignal& progress) {
    if (request.url.isEmpty())
        return {};
    PageDownload download(request, shouldStop, progress);
    return download.run();
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
