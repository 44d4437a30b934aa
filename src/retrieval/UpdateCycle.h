#pragma once

#include "base/Clock.h"
#include "retrieval/CycleResult.h"
#include "retrieval/DataSet.h"
#include "retrieval/DownloadScheduler.h"
#include "retrieval/InfoItem.h"
#include "retrieval/PageJob.h"
#include "retrieval/PageMemory.h"
#include "settings/AppSettings.h"

#include <QDateTime>
#include <QMap>
#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <chrono>
#include <memory>
#include <optional>

// One update: every enabled page of a snapshot is downloaded (several at once, on worker
// threads), normalised and cut into items; the results are taken in strictly in page order, so
// items, error log, progress and cancel behave as in a serial cycle. Progress is reported through
// signals; the window drives its lamp, tray, menus and progress dialog from them.
class UpdateCycle : public QObject {
    Q_OBJECT
public:
    explicit UpdateCycle(const Clock& clock, QObject* parent = nullptr);
    ~UpdateCycle() override;
    Q_DISABLE_COPY_MOVE(UpdateCycle)

    void setFetcher(Fetcher fetcher) { m_fetcher = std::move(fetcher); }
    void setConnectivityCheck(std::function<bool()> isOnline) { m_isOnline = std::move(isOnline); }
    // With a memory, each page is asked only for what changed since it was remembered, a page that has
    // not changed gives its remembered items again, the items no earlier update had are marked new,
    // and what each page gave is remembered. The memory must outlive the cycle; nullptr: none.
    void setMemory(PageMemory* memory) { m_memory = memory; }

    // Starts a cycle over copies of the tables and settings. With no enabled page nothing at all
    // happens and false is returned. The outcome always arrives through finished().
    bool start(const DataSet& tables, const AppSettings& settings);
    bool isRunning() const { return m_running; }

    // The user's cancel: the cycle stops after the page being taken in and publishes what it has.
    void cancel() { m_cancelRequested = true; }
    // Someone else took the display over: stop at once and publish nothing.
    void takeOver();
    // Waits up to timeout for the downloads still running on worker threads to end; false when
    // one is still busy (a name lookup cannot be interrupted, for one).
    bool waitForWorkers(std::chrono::milliseconds timeout);

signals:
    // Once the connection is there: a cycle that finds none finishes without starting.
    void started(int pageCount);
    void pageStarted(int position, int pageCount, const QString& name, const QString& url);
    void downloadTotalChanged(qint64 characters);
    void errorAppended(const QString& text);
    void firstErrorReported();
    void pageHandled(int handledCount);
    // With Debug on, each page as it is taken in: its normalised text and the encoding it was read
    // in (nullopt when nothing arrived). CycleDebugLog writes them down.
    void debugPageTakenIn(const QString& url, const QString& pageText,
                          const std::optional<EncodingChoice>& encoding);
    void finished(const CycleResult& result);

private:
    void launchReadyDownloads();
    void acceptOutcome(int generation, int position, PageOutcome outcome);
    void takeInOutcomes();
    void takeIn(PageOutcome outcome);
    void rememberOrRecall(PageOutcome& outcome);
    void announceHead();
    void finish(CycleResult::Outcome outcome);
    PageTask makeTask(int page) const;

    const Clock& m_clock;
    Fetcher m_fetcher;
    std::function<bool()> m_isOnline;
    PageMemory* m_memory = nullptr;

    DataSet m_tables;
    std::shared_ptr<const QList<RuleRecord>> m_rules;
    AppSettings m_settings;
    QList<int> m_pages; // record numbers of the enabled pages, in order
    QList<PageTask> m_tasks;
    QList<QString> m_memoryKeys; // by position, as m_tasks
    std::optional<DownloadScheduler> m_scheduler;
    QMap<int, PageOutcome> m_waiting;
    int m_head = 0;
    int m_generation = 0;
    bool m_running = false;
    bool m_cancelRequested = false;
    bool m_errorReported = false;
    CycleResult m_result;
    qint64 m_downloadTotal = 0;
    std::shared_ptr<std::atomic<bool>> m_stop;
    QThreadPool m_pool;
};
