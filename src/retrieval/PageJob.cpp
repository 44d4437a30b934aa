#include "retrieval/PageJob.h"

#include "retrieval/CycleTexts.h"
#include "retrieval/PageContent.h"
#include "retrieval/PageText.h"

PageOutcome RunPageTask(PageTask task, const Fetcher& fetcher, const StopSignal& shouldStop,
                        const ProgressSignal& progress) {
    PageOutcome outcome;
    outcome.page = task.page;
    outcome.errorText = task.passwordError;
    const QString url = task.request.url;

    FetchResult fetched = fetcher(task.request, shouldStop, progress);
    outcome.errorText += CycleTexts::DownloadError(fetched, task.request, task.hideErrorDialog);
    if (fetched.stopped() || (shouldStop && shouldStop())) {
        outcome.abandoned = true;
        return outcome;
    }

    auto [text, feed] = ReadPageContent(fetched.body, fetched.contentType);
    fetched.body.clear();
    if (task.keepPageText)
        outcome.pageText = text;
    if (text.isEmpty()) {
        outcome.errorText += CycleTexts::EmptyPageError(url);
        return outcome;
    }

    outcome.textLength = text.size();
    const bool found = ExtractItems(text, task.page, *task.rules, task.extraction, outcome.items) ||
                       AppendFeedItems(feed, task.page, outcome.items);
    if (task.showTextInstead && !found)
        outcome.items.append({StripPageText(text), task.page, InfoItem::WholePageRule});
    return outcome;
}
