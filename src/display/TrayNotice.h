#pragma once

#include <QString>
#include <optional>

struct CycleResult;

// What the tray icon shows: which icon, its tip and, now and then, a balloon.
struct TrayNotice {
    enum class Icon {
        Idle = 201,     // nothing new: no information, or only the default message
        Updating = 202, // an update runs; also the icon of a status shown instead of items
        News = 203,     // items were found
    };

    Icon icon = Icon::Idle;
    QString tip;
    QString balloonText; // no balloon when empty
    QString balloonTitle;
    bool warning = false;

    bool operator==(const TrayNotice&) const = default;
};

namespace TrayNotices {

TrayNotice updating();
// A status shown instead of items.
TrayNotice status(const QString& status);
// The end of an update: a balloon only when real items were found; the default message alone
// or no items at all stay quiet. Nothing when the update published nothing (no connection,
// taken over).
std::optional<TrayNotice> cycleEnd(const CycleResult& result, const QString& defaultMessage);

} // namespace TrayNotices
