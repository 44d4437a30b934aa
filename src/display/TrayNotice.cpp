#include "display/TrayNotice.h"

#include "display/DisplayTexts.h"
#include "retrieval/CycleResult.h"
#include "retrieval/CycleTexts.h"

namespace TrayNotices {

TrayNotice Updating() {
    return {TrayNotice::Icon::Updating, DisplayTexts::UpdatingTip(), {}, {}, false};
}

TrayNotice Status(const QString& status) {
    return {TrayNotice::Icon::Updating, DisplayTexts::TrayTip(status), {}, {}, false};
}

std::optional<TrayNotice> CycleEnd(const CycleResult& result, const QString& defaultMessage) {
    using Outcome = CycleResult::Outcome;
    if (result.outcome == Outcome::Offline || result.outcome == Outcome::TakenOver)
        return std::nullopt;
    if (result.items.isEmpty())
        return Status(CycleTexts::NoInformation());
    const QString tip = DisplayTexts::TrayTip(result.status);
    if (result.items.first().text == defaultMessage)
        return TrayNotice{TrayNotice::Icon::Idle, tip, {}, {}, false};
    return TrayNotice{TrayNotice::Icon::News, tip, result.status, DisplayTexts::ProgramTitle(), false};
}

} // namespace TrayNotices
