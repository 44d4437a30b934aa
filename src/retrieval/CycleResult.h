#pragma once

#include "retrieval/InfoItem.h"
#include "retrieval/PageStatus.h"

#include <QDateTime>
#include <QMap>
#include <QString>
#include <algorithm>
#include <optional>

// What one update cycle leaves behind for the display.
struct CycleResult {
    enum class Outcome { Completed, Cancelled, Offline, TakenOver };

    Outcome outcome = Outcome::Completed;
    InfoItems items;
    QString status;                       // for the tray tip, the tooltip and the menu
    std::optional<QDateTime> infoExpires; // only when the cycle ran through all pages
    QString errorLog;
    QMap<int, PageStatus> pageStatuses; // by page number, for every enabled page the cycle handled

    int failedPages() const {
        return int(std::count_if(pageStatuses.cbegin(), pageStatuses.cend(), [](const PageStatus& page) {
            return page.kind == PageStatus::Kind::Error;
        }));
    }
};
