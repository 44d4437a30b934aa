#include "display/TrayNotice.h"

#include "display/DisplayTexts.h"
#include "retrieval/CycleResult.h"
#include "retrieval/CycleTexts.h"

namespace TrayNotices {

TrayNotice updating() {
    return {TrayNotice::Icon::Updating, DisplayTexts::updatingTip(), {}, {}, false};
}

TrayNotice status(const QString& status) {
    return {TrayNotice::Icon::Updating, DisplayTexts::trayTip(status), {}, {}, false};
}

std::optional<TrayNotice> cycleEnd(const CycleResult& result, const QString& defaultMessage) {
    using Outcome = CycleResult::Outcome;
    if (result.outcome == Outcome::Offline || result.outcome == Outcome::TakenOver)
        return std::nullopt;
    if (result.items.isEmpty())
        return status(CycleTexts::noInformation());
    const QString tip = DisplayTexts::trayTip(result.status);
    if (result.items.first().text == defaultMessage)
        return TrayNotice{TrayNotice::Icon::Idle, tip, {}, {}, false};
    return TrayNotice{TrayNotice::Icon::News, tip, result.status, DisplayTexts::programTitle(), false};
}

} // namespace TrayNotices
