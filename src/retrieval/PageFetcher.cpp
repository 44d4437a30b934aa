#include "retrieval/PageFetcher.h"

#include "base/HugePages.h"
#include "retrieval/CurlEasy.h"
#include "retrieval/ProxySetting.h"

#include <QUrl>
#include <thread>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

constexpr int kAuthAttempts = 5; // shared by page (401) and proxy (407) authentication
constexpr auto kRetryWait = 300ms;
constexpr auto kStopCheckInterval = 20ms;
constexpr long kMaxRedirects = 10;

// Collects the body of a 200 answer. Refusing bytes ends the transfer with CURLE_WRITE_ERROR; the
// flags tell why.
struct BodySink {
    CURL* easy = nullptr;
    qint64 maxBytes = 0;
    const ProgressSignal* progress = nullptr;
    QByteArray body;
    bool unwanted = false; // the answer was not a 200: its status is all we need
    bool tooLarge = false;

    void clear() {
        body.clear();
        unwanted = tooLarge = false;
    }
};

size_t writeBody(char* data, size_t size, size_t count, void* userData) {
    auto* sink = static_cast<BodySink*>(userData);
    const size_t bytes = size * count;
    long status = 0;
    curl_easy_getinfo(sink->easy, CURLINFO_RESPONSE_CODE, &status);
    if (status != 200) {
        sink->unwanted = true;
        return 0;
    }
    if (sink->body.isEmpty()) {
        curl_off_t announced = -1;
        curl_easy_getinfo(sink->easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced);
        sink->tooLarge = announced > sink->maxBytes;
        if (announced > 0 && !sink->tooLarge) {
            sink->body.reserve(qsizetype(announced));
            adviseHugePages(sink->body.data(), sink->body.capacity());
        }
    }
    sink->tooLarge = sink->tooLarge || sink->body.size() + qint64(bytes) > sink->maxBytes;
    if (sink->tooLarge)
        return 0; // before memory grows past the cap
    sink->body.append(data, qsizetype(bytes));
    if (*sink->progress)
        (*sink->progress)(sink->body.size());
    return bytes;
}

OpenCause openCause(CURLcode code, bool connected) {
    switch (code) {
    case CURLE_COULDNT_CONNECT:
        return OpenCause::Refused;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
        return OpenCause::HostNotFound;
    case CURLE_SSL_CONNECT_ERROR:
        return OpenCause::TlsHandshake;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
        return OpenCause::Certificate;
    case CURLE_OPERATION_TIMEDOUT:
        return connected ? OpenCause::NoAnswer : OpenCause::NoConnectAnswer;
    case CURLE_TOO_MANY_REDIRECTS:
        return OpenCause::TooManyRedirects;
    case CURLE_URL_MALFORMAT:
    case CURLE_UNSUPPORTED_PROTOCOL:
        return OpenCause::BadAddress;
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
        return OpenCause::ConnectionLost;
    default:
        return OpenCause::Unknown;
    }
}

// One call of fetchPage: the handle, the attempt counter and the result being built.
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
    using SteadyClock = std::chrono::steady_clock;

    void configure();
    void configureTransfer();
    Next handleStatus(int status);
    Next answerPageChallenge();
    Next answerProxyChallenge();
    Next answerBusyServer(int status);
    Next fail(FetchFailure failure);
    Next waitBeforeRetry(std::chrono::milliseconds wait = kRetryWait);
    bool tooSlow(SteadyClock::time_point now);
    // libcurl's own timer for the deadline starts a moment after ours: a little slack.
    bool pastDeadline() const { return SteadyClock::now() + kStopCheckInterval >= m_deadline; }
    std::optional<FetchFailure> perform();
    bool stopRequested() const { return m_stop && m_stop(); }
    FetchResult abandoned() const;

    const FetchRequest& m_request;
    const StopSignal& m_stop;
    CurlEasy m_curl;
    BodySink m_sink;
    FetchResult m_result;
    int m_attemptsLeft = kAuthAttempts;
    bool m_askedAgainWhenBusy = false;
    SteadyClock::time_point m_deadline;
    // The stretch of the transfer whose speed is being measured: when it began, with how many bytes.
    SteadyClock::time_point m_windowStart;
    curl_off_t m_windowBytes = 0;
};

