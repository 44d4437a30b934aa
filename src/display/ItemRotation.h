#pragma once

#include "base/Clock.h"
#include "retrieval/InfoItem.h"

#include <QDateTime>
#include <QString>
#include <optional>

struct CycleResult;

// What the window does after a rotation decision.
struct RotationAction {
    enum class Kind {
        Nothing,    // leave the display as it is
        ShowStatus, // status only: tooltip, taskbar caption, tray tip and menu caption show status
        RenderItem, // render item number item and start its scroll
    };

    Kind kind = Kind::Nothing;
    QString status;
    int item = 0;

    bool operator==(const RotationAction&) const = default;
};

// The items on show, which one is current and when they turn stale. The window carries out the
// returned actions; nothing here draws.
class ItemRotation {
public:
    explicit ItemRotation(const Clock& clock)
        : m_clock(clock) {}

    const InfoItems& items() const { return m_items; }
    bool hasItems() const { return !m_items.isEmpty(); }
    // 1..n while an item is on show; 0 after a status was shown.
    int currentItem() const { return m_current; }
    // The item on show, or nothing.
    std::optional<InfoItem> current() const;
    // Unset until an update has run through all its pages; unset counts as already passed.
    std::optional<QDateTime> infoExpires() const { return m_infoExpires; }
    bool isStale() const;

    // One step, by the user or by the rotation timer. An automatic step never cuts a running
    // scroll short; a step on stale items switches to the status "未更新". Only step's sign counts.
    RotationAction showNextItem(bool byUser, int step, bool scrolling);
    // Replaces the items by a status text ("" stands for "未更新").
    RotationAction showStatusOnly(const QString& text);

    // An update is taking in new items: the old ones are gone.
    void beginUpdate() { m_items.clear(); }
    // Publishes what an update found, the new items first. With notify the first item is rendered at once;
    // otherwise the current position is the last item, so the next step wraps to the first. An update that
    // took nothing in (no connection, taken over) leaves nothing to show and no action.
    RotationAction applyCycleResult(const CycleResult& result, bool notify);

    // A scroll tick while the menu is open: step back so the next rotation shows this item again.
    void stepBackForOpenMenu();

private:
    const Clock& m_clock;
    InfoItems m_items;
    int m_current = 0;
    std::optional<QDateTime> m_infoExpires;
};
