#pragma once

#include "base/StopSignal.h"
#include "retrieval/FetchFailure.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>
#include <functional>
#include <optional>

// Limits of one download. The defaults are the program's; tests shrink them.
struct FetchLimits {
    std::chrono::milliseconds connectTimeout{15000};
    std::chrono::seconds receiveTimeout{15}; // longest stretch without any data
    // A transfer goes on while it makes real progress: at least this many bytes a second, averaged
    // over each stretch of speedWindow. A large page over a slow link arrives; a trickle is cut.
    qint64 minimumBytesPerSecond = 1024;
    std::chrono::milliseconds speedWindow{30000};
    // The whole download, every attempt and pause included, can take no longer than this.
    std::chrono::milliseconds totalDeadline{300000};
    // A busy server (429, 503) is asked once more after the Retry-After it gives, waited this long
    // at the most.
    std::chrono::milliseconds longestRetryAfter{30000};
    qint64 maxBytes = qint64(32) * 1024 * 1024; // of the page that is kept, the final 200 answer

    bool operator==(const FetchLimits&) const = default;
};

// What a server said identifies the page it sent: asked back, it answers 304 while the page is the same.
struct PageValidators {
    QByteArray etag;         // ETag
    QByteArray lastModified; // Last-Modified, as the server wrote it

    bool isEmpty() const { return etag.isEmpty() && lastModified.isEmpty(); }
    bool operator==(const PageValidators&) const = default;
};

// What one page download needs to know.
struct FetchRequest {
    QString url;
    QString userName;      // page authentication; empty = none
    QString password;      // plain text
    QString proxy;         // proxy text from the settings; empty = the system's own proxy configuration
    QString proxyUserName; // the UserName setting
    std::optional<QString> proxyPassword; // restored Password setting; nullopt when it could not be restored
    bool debugAgent = false;              // the Debug setting: the browser-like user agent
    PageValidators validators;            // sent as If-None-Match / If-Modified-Since when there are any
    FetchLimits limits;
};

struct FetchResult {
    QByteArray body;        // the received bytes; empty when nothing usable arrived
    QByteArray contentType; // the Content-Type header of the final response
    FetchFailure failure = FetchFailure::None;
    int httpStatus = 0; // status of the last answer (407 for a refused proxy tunnel); 0 when none came
    QString finalUrl{}; // the address the page came from after redirects
    PageValidators validators{};          // of the page that came
    bool notModified = false;             // 304 to a request with validators: the page is as it was, no body
    OpenCause cause = OpenCause::Unknown; // why, with CannotOpen

    bool stopped() const { return failure == FetchFailure::Stopped; }
};

// The stop signal is checked during the transfer: a running download ends within 100 ms of it
// turning true.
// Bytes received so far; called from the downloading thread.
using ProgressSignal = std::function<void(qint64 bytes)>;

// Downloads one page. Blocking; meant for a worker thread. Never throws.
//
// One request per attempt. A 401 or 407 answer uses up one of five attempts shared by page and
// proxy authentication and, while attempts remain, is answered 300 ms later by a new request with
// the page's (401) or the proxy's (407) credentials as basic authentication; a server that always
// answers 401 therefore sees five requests, the last four with credentials.
//
// The body of any other answer (an error page, a challenge) is not wanted: reading it stops at its
// first bytes, so neither its size nor its length can hold the download.
//
// Whatever went wrong is told by failure and httpStatus; a stopped download has no body. A 304 is an
// answer only to a request that sent validators; to any other it is an HTTP error like the rest.
FetchResult fetchPage(const FetchRequest& request, const StopSignal& shouldStop = {},
                      const ProgressSignal& progress = {});
