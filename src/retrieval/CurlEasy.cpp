#include "retrieval/CurlEasy.h"

#include <mutex>
#include <utility>

namespace {

// libcurl's global set-up is not thread-safe; fetches start from several worker threads.
bool curlReady() {
    static std::once_flag once;
    static bool ready = false;
    std::call_once(once, [] { ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; });
    return ready;
}

constexpr int kPollMilliseconds = 50;

} // namespace

CurlEasy::CurlEasy() {
    if (!curlReady())
        return;
    m_easy = curl_easy_init();
    m_multi = curl_multi_init();
}

CurlEasy::~CurlEasy() {
    release();
}

CurlEasy::CurlEasy(CurlEasy&& other) noexcept
    : m_easy(std::exchange(other.m_easy, nullptr))
    , m_multi(std::exchange(other.m_multi, nullptr))
    , m_headers(std::exchange(other.m_headers, nullptr)) {}

CurlEasy& CurlEasy::operator=(CurlEasy&& other) noexcept {
    if (this != &other) {
        release();
        m_easy = std::exchange(other.m_easy, nullptr);
        m_multi = std::exchange(other.m_multi, nullptr);
        m_headers = std::exchange(other.m_headers, nullptr);
    }
    return *this;
}

void CurlEasy::release() {
    // The easy handle goes first: it may still refer to the header list, and the multi handle
    // owns the connections it used.
    if (m_easy)
        curl_easy_cleanup(std::exchange(m_easy, nullptr));
    if (m_multi)
        curl_multi_cleanup(std::exchange(m_multi, nullptr));
    if (m_headers)
        curl_slist_free_all(std::exchange(m_headers, nullptr));
}

void CurlEasy::setHeaders(const QList<QByteArray>& lines) {
    curl_slist* list = nullptr;
    for (const QByteArray& line : lines) {
        curl_slist* longer = curl_slist_append(list, line.constData());
        if (!longer)
            break;
        list = longer;
    }
    curl_easy_setopt(m_easy, CURLOPT_HTTPHEADER, list);
    if (m_headers)
        curl_slist_free_all(m_headers);
    m_headers = list;
}

std::optional<CURLcode> CurlEasy::perform(const StopSignal& shouldStop) {
    if (curl_multi_add_handle(m_multi, m_easy) != CURLM_OK)
        return CURLE_FAILED_INIT;
    std::optional<CURLcode> result;
    bool stopped = false;
    while (!result && !stopped) {
        int running = 0;
        if (curl_multi_perform(m_multi, &running) != CURLM_OK) {
            result = CURLE_FAILED_INIT;
            break;
        }
        int queued = 0;
        while (const CURLMsg* message = curl_multi_info_read(m_multi, &queued)) {
            if (message->msg == CURLMSG_DONE && message->easy_handle == m_easy)
                result = message->data.result;
        }
        if (result)
            break;
        // Returns early when the socket has something for libcurl or its own timers are due.
        curl_multi_poll(m_multi, nullptr, 0, kPollMilliseconds, nullptr);
        stopped = stopRequested(shouldStop);
    }
    curl_multi_remove_handle(m_multi, m_easy);
    return stopped ? std::nullopt : result;
}

long CurlEasy::responseCode() const {
    long code = 0;
    curl_easy_getinfo(m_easy, CURLINFO_RESPONSE_CODE, &code);
    return code;
}

long CurlEasy::connectResponseCode() const {
    long code = 0;
    curl_easy_getinfo(m_easy, CURLINFO_HTTP_CONNECTCODE, &code);
    return code;
}

QByteArray CurlEasy::contentType() const {
    const char* type = nullptr;
    curl_easy_getinfo(m_easy, CURLINFO_CONTENT_TYPE, &type);
    return type ? QByteArray(type) : QByteArray();
}

QString CurlEasy::effectiveUrl() const {
    const char* url = nullptr;
    curl_easy_getinfo(m_easy, CURLINFO_EFFECTIVE_URL, &url);
    return url ? QString::fromUtf8(url) : QString();
}

QByteArray CurlEasy::header(const char* name) const {
    curl_header* found = nullptr;
    if (curl_easy_header(m_easy, name, 0, CURLH_HEADER, -1, &found) != CURLHE_OK)
        return {};
    return QByteArray(found->value).trimmed();
}
