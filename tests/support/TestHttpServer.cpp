#include "support/TestHttpServer.h"

#include <QHash>
#include <arpa/inet.h>
#include <atomic>
#include <mutex>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace std::chrono_literals;

namespace {

constexpr int kPollMilliseconds = 20;

QByteArray reasonPhrase(int status) {
    static const QHash<int, QByteArray> phrases{
        {200, "OK"},
        {301, "Moved Permanently"},
        {302, "Found"},
        {304, "Not Modified"},
        {401, "Unauthorized"},
        {403, "Forbidden"},
        {404, "Not Found"},
        {407, "Proxy Authentication Required"},
        {500, "Internal Server Error"},
        {502, "Bad Gateway"},
    };
    return phrases.value(status, "Status");
}

bool sendAll(int fd, const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t sent = ::send(fd, data, size_t(size), MSG_NOSIGNAL);
        if (sent <= 0)
            return false;
        data += sent;
        size -= sent;
    }
    return true;
}

bool sendAll(int fd, const QByteArray& bytes) {
    return sendAll(fd, bytes.constData(), bytes.size());
}

// Closing after this makes the kernel send RST instead of an orderly FIN.
void armReset(int fd) {
    const linger hard{1, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
}

std::optional<RecordedRequest> parseHead(const QByteArray& head) {
    const QList<QByteArray> lines = head.split('\n');
    const QList<QByteArray> words = lines.value(0).trimmed().split(' ');
    if (words.size() < 2)
        return std::nullopt;
    RecordedRequest request{words.at(0), words.at(1), {}};
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines.at(i).indexOf(':');
        if (colon > 0)
            request.headers.emplaceBack(lines.at(i).first(colon).trimmed(),
                                        lines.at(i).sliced(colon + 1).trimmed());
    }
    return request;
}

} // namespace

Reply Reply::ok(QByteArray body, QByteArray contentType) {
    Reply reply;
    reply.body = std::move(body);
    reply.headers.emplaceBack("Content-Type", std::move(contentType));
    return reply;
}

Reply Reply::withStatus(int status) {
    Reply reply;
    reply.status = status;
    reply.body = "<html><body>" + QByteArray::number(status) + "</body></html>";
    reply.headers.emplaceBack("Content-Type", "text/html");
    if (status == 401)
        reply.headers.emplaceBack("WWW-Authenticate", "Basic realm=\"test\"");
    if (status == 407)
        reply.headers.emplaceBack("Proxy-Authenticate", "Basic realm=\"test proxy\"");
    return reply;
}

Reply Reply::redirect(int status, QByteArray location) {
    return withStatus(status).withHeader("Location", std::move(location));
}

Reply Reply::withValidators(QByteArray etag, QByteArray lastModified) const {
    Reply copy = withHeader("ETag", std::move(etag)).withHeader("Last-Modified", std::move(lastModified));
    copy.conditional = true;
    return copy;
}

Reply Reply::withHeader(QByteArray name, QByteArray value) const {
    Reply copy = *this;
    copy.headers.emplaceBack(std::move(name), std::move(value));
    return copy;
}

