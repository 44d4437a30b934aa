#include "retrieval/PageProbe.h"

#include "base/StopSignal.h"
#include "retrieval/CycleTexts.h"
#include "retrieval/PageContent.h"
#include "retrieval/PageText.h"

#include <QMutex>
#include <QThreadPool>

ProbedPage probePage(const PageRequest& page, const Fetcher& fetcher, const StopSignal& shouldStop) {
    ProbedPage probed;
    const FetchResult fetched = fetcher(page.request, shouldStop, {});
    if (fetched.stopped() || stopRequested(shouldStop))
        return probed;
    QList<PageError> errors;
    if (page.passwordError)
        errors.append(*page.passwordError);
    if (const std::optional<PageError> failure = downloadFailure(fetched, page.request))
        errors.append(*failure);
    PageContent content = readPageContent(fetched.body, fetched.contentType, shouldStop);
    if (content.encoding)
        probed.charset = CycleTexts::encodingUsed(*content.encoding);
    probed.text = std::move(content.text);
    if (content.feed) {
        probed.feedTitles =
            std::count_if(content.feed->cbegin(), content.feed->cend(),
                          [](const FeedEntry& entry) { return !normaliseText(entry.title).isEmpty(); });
        probed.feedMarkup = std::move(content.feedMarkup);
    }
    if (probed.text.isEmpty())
        errors.append(PageError::about(PageError::Kind::EmptyPage, page.request.url));
    probed.error = CycleTexts::errorBlocks(errors, false);
    return probed;
}

// Where a worker hands its page in. The probe leaves it when it goes, under the lock, so that a
// worker outliving it posts nothing to an object that is gone.
struct PageProbe::Delivery {
    QMutex mutex;
    PageProbe* probe = nullptr;
};

PageProbe::PageProbe(Fetcher fetcher, QObject* parent)
    : QObject(parent)
    , m_fetcher(std::move(fetcher))
    , m_delivery(std::make_shared<Delivery>()) {
    m_delivery->probe = this;
}

PageProbe::~PageProbe() {
    cancel();
    const QMutexLocker lock(&m_delivery->mutex);
    m_delivery->probe = nullptr;
}

void PageProbe::start(const PageRecord& page, const AppSettings& settings) {
    cancel();
    m_stop = std::make_shared<std::atomic<bool>>(false);
    m_running = true;
    const int generation = ++m_generation;
    QThreadPool::globalInstance()->start([generation, delivery = m_delivery, stop = m_stop,
                                          request = makePageRequest(page, settings), fetcher = m_fetcher] {
        ProbedPage probed = probePage(request, fetcher, [stop] { return stop->load(); });
        const QMutexLocker lock(&delivery->mutex);
        if (PageProbe* probe = delivery->probe)
            QMetaObject::invokeMethod(
                probe,
                [probe, generation, probed = std::move(probed)] { probe->deliver(generation, probed); },
                Qt::QueuedConnection);
    });
}

void PageProbe::cancel() {
    if (m_stop)
        m_stop->store(true);
    m_running = false;
}

void PageProbe::deliver(int generation, const ProbedPage& page) {
    if (generation != m_generation || !m_running)
        return;
    m_running = false;
    emit finished(page);
}
