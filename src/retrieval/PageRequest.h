#pragma once

#include "retrieval/DataSet.h"
#include "retrieval/ItemExtractor.h"
#include "retrieval/PageError.h"
#include "retrieval/PageFetcher.h"
#include "settings/AppSettings.h"

#include <QString>
#include <optional>

// The download of one page as the settings want it.
struct PageRequest {
    FetchRequest request;
    std::optional<PageError> passwordError; // when the stored page password could not be restored
};

// The page's address, user name and restored password; the proxy text when UseProxy is on, the
// proxy's user name and restored password; the Debug user agent. A page password that cannot be
// restored leaves the password empty and tells so in passwordError.
PageRequest makePageRequest(const PageRecord& page, const AppSettings& settings);

// IgnoreCase, IgnoreQuote and IgnoreExcept of the settings.
ExtractionOptions extractionOptionsFor(const AppSettings& settings);