QByteArray RecordedRequest::header(const QByteArray& name) const {
    for (const auto& [key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

bool RecordedRequest::hasHeader(const QByteArray& name) const {
    return std::any_of(headers.begin(), headers.end(),
                       [&](const auto& line) { return line.first.compare(name, Qt::CaseInsensitive) == 0; });
}

QByteArray RecordedRequest::path() const {
    const qsizetype schemeEnd = target.indexOf("://");
    if (schemeEnd < 0)
        return target;
    const qsizetype slash = target.indexOf('/', schemeEnd + 3);
    return slash < 0 ? QByteArray("/") : target.sliced(slash);
}

bool RecordedRequest::isProxyRequest() const {
    return method == "CONNECT" || target.contains("://");
}

struct TestHttpServer::State {
    QByteArray address;
    int listenFd = -1;
    quint16 port = 0;
    std::atomic<bool> stopping{false};
    std::atomic<qint64> bytesSent{0};
    std::thread acceptThread;

    mutable std::mutex mutex;
    QHash<QByteArray, QList<Reply>> routes;
    QHash<QByteArray, int> served;
    QList<RecordedRequest> log;
    QByteArray proxyCredentials; // expected Proxy-Authorization value; empty = no proxy auth
    struct Worker {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };
    std::vector<Worker> workers;

    void acceptLoop();
    void reapFinishedWorkers();
    void serve(int fd);
    std::optional<RecordedRequest> readRequest(int fd, QByteArray& buffer);
    Reply choose(const RecordedRequest& request);
    bool send(int fd, const Reply& reply, const RecordedRequest& request);
    bool sendBody(int fd, const Reply& reply);
    bool pause(std::chrono::milliseconds duration) const;
};

void TestHttpServer::State::acceptLoop() {
    while (!stopping) {
        pollfd waiting{listenFd, POLLIN, 0};
        if (::poll(&waiting, 1, kPollMilliseconds) <= 0)
            continue;
        const int fd = ::accept(listenFd, nullptr, nullptr);
        if (fd < 0)
            continue;
        // Head and body go out in separate writes; without this each reply would wait for a
        // delayed acknowledgement.
        const int on = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        std::lock_guard lock(mutex);
        reapFinishedWorkers();
        auto done = std::make_shared<std::atomic<bool>>(false);
        workers.push_back({std::thread([this, fd, done] {
                               serve(fd);
                               *done = true;
                           }),
                           done});
    }
}

void TestHttpServer::State::reapFinishedWorkers() {
    for (auto it = workers.begin(); it != workers.end();) {
        if (*it->done) {
            it->thread.join();
            it = workers.erase(it);
        } else {
            ++it;
        }
    }
}

void TestHttpServer::State::serve(int fd) {
    QByteArray buffer;
    while (!stopping) {
        const std::optional<RecordedRequest> request = readRequest(fd, buffer);
        if (!request)
            break;
        Reply reply;
        {
            std::lock_guard lock(mutex);
            log.append(*request);
            reply = choose(*request);
        }
        if (!send(fd, reply, *request))
            break;
    }
    ::close(fd);
}

// Reads one request head (and skips any request body). nullopt when the client closed or the
// server stops.
std::optional<RecordedRequest> TestHttpServer::State::readRequest(int fd, QByteArray& buffer) {
    qsizetype headEnd = -1;
    while ((headEnd = buffer.indexOf("\r\n\r\n")) < 0) {
        pollfd waiting{fd, POLLIN, 0};
        if (stopping)
            return std::nullopt;
        if (::poll(&waiting, 1, kPollMilliseconds) <= 0)
            continue;
        char chunk[4096];
        const ssize_t got = ::recv(fd, chunk, sizeof chunk, 0);
        if (got <= 0)
            return std::nullopt;
        buffer.append(chunk, got);
    }
    std::optional<RecordedRequest> request = parseHead(buffer.first(headEnd));
    const qsizetype bodySize = request ? request->header("Content-Length").toLongLong() : 0;
    buffer.remove(0, qMin(buffer.size(), headEnd + 4 + bodySize));
    return request;
}

Reply TestHttpServer::State::choose(const RecordedRequest& request) {
    if (request.isProxyRequest() && !proxyCredentials.isEmpty() &&
        request.header("Proxy-Authorization") != proxyCredentials)
        return Reply::withStatus(407);
    if (request.method == "CONNECT")
        return Reply::withStatus(502);
    const QByteArray path = request.path();
    const auto route = routes.constFind(path);
    if (route == routes.constEnd() || route->isEmpty())
        return Reply::withStatus(404);
    const int index = served[path]++;
    Reply reply = route->at(qMin<qsizetype>(index, route->size() - 1));
    const auto repeats = [&](const QByteArray& asked, const QByteArray& validator) {
        const auto own = std::find_if(reply.headers.cbegin(), reply.headers.cend(),
                                      [&](const auto& header) { return header.first == validator; });
        return request.hasHeader(asked) && own != reply.headers.cend() &&
               request.header(asked) == own->second;
    };
    if (reply.conditional &&
        (repeats("If-None-Match", "ETag") || repeats("If-Modified-Since", "Last-Modified"))) {
        reply.status = 304;
        reply.body.clear();
    }
    return reply;
}

// Writes one reply; false when the connection must close afterwards.
bool TestHttpServer::State::send(int fd, const Reply& reply, const RecordedRequest& request) {
    if (!pause(reply.delay))
        return false;
    QByteArray head =
        "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reasonPhrase(reply.status) + "\r\n";
    for (const auto& [name, value] : reply.headers)
        head += name + ": " + value + "\r\n";
    bool keepOpen = request.header("Connection").compare("close", Qt::CaseInsensitive) != 0;
    switch (reply.framing) {
    case Reply::Framing::ContentLength:
        head += "Content-Length: " + QByteArray::number(reply.announcedLength.value_or(reply.body.size())) +
                "\r\n";
        break;
    case Reply::Framing::Chunked:
        head += "Transfer-Encoding: chunked\r\n";
        break;
    case Reply::Framing::CloseDelimited:
        head += "Connection: close\r\n";
        keepOpen = false;
        break;
    }
    if (!sendAll(fd, head + "\r\n") || !sendBody(fd, reply))
        return false;
    bytesSent += head.size() + 2 + reply.body.size();
    // A claimed length that the body does not fill leaves the client nothing more to wait for.
    return keepOpen && reply.announcedLength.value_or(reply.body.size()) == reply.body.size();
}

bool TestHttpServer::State::sendBody(int fd, const Reply& reply) {
    const bool chunked = reply.framing == Reply::Framing::Chunked;
    const qsizetype pieceSize = reply.pieceSize > 0 ? reply.pieceSize : qMax<qsizetype>(reply.body.size(), 1);
    for (qsizetype offset = 0; offset < reply.body.size(); offset += pieceSize) {
        if (offset > 0 && !pause(reply.pieceDelay))
            return false;
        QByteArray piece = reply.body.sliced(offset, qMin(pieceSize, reply.body.size() - offset));
        const bool reset = reply.resetAfter >= 0 && offset + piece.size() > reply.resetAfter;
        if (reset)
            piece.truncate(reply.resetAfter - offset);
        if (chunked && !piece.isEmpty())
            piece = QByteArray::number(piece.size(), 16) + "\r\n" + piece + "\r\n";
        if (!sendAll(fd, piece))
            return false;
        if (reset) {
            armReset(fd);
            return false;
        }
    }
    return !chunked || sendAll(fd, "0\r\n\r\n");
}

// Sleeps in short steps so that the server can stop; false when it is stopping.
bool TestHttpServer::State::pause(std::chrono::milliseconds duration) const {
    const auto end = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < end) {
        if (stopping)
            return false;
        // Whole: cut to milliseconds, the last fraction would be slept as nothing, over and over.
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
            end - std::chrono::steady_clock::now(), std::chrono::milliseconds(kPollMilliseconds)));
    }
    return !stopping;
}

