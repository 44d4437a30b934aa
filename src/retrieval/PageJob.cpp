#include "retrieval/PageJob.h"

#include "base/StopSignal.h"
#include "retrieval/ItemLinks.h"
#include "retrieval/PageContent.h"
#include "retrieval/PageText.h"

PageOutcome runPageTask(PageTask task, const Fetcher& fetcher, const StopSignal& shouldStop,
                        const ProgressSignal& progress) {
    PageOutcome outcome;
    outcome.page = task.page;
    if (task.passwordError)
        outcome.errors.append(*task.passwordError);

    FetchResult fetched = fetcher(task.request, shouldStop, progress);
    if (const std::optional<PageError> failure = downloadFailure(fetched, task.request))
        outcome.errors.append(*failure);
    outcome.abandoned = fetched.stopped() || stopRequested(shouldStop);
    outcome.notModified = fetched.notModified;
    outcome.validators = fetched.validators;
    if (outcome.abandoned || outcome.notModified)
        return outcome;

    PageContent content = readPageContent(fetched.body, fetched.contentType, shouldStop);
    fetched.body.clear();
    outcome.encoding = content.encoding;
    outcome.abandoned = stopRequested(shouldStop);
    if (outcome.abandoned)
        return outcome;
    if (task.keepPageText)
        outcome.pageText = content.text;
    if (content.text.isEmpty()) {
        outcome.errors.append(PageError::about(PageError::Kind::EmptyPage, task.request.url));
        return outcome;
    }

    outcome.textLength = content.text.size();
    const QUrl base =
        ItemLinks::pageBase(fetched.finalUrl.isEmpty() ? task.request.url : fetched.finalUrl, content.text);
    const bool found =
        extractPageItems(content, task.page, *task.rules, task.extraction, outcome.items, shouldStop);
    if (task.showTextInstead && !found)
        outcome.items.append({stripPageText(content.text, shouldStop), task.page, InfoItem::WholePageRule});
    for (InfoItem& item : outcome.items)
        item.link = ItemLinks::resolved(item.link, base);
    // Work cut short leaves part of a page: it is dropped with the rest of the cycle.
    outcome.abandoned = stopRequested(shouldStop);
    return outcome;
}
