#include "retrieval/UpdateCycle.h"

#include "retrieval/Connectivity.h"
#include "retrieval/CycleTexts.h"
#include "retrieval/PageRequest.h"

#include <QTimer>
#include <QUrl>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString statusFor(const InfoItems& items, const QString& defaultMessage) {
    if (items.isEmpty())
        return CycleTexts::noInformation();
    if (items.first().text != defaultMessage)
        return CycleTexts::itemCount(int(items.size()));
    return CycleTexts::nothingExtracted();
}

// A page that gave items counts as Items even when something went wrong on the way (a password
// that could not be restored, say): what it shows is what the user sees of it. Its whole text, shown
// when no rule matched, is no match.
PageStatus statusOf(const PageOutcome& outcome) {
    const bool matched = std::any_of(outcome.items.begin(), outcome.items.end(), [](const InfoItem& item) {
        return item.rule != InfoItem::WholePageRule;
    });
    if (matched)
        return {PageStatus::Kind::Items, int(outcome.items.size()), {}};
    if (outcome.errors.isEmpty())
        return {PageStatus::Kind::NoMatch, 0, {}};
    return {PageStatus::Kind::Error, 0, outcome.errors.first()};
}

} // namespace

UpdateCycle::UpdateCycle(const Clock& clock, QObject* parent)
    : QObject(parent)
    , m_clock(clock)
    , m_fetcher(fetchPage)
    , m_isOnline(hasNetworkRoute) {
    m_pool.setMaxThreadCount(DownloadScheduler::MaxTotal);
}

UpdateCycle::~UpdateCycle() {
    if (m_stop)
        m_stop->store(true);
    m_pool.waitForDone();
}

bool UpdateCycle::waitForWorkers(std::chrono::milliseconds timeout) {
    if (m_stop)
        m_stop->store(true);
    return m_pool.waitForDone(int(timeout.count()));
}

bool UpdateCycle::start(const DataSet& tables, const AppSettings& settings) {
    if (m_running)
        return false;
    QList<int> pages;
    for (int page = 1; page <= tables.pages.size(); ++page) {
        if (tables.pages[page - 1].Enabled)
            pages.append(page);
    }
    if (pages.isEmpty())
        return false;

    m_tables = tables;
    m_rules = std::make_shared<const QList<RuleRecord>>(tables.rules);
    m_settings = settings;
    m_pages = pages;
    m_waiting.clear();
    m_head = 0;
    m_downloadTotal = 0;
    m_cancelRequested = false;
    m_errorReported = false;
    m_result = {};
    m_stop = std::make_shared<std::atomic<bool>>(false);
    m_running = true;
    const int generation = ++m_generation;
    // Without a connection the cycle ends before it shows anything of a running update.
    if (m_settings.AutoDialing && !m_isOnline()) {
        QTimer::singleShot(0, this, [this, generation] {
            if (generation == m_generation && m_running)
                finish(CycleResult::Outcome::Offline);
        });
        return true;
    }
    emit started(int(pages.size()));

    m_tasks.clear();
    m_memoryKeys.clear();
    QStringList hosts;
    for (int page : std::as_const(m_pages)) {
        m_tasks.append(makeTask(page));
        m_memoryKeys.append(pageMemoryKey(m_tables.pages[page - 1], tables.rules, m_tasks.last().extraction,
                                          m_tasks.last().showTextInstead));
        if (const RememberedPage* remembered = m_memory ? m_memory->find(m_memoryKeys.last()) : nullptr)
            m_tasks.last().request.validators = remembered->validators;
        hosts.append(QUrl(m_tasks.last().request.url).host());
    }
    m_scheduler.emplace(hosts);
    announceHead();
    launchReadyDownloads();
    return true;
}

void UpdateCycle::takeOver() {
    if (m_running)
        finish(CycleResult::Outcome::TakenOver);
}

PageTask UpdateCycle::makeTask(int page) const {
    PageTask task;
    task.page = page;
    PageRequest made = makePageRequest(m_tables.pages[page - 1], m_settings);
    task.request = std::move(made.request);
    task.passwordError = std::move(made.passwordError);
    task.rules = m_rules;
    task.extraction = extractionOptionsFor(m_settings);
    task.showTextInstead = m_settings.ShowTextInstead;
    task.keepPageText = m_settings.Debug;
    return task;
}

void UpdateCycle::launchReadyDownloads() {
    const int generation = m_generation;
    for (int index = m_scheduler->startNext(); index >= 0; index = m_scheduler->startNext()) {
        const std::shared_ptr<std::atomic<bool>> stop = m_stop;
        m_pool.start([this, generation, index, stop, task = m_tasks[index], fetcher = m_fetcher] {
            const StopSignal shouldStop = [stop] { return stop->load(); };
            PageOutcome outcome = runPageTask(task, fetcher, shouldStop, {});
            QMetaObject::invokeMethod(
                this,
                [this, generation, index, outcome = std::move(outcome)]() mutable {
                    acceptOutcome(generation, index, std::move(outcome));
                },
                Qt::QueuedConnection);
        });
    }
}