TestHttpServer::TestHttpServer(const QByteArray& bindAddress)
    : d(std::make_unique<State>()) {
    d->address = bindAddress;
    d->listenFd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    socklen_t length = sizeof address;
    if (d->listenFd < 0 || ::inet_pton(AF_INET, bindAddress.constData(), &address.sin_addr) != 1 ||
        ::bind(d->listenFd, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(d->listenFd, 64) != 0 ||
        ::getsockname(d->listenFd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return;
    d->port = ntohs(address.sin_port);
    d->acceptThread = std::thread([state = d.get()] { state->acceptLoop(); });
}

TestHttpServer::~TestHttpServer() {
    d->stopping = true;
    if (d->acceptThread.joinable())
        d->acceptThread.join();
    for (State::Worker& worker : d->workers)
        worker.thread.join();
    if (d->listenFd >= 0)
        ::close(d->listenFd);
}

bool TestHttpServer::isListening() const {
    return d->port != 0;
}

quint16 TestHttpServer::port() const {
    return d->port;
}

QString TestHttpServer::url(const QString& path) const {
    return QStringLiteral("http://%1:%2").arg(QString::fromLatin1(d->address)).arg(d->port) + path;
}

QString TestHttpServer::proxyAddress() const {
    return QStringLiteral("%1:%2").arg(QString::fromLatin1(d->address)).arg(d->port);
}

void TestHttpServer::route(const QByteArray& path, Reply reply) {
    route(path, QList<Reply>{std::move(reply)});
}

void TestHttpServer::route(const QByteArray& path, QList<Reply> sequence) {
    std::lock_guard lock(d->mutex);
    d->routes.insert(path, std::move(sequence));
    d->served.remove(path);
}

void TestHttpServer::requireProxyAuth(const QByteArray& userName, const QByteArray& password) {
    std::lock_guard lock(d->mutex);
    d->proxyCredentials = "Basic " + (userName + ':' + password).toBase64();
}

QList<RecordedRequest> TestHttpServer::requests() const {
    std::lock_guard lock(d->mutex);
    return d->log;
}

qint64 TestHttpServer::bytesSent() const {
    return d->bytesSent;
}

qsizetype TestHttpServer::requestCount() const {
    std::lock_guard lock(d->mutex);
    return d->log.size();
}

quint16 TestHttpServer::unusedPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    quint16 port = 0;
    if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    if (fd >= 0)
        ::close(fd);
    return port;
}
