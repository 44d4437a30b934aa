#pragma once

#include "retrieval/FetchFailure.h"
#include "retrieval/PageFetcher.h"

#include <QString>
#include <optional>

// One thing that went wrong with a page, kept as a value until it is shown: the error log's block,
// the page's status line and the rule tester's message are all made from it (CycleTexts).
struct PageError {
    enum class Kind {
        Download,       // the download failed (failure says how)
        EmptyPage,      // nothing usable arrived
        BrokenPassword, // the stored page password could not be restored
    };

    Kind kind = Kind::Download;
    FetchFailure failure = FetchFailure::None; // Download
    int httpStatus = 0;                        // the server's answer, when it gave one
    QString url;                               // the page's address
    bool userNameGiven = false;                // for a 401 the page's user name, for a 407 the proxy's
    FetchLimits limits;                        // the limits a download was cut by
    OpenCause cause = OpenCause::Unknown;      // why the address could not be opened

    // An error of a kind that needs nothing but the address.
    static PageError about(Kind kind, QString url) {
        PageError error;
        error.kind = kind;
        error.url = std::move(url);
        return error;
    }

    bool operator==(const PageError&) const = default;
};

// What went wrong with a download; nullopt when the page arrived or the download was stopped.
std::optional<PageError> downloadFailure(const FetchResult& result, const FetchRequest& request);
