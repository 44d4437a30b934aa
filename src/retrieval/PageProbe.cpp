#include "retrieval/PageProbe.h"

#include "retrieval/CycleTexts.h"
#include "retrieval/PageDecoder.h"
#include "retrieval/PageText.h"

ProbedPage ProbePage(const PageRequest& page, const Fetcher& fetcher, const StopSignal& shouldStop) {
    ProbedPage probed;
    const FetchResult fetched = fetcher(page.request, shouldStop, {});
    probed.stopped = fetched.stopped() || (shouldStop && shouldStop());
    if (probed.stopped)
        return probed;
    probed.error = page.passwordError + CycleTexts::DownloadError(fetched, page.request, false);
    if (!fetched.body.isEmpty())
        probed.charset = PageEncodingName(ChoosePageEncoding(fetched.body, fetched.contentType));
    probed.text = NormalisePageText(fetched.body, fetched.contentType);
    if (probed.text.isEmpty())
        probed.error += CycleTexts::EmptyPageError(page.request.url);
    return probed;
}

PageProbe::PageProbe(Fetcher fetcher, QObject* parent)
    : QObject(parent)
    , m_fetcher(std::move(fetcher)) {}

PageProbe::~PageProbe() {
    cancel();
    m_pool.waitForDone();
}

void PageProbe::start(const PageRecord& page, const AppSettings& settings) {
    cancel();
    m_stop = std::make_shared<std::atomic<bool>>(false);
    m_running = true;
    const int generation = ++m_generation;
    m_pool.start(
        [this, generation, stop = m_stop, request = MakePageRequest(page, settings), fetcher = m_fetcher] {
            ProbedPage probed = ProbePage(request, fetcher, [stop] { return stop->load(); });
            QMetaObject::invokeMethod(
                this,
                [this, generation, probed = std::move(probed)] {
                    if (generation != m_generation || !m_running)
                        return;
                    m_running = false;
                    emit finished(probed);
                },
                Qt::QueuedConnection);
        });
}

void PageProbe::cancel() {
    if (m_stop)
        m_stop->store(true);
    m_running = false;
}