void UpdateCycle::acceptOutcome(int generation, int position, PageOutcome outcome) {
    if (generation != m_generation || !m_running)
        return;
    m_scheduler->finished(position);
    m_waiting.insert(position, std::move(outcome));
    takeInOutcomes();
    if (m_running)
        launchReadyDownloads();
}

void UpdateCycle::takeInOutcomes() {
    while (m_running && m_waiting.contains(m_head)) {
        takeIn(m_waiting.take(m_head));
        ++m_head;
        emit pageHandled(m_head);
        if (m_cancelRequested) {
            m_cancelRequested = false;
            finish(CycleResult::Outcome::Cancelled);
            return;
        }
        if (!m_result.errorLog.isEmpty() && !m_errorReported) {
            m_errorReported = true;
            emit firstErrorReported();
        }
        if (m_head == m_pages.size())
            finish(CycleResult::Outcome::Completed);
        else
            announceHead();
    }
}

// A page the server says has not changed shows what it showed before; a page that came is compared
// with what it gave before and remembered.
void UpdateCycle::rememberOrRecall(PageOutcome& outcome) {
    if (!m_memory)
        return;
    const QString& key = m_memoryKeys[m_head];
    if (outcome.notModified) {
        if (const RememberedPage* remembered = m_memory->find(key)) {
            outcome.items = remembered->items;
            // Shared with the memory until a page number has to change.
            if (!outcome.items.isEmpty() && outcome.items.first().page != outcome.page) {
                for (InfoItem& item : outcome.items)
                    item.page = outcome.page;
            }
        }
    } else if (outcome.textLength > 0) {
        m_memory->remember(key, outcome.validators, outcome.items);
    }
}

void UpdateCycle::takeIn(PageOutcome outcome) {
    const QString url = m_tasks[m_head].request.url;
    rememberOrRecall(outcome);
    const QString errorText = CycleTexts::errorBlocks(outcome.errors, m_settings.HideErrorDialog);
    if (!errorText.isEmpty()) {
        m_result.errorLog += errorText;
        emit errorAppended(errorText);
    }
    if (m_settings.Debug)
        emit debugPageTakenIn(url, outcome.pageText, outcome.encoding);
    if (outcome.textLength > 0) {
        m_downloadTotal += outcome.textLength;
        emit downloadTotalChanged(m_downloadTotal);
    }
    m_result.pageStatuses.insert(m_pages[m_head], statusOf(outcome));
    if (m_result.items.isEmpty())
        m_result.items = std::move(outcome.items);
    else
        m_result.items += std::move(outcome.items);
}

void UpdateCycle::announceHead() {
    const PageRecord& record = m_tables.pages[m_pages[m_head] - 1];
    emit pageStarted(m_head + 1, int(m_pages.size()), record.Name, record.URL);
}

void UpdateCycle::finish(CycleResult::Outcome outcome) {
    m_running = false;
    m_stop->store(true);
    m_waiting.clear();
    m_result.outcome = outcome;
    if (m_memory && outcome != CycleResult::Outcome::TakenOver) {
        // What the pages of the list no longer lead to is forgotten.
        QSet<QString> keys;
        const ExtractionOptions extraction = extractionOptionsFor(m_settings);
        for (const PageRecord& page : std::as_const(m_tables.pages))
            keys.insert(pageMemoryKey(page, m_tables.rules, extraction, m_settings.ShowTextInstead));
        m_memory->keepOnly(keys);
    }
    const QString defaultMessage = shownDefaultMessage(m_settings.DefaultMSG);
    switch (outcome) {
    case CycleResult::Outcome::Completed:
        if (m_result.items.isEmpty() && !defaultMessage.isEmpty() && m_settings.ShowDefaultMSG)
            m_result.items.append({defaultMessage, 0, 0});
        m_result.infoExpires = m_clock.now().addSecs(qint64(m_settings.DefaultExpiresMinute) * 60);
        m_result.status = statusFor(m_result.items, defaultMessage);
        break;
    case CycleResult::Outcome::Cancelled:
        m_result.status = statusFor(m_result.items, defaultMessage);
        break;
    case CycleResult::Outcome::Offline:
        m_result.status = CycleTexts::noInformation();
        break;
    case CycleResult::Outcome::TakenOver:
        m_result.items.clear();
        break;
    }
    emit finished(m_result);
}
