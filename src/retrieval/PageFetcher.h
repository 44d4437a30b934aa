#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <functional>
#include <optional>

// What one page download needs to know.
struct FetchRequest {
    QString url;
    QString userName;      // page authentication; empty = none
    QString password;      // plain text
    QString proxy;         // proxy text from the settings; empty = the system's own proxy configuration
    QString proxyUserName; // the UserName setting
    std::optional<QString> proxyPassword; // restored Password setting; nullopt when it could not be restored
    bool debugAgent = false;              // the Debug setting: the browser-like user agent
    bool hideErrorDialog = false;
};

struct FetchResult {
    QByteArray body;        // the received bytes; empty when nothing usable arrived
    QByteArray contentType; // the Content-Type header of the final response
    QString errorText;      // lines for the error log, each block ending in CR LF CR LF
    bool abandoned = false; // stopped by the cancel or takeover signal
};

// Stop signal checked during the transfer: a running download ends within 100 ms of it turning true.
using StopSignal = std::function<bool()>;
// Bytes received so far; called from the downloading thread.
using ProgressSignal = std::function<void(qint64 bytes)>;

// Downloads one page. Blocking; meant for a worker thread. Never throws.
FetchResult FetchPage(const FetchRequest& request, const StopSignal& shouldStop = {},
                      const ProgressSignal& progress = {});

// Reason text of an HTTP status for error lines; "(不明なエラー)" for unlisted codes.
QString HttpStatusText(int status);
