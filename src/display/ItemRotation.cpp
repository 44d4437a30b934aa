#include "display/ItemRotation.h"

#include "display/DisplayTexts.h"
#include "retrieval/CycleResult.h"
#include "retrieval/CycleTexts.h"

#include <algorithm>

namespace {

int nextPosition(int current, int step, int count) {
    if (step == 0)
        return 1;
    if (step > 0) {
        const int next = current + 1;
        return (next > count || next < 1) ? 1 : next;
    }
    const int previous = current - 1;
    return (previous < 1 || previous > count) ? count : previous;
}

} // namespace

std::optional<InfoItem> ItemRotation::current() const {
    if (m_current < 1 || m_current > m_items.size())
        return std::nullopt;
    return m_items.at(m_current - 1);
}

bool ItemRotation::isStale() const {
    // Whole seconds count, so the very moment of expiry is still fresh.
    return !m_infoExpires || m_clock.now().secsTo(*m_infoExpires) < 0;
}

RotationAction ItemRotation::showNextItem(bool byUser, int step, bool scrolling) {
    if (m_items.isEmpty())
        return {};
    if (!byUser && scrolling)
        return {};
    if (isStale())
        return showStatusOnly(QString());
    m_current = nextPosition(m_current, step, int(m_items.size()));
    return {RotationAction::Kind::RenderItem, QString(), m_current};
}

RotationAction ItemRotation::showStatusOnly(const QString& text) {
    m_items.clear();
    m_current = 0;
    return {RotationAction::Kind::ShowStatus, text.isEmpty() ? DisplayTexts::notUpdated() : text, 0};
}

RotationAction ItemRotation::applyCycleResult(const CycleResult& result, bool notify) {
    using Outcome = CycleResult::Outcome;
    if (result.outcome == Outcome::Offline || result.outcome == Outcome::TakenOver) {
        // Nothing was taken in: the window reports the lost connection, or whoever took the
        // display over has already set it.
        m_items.clear();
        m_current = 0;
        return {};
    }
    if (result.infoExpires)
        m_infoExpires = result.infoExpires;
    if (result.items.isEmpty())
        return showStatusOnly(CycleTexts::noInformation());
    m_items = result.items;
    // What the last update brought first, each part in page order.
    std::stable_partition(m_items.begin(), m_items.end(), [](const InfoItem& item) { return item.isNew; });
    if (!notify) {
        m_current = int(m_items.size());
        return {};
    }
    m_current = 1;
    return {RotationAction::Kind::RenderItem, QString(), m_current};
}

void ItemRotation::stepBackForOpenMenu() {
    if (m_current > 1)
        --m_current;
}