FetchResult PageDownload::run() {
    if (!m_curl.isValid()) {
        m_result.failure = FetchFailure::CannotConnect;
        return m_result;
    }
    m_deadline = SteadyClock::now() + m_request.limits.totalDeadline;
    configure();
    Next next = Next::Retry;
    while (next == Next::Retry) {
        if (stopRequested())
            return abandoned();
        const std::optional<FetchFailure> failure = perform();
        if (!failure)
            return abandoned();
        if (*failure != FetchFailure::None) {
            m_result.failure = *failure;
            return m_result;
        }
        next = handleStatus(m_result.httpStatus);
    }
    return next == Next::Abandon ? abandoned() : m_result;
}

// One request within what is left of the deadline, cut when it goes too slowly. nullopt when stopped.
std::optional<FetchFailure> PageDownload::perform() {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(m_deadline - SteadyClock::now());
    if (left.count() <= 0)
        return FetchFailure::TookTooLong;
    m_curl.set(CURLOPT_TIMEOUT_MS, long(left.count()));
    m_sink.clear();
    m_windowStart = SteadyClock::now();
    m_windowBytes = 0;
    bool slow = false;
    const StopSignal stopOrSlow = [this, &slow] {
        return stopRequested() || (slow = tooSlow(SteadyClock::now()));
    };
    const std::optional<CURLcode> code = m_curl.perform(stopOrSlow);
    if (!code)
        return slow ? std::optional(FetchFailure::TooSlow) : std::nullopt;
    if (*code == CURLE_OPERATION_TIMEDOUT && pastDeadline())
        return FetchFailure::TookTooLong;
    // A proxy that refuses to open a tunnel for https is a proxy challenge like any other.
    const bool tunnelRefused = *code != CURLE_OK && m_curl.connectResponseCode() == 407;
    m_result.httpStatus = tunnelRefused ? 407 : int(m_curl.responseCode());
    if (*code == CURLE_OK || tunnelRefused || (*code == CURLE_WRITE_ERROR && m_sink.unwanted))
        return FetchFailure::None;
    if (*code == CURLE_WRITE_ERROR && m_sink.tooLarge)
        return FetchFailure::TooLarge;
    // Name resolution, connection, TLS, time-out, broken connection, redirect loop, bad URL.
    curl_off_t connected = 0;
    curl_easy_getinfo(m_curl.handle(), CURLINFO_CONNECT_TIME_T, &connected);
    m_result.cause = openCause(*code, connected > 0);
    return FetchFailure::CannotOpen;
}

// At the end of each speed window: whether fewer bytes than the minimum speed asks for came in it.
bool PageDownload::tooSlow(SteadyClock::time_point now) {
    const FetchLimits& limits = m_request.limits;
    if (now - m_windowStart < limits.speedWindow)
        return false;
    curl_off_t bytes = 0;
    curl_easy_getinfo(m_curl.handle(), CURLINFO_SIZE_DOWNLOAD_T, &bytes);
    const double seconds = std::chrono::duration<double>(now - m_windowStart).count();
    if (double(bytes - m_windowBytes) < double(limits.minimumBytesPerSecond) * seconds)
        return true;
    m_windowStart = now;
    m_windowBytes = bytes;
    return false;
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
    // libcurl writes the Host line itself from the URL, for https too. Some servers compress a page
    // nobody asked them to: libcurl decodes what arrives compressed, but asks for nothing (the empty
    // Accept-Encoding line keeps its own out of the request).
    m_curl.setText(CURLOPT_ACCEPT_ENCODING, ""_ba);
    QList<QByteArray> headers{"Accept: */*"_ba, "Accept-Language: ja,en"_ba, "Cache-Control: no-cache"_ba,
                              "Pragma: no-cache"_ba, "Accept-Encoding:"_ba};
    if (!m_request.validators.etag.isEmpty())
        headers.append("If-None-Match: "_ba + m_request.validators.etag);
    if (!m_request.validators.lastModified.isEmpty())
        headers.append("If-Modified-Since: "_ba + m_request.validators.lastModified);
    m_curl.setHeaders(headers);
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
        m_curl.setText(CURLOPT_PROXY, proxyForScheme(m_request.proxy, scheme).toUtf8());
    }
}

