#pragma once

#include "retrieval/DataSet.h"
#include "retrieval/PageJob.h"
#include "retrieval/PageRequest.h"
#include "settings/AppSettings.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>

// One page fetched and normalised as the update does it, for trying rules out on it.
struct ProbedPage {
    QString text;    // the normalised text; empty when nothing usable arrived
    QString charset; // the encoding the page was read in and where it came from; empty when no body arrived
    QString error;   // the error blocks the update would log for the page, never hidden
    // A feed: how many entries have a title, and the markup a rule must find something in to take
    // the feed over (see extractPageItems).
    std::optional<qsizetype> feedTitles;
    QString feedMarkup;
};

// Fetches with the page's request, then decodes and normalises the body. Blocking; meant for a
// worker thread. A stopped fetch gives an empty page: nobody waits for it any more.
ProbedPage probePage(const PageRequest& page, const Fetcher& fetcher, const StopSignal& shouldStop = {});

// Runs probePage on a worker thread of the global pool, one page at a time. Nothing is written
// anywhere.
class PageProbe : public QObject {
    Q_OBJECT
public:
    explicit PageProbe(Fetcher fetcher = fetchPage, QObject* parent = nullptr);
    // Stops a running fetch without waiting for it: a name lookup, which nothing interrupts, may
    // keep its worker a while longer, but it hands in nothing.
    ~PageProbe() override;
    Q_DISABLE_COPY_MOVE(PageProbe)

    // Starts fetching the page, cancelling a fetch still running.
    void start(const PageRecord& page, const AppSettings& settings);
    // Stops the running fetch; it reports nothing.
    void cancel();
    bool isRunning() const { return m_running; }

signals:
    void finished(const ProbedPage& page);

private:
    struct Delivery;
    void deliver(int generation, const ProbedPage& page);

    Fetcher m_fetcher;
    std::shared_ptr<Delivery> m_delivery;
    std::shared_ptr<std::atomic<bool>> m_stop;
    int m_generation = 0;
    bool m_running = false;
};
