#pragma once

#include "base/StopSignal.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <curl/curl.h>
#include <optional>

// One libcurl easy handle with its request header list, driven through a private multi handle so
// that a transfer can be stopped promptly while it waits for data. Move-only.
class CurlEasy {
public:
    CurlEasy();
    ~CurlEasy();
    CurlEasy(CurlEasy&& other) noexcept;
    CurlEasy& operator=(CurlEasy&& other) noexcept;
    CurlEasy(const CurlEasy&) = delete;
    CurlEasy& operator=(const CurlEasy&) = delete;

    // False when libcurl could not be initialised or a handle could not be made.
    bool isValid() const { return m_easy != nullptr && m_multi != nullptr; }
    CURL* handle() const { return m_easy; }

    template <typename T> CURLcode set(CURLoption option, T value) {
        return curl_easy_setopt(m_easy, option, value);
    }
    // Text options: libcurl keeps its own copy.
    CURLcode setText(CURLoption option, const QByteArray& text) {
        return curl_easy_setopt(m_easy, option, text.constData());
    }
    // Replaces the extra request header lines ("Name: value").
    void setHeaders(const QList<QByteArray>& lines);

    // Runs the configured transfer to its end. Checks shouldStop at least every 50 ms, also while
    // nothing arrives; returns std::nullopt when it stopped the transfer.
    std::optional<CURLcode> perform(const StopSignal& shouldStop);

    long responseCode() const;
    long connectResponseCode() const; // status of a proxy's answer to CONNECT
    QByteArray contentType() const;
    QString effectiveUrl() const;
    // The value of a header of the last answer (after redirects); empty when it has none.
    QByteArray header(const char* name) const;

private:
    void release();

    CURL* m_easy = nullptr;
    CURLM* m_multi = nullptr;
    curl_slist* m_headers = nullptr;
};
