#include "retrieval/PageJob.h"

#include "base/StopSignal.h"
#include "retrieval/CycleTexts.h"
#include "retrieval/PageContent.h"
#include "retrieval/PageText.h"

PageOutcome RunPageTask(PageTask task, const Fetcher& fetcher, const StopSignal& shouldStop,
                        const ProgressSignal& progress) {
    PageOutcome outcome;
    outcome.page = task.page;
    outcome.errorText = task.passwordError;

    FetchResult fetched = fetcher(task.request, shouldStop, progress);
    outcome.errorText += CycleTexts::DownloadError(fetched, task.request, task.hideErrorDialog);
    outcome.abandoned = fetched.stopped() || StopRequested(shouldStop);
    if (outcome.abandoned)
        return outcome;

    PageContent content = ReadPageContent(fetched.body, fetched.contentType, shouldStop);
    fetched.body.clear();
    outcome.encoding = content.encoding;
    outcome.abandoned = StopRequested(shouldStop);
    if (outcome.abandoned)
        return outcome;
    if (task.keepPageText)
        outcome.pageText = content.text;
    if (content.text.isEmpty()) {
        outcome.errorText += CycleTexts::EmptyPageError(task.request.url);
        return outcome;
    }

    outcome.textLength = content.text.size();
    const bool found =
        ExtractPageItems(content, task.page, *task.rules, task.extraction, outcome.items, shouldStop);
    if (task.showTextInstead && !found)
        outcome.items.append({StripPageText(content.text, shouldStop), task.page, InfoItem::WholePageRule});
    // Work cut short leaves part of a page: it is dropped with the rest of the cycle.
    outcome.abandoned = StopRequested(shouldStop);
    return outcome;
}
