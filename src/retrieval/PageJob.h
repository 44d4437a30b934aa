#pragma once

#include "retrieval/DataSet.h"
#include "retrieval/InfoItem.h"
#include "retrieval/ItemExtractor.h"
#include "retrieval/PageDecoder.h"
#include "retrieval/PageError.h"
#include "retrieval/PageFetcher.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

using Fetcher = std::function<FetchResult(const FetchRequest&, const StopSignal&, const ProgressSignal&)>;

// Everything a worker needs to download and cut up one page, without touching shared state.
struct PageTask {
    int page = 0; // record number in the page list
    FetchRequest request;
    std::optional<PageError> passwordError; // set when the stored page password could not be restored
    std::shared_ptr<const QList<RuleRecord>> rules;
    ExtractionOptions extraction;
    bool showTextInstead = false;
    bool keepPageText = false; // the Debug page dump wants the normalised text
};

// What the cycle does with one page, in page order, on its own thread.
struct PageOutcome {
    int page = 0;
    QList<PageError> errors; // in the order they arose
    qint64 textLength = 0;
    std::optional<EncodingChoice> encoding; // what the page was read in; nullopt when nothing arrived
    InfoItems items;
    QString pageText; // the normalised text, only when kept for the dump
    bool abandoned = false;
    bool notModified = false;  // the server said the page is as it was: no text, no items
    PageValidators validators; // of the page that came
};

// Fetches, normalises and extracts one page; the items' links are resolved against the page's address
// after redirects and its <base href>, and only web addresses kept. Runs on a worker thread.
PageOutcome runPageTask(PageTask task, const Fetcher& fetcher, const StopSignal& shouldStop,
                        const ProgressSignal& progress);
