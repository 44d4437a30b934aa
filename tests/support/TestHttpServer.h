#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <chrono>
#include <memory>
#include <optional>

using HeaderList = QList<QPair<QByteArray, QByteArray>>;

// One scripted answer of TestHttpServer.
struct Reply {
    enum class Framing {
        ContentLength,  // "Content-Length: <body size>" (or announcedLength)
        Chunked,        // "Transfer-Encoding: chunked", one chunk per piece
        CloseDelimited, // neither; the body ends when the server closes the connection
    };

    int status = 200;
    HeaderList headers; // extra header lines, written in this order
    QByteArray body;
    Framing framing = Framing::ContentLength;
    std::optional<qint64> announcedLength;   // Content-Length to claim instead of the body's size
    std::chrono::milliseconds delay{0};      // before the status line
    qsizetype pieceSize = 0;                 // > 0: the body is written in pieces of this size
    std::chrono::milliseconds pieceDelay{0}; // pause before every piece but the first
    qsizetype resetAfter = -1;               // >= 0: reset the connection after this many body bytes
    bool conditional = false; // 304 without a body to a request whose If-None-Match or If-Modified-Since
                              // repeats this reply's ETag or Last-Modified

    // 200 with a body and a Content-Type.
    static Reply ok(QByteArray body, QByteArray contentType = "text/html");
    // A status with a short HTML body; 401 and 407 carry a basic challenge, 3xx no Location.
    static Reply withStatus(int status);
    static Reply redirect(int status, QByteArray location);
    Reply withHeader(QByteArray name, QByteArray value) const;
    // With ETag and Last-Modified headers, answered conditionally.
    Reply withValidators(QByteArray etag, QByteArray lastModified) const;
};

// One request as the server received it.
struct RecordedRequest {
    QByteArray method;
    QByteArray
        target; // as sent: "/path?query", or "http://host:port/path" to a proxy, or "host:port" for CONNECT
    HeaderList headers;

    // The first value of a header, names compared without case; empty when absent.
    QByteArray header(const QByteArray& name) const;
    bool hasHeader(const QByteArray& name) const;
    // The target without scheme and authority ("/" when nothing is left).
    QByteArray path() const;
    bool isProxyRequest() const; // an absolute target or CONNECT
};

// A scripted HTTP/1.1 server on a loopback address (127.0.0.1 unless told) at a free port, serving from its
// own threads (one per connection, keep-alive honoured) while the test thread blocks in a client.
//
// Answers are scripted per path: route() with one reply answers every request for that path;
// with a list, the n-th request gets the n-th reply and the last one repeats. Unrouted paths get
// 404. Every request is recorded.
//
// It is also a minimal forward proxy for itself: a request with an absolute target is a proxy
// request. With requireProxyAuth() set, a proxy request without the matching basic
// Proxy-Authorization gets 407; otherwise it is answered from the routes by the target's path,
// as if forwarded. CONNECT gets 407 or, once authorised, 502 (no tunnels).
class TestHttpServer {
public:
    // bindAddress: an IPv4 address in dotted form; any of 127.0.0.0/8 is loopback on Linux, so
    // several servers can stand for several hosts.
    explicit TestHttpServer(const QByteArray& bindAddress = "127.0.0.1");
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    bool isListening() const;
    quint16 port() const;
    QString url(const QString& path) const; // "http://<address>:<port>" + path
    QString proxyAddress() const;           // "<address>:<port>", for use as a proxy text

    void route(const QByteArray& path, Reply reply);
    void route(const QByteArray& path, QList<Reply> sequence);
    void requireProxyAuth(const QByteArray& userName, const QByteArray& password);

    QList<RecordedRequest> requests() const;
    qsizetype requestCount() const;
    qint64 bytesSent() const; // status lines, headers and bodies of the replies sent whole

    // A loopback port with nothing listening on it (for refused connections).
    static quint16 unusedPort();

private:
    struct State;
    std::unique_ptr<State> d;
};
