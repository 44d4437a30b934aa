#pragma once

#include "retrieval/DataSet.h"
#include "retrieval/InfoItem.h"

#include <QList>
#include <QString>

// A desktop notification: its summary, its body and the address its action opens ("" for none).
struct DesktopNotice {
    QString summary;
    QString body;
    QString link;

    bool operator==(const DesktopNotice&) const = default;
};

// Shows desktop notifications; the desktop's notification service or whatever stands in for it.
class DesktopNotifier {
public:
    virtual ~DesktopNotifier() = default;
    virtual void notify(const DesktopNotice& notice) = 0;
};

namespace NewsNotices {

// One update does not raise more notifications than this: the rest are counted in one more.
inline constexpr int MostPerUpdate = 3;

// The notifications an update raises: one for each new item whose text holds a keyword, in the order
// of items, with the page's label (its name when it has none) as summary and the item as body; past
// MostPerUpdate, one that tells how many more there are.
QList<DesktopNotice> forNewKeywordItems(const InfoItems& items, const DataSet& tables);

} // namespace NewsNotices