void PageDownload::configureTransfer() {
    m_curl.set(CURLOPT_NOSIGNAL, 1L);
    m_curl.set(CURLOPT_CONNECTTIMEOUT_MS, long(m_request.limits.connectTimeout.count()));
    // The receive time-out: the transfer ends after this long without a single byte.
    m_curl.set(CURLOPT_LOW_SPEED_LIMIT, 1L);
    m_curl.set(CURLOPT_LOW_SPEED_TIME, long(m_request.limits.receiveTimeout.count()));
    m_curl.set(CURLOPT_WRITEFUNCTION, &writeBody);
    m_curl.set(CURLOPT_WRITEDATA, &m_sink);
}

PageDownload::Next PageDownload::handleStatus(int status) {
    switch (status) {
    case 200:
        m_result.body = std::move(m_sink.body);
        m_result.contentType = m_curl.contentType();
        m_result.finalUrl = m_curl.effectiveUrl();
        m_result.validators = {m_curl.header("ETag"), m_curl.header("Last-Modified")};
        return Next::Finish;
    case 304:
        if (m_request.validators.isEmpty())
            return fail(FetchFailure::HttpStatus);
        m_result.notModified = true;
        m_result.finalUrl = m_curl.effectiveUrl();
        m_result.validators = m_request.validators;
        return Next::Finish;
    case 401:
        return answerPageChallenge();
    case 407:
        return answerProxyChallenge();
    case 429:
    case 503:
        return answerBusyServer(status);
    default:
        return fail(FetchFailure::HttpStatus);
    }
}

PageDownload::Next PageDownload::answerPageChallenge() {
    if (--m_attemptsLeft <= 0)
        return stopRequested() ? Next::Abandon : fail(FetchFailure::AuthenticationFailed);
    if (!m_request.userName.isEmpty()) {
        m_curl.setText(CURLOPT_USERNAME, m_request.userName.toUtf8());
        m_curl.setText(CURLOPT_PASSWORD, m_request.password.toUtf8());
    }
    return waitBeforeRetry();
}

PageDownload::Next PageDownload::answerProxyChallenge() {
    if (!m_request.proxyPassword)
        return fail(FetchFailure::ProxyPasswordUnreadable);
    if (--m_attemptsLeft <= 0)
        return stopRequested() ? Next::Abandon : fail(FetchFailure::AuthenticationFailed);
    if (!m_request.proxyUserName.isEmpty()) {
        m_curl.setText(CURLOPT_PROXYUSERNAME, m_request.proxyUserName.toUtf8());
        m_curl.setText(CURLOPT_PROXYPASSWORD, m_request.proxyPassword->toUtf8());
    }
    return waitBeforeRetry();
}

// Asked once more after the wait the server names; without one, or busy still, the status stands.
PageDownload::Next PageDownload::answerBusyServer(int status) {
    curl_off_t retryAfter = 0;
    curl_easy_getinfo(m_curl.handle(), CURLINFO_RETRY_AFTER, &retryAfter);
    if (m_askedAgainWhenBusy || retryAfter <= 0)
        return fail(FetchFailure::HttpStatus);
    m_askedAgainWhenBusy = true;
    m_result.httpStatus = status;
    return waitBeforeRetry(std::min<std::chrono::milliseconds>(std::chrono::seconds(retryAfter),
                                                               m_request.limits.longestRetryAfter));
}

PageDownload::Next PageDownload::fail(FetchFailure failure) {
    m_result.failure = failure;
    return Next::Finish;
}

// The pause before asking again, cut short by the stop signal and the deadline.
PageDownload::Next PageDownload::waitBeforeRetry(std::chrono::milliseconds wait) {
    const auto end = SteadyClock::now() + wait;
    while (!stopRequested()) {
        const auto now = SteadyClock::now();
        if (now >= m_deadline)
            return fail(FetchFailure::TookTooLong);
        if (now >= end)
            return Next::Retry;
        std::this_thread::sleep_for(std::min<SteadyClock::duration>(kStopCheckInterval, end - now));
    }
    return Next::Abandon;
}

FetchResult PageDownload::abandoned() const {
    FetchResult result;
    result.failure = FetchFailure::Stopped;
    return result;
}

} // namespace

FetchResult fetchPage(const FetchRequest& request, const StopSignal& shouldStop,
                      const ProgressSignal& progress) {
    if (request.url.isEmpty())
        return {};
    PageDownload download(request, shouldStop, progress);
    return download.run();
}
