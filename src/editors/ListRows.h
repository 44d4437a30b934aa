#pragma once

#include <QList>
#include <optional>

// What the buttons beside an ordered list allow for its selected row.
struct RowButtons {
    bool selected = false; // change or remove the selected row
    bool up = false;
    bool down = false;

    bool operator==(const RowButtons&) const = default;
};

// selected counts from 0; -1 when nothing is selected. The first row cannot go up, the last
// cannot go down, so a single row can do neither.
RowButtons buttonsFor(int selected, int count);

// Swaps row with its neighbour step (-1 up, +1 down) away and returns where the row landed, or
// nothing, with the list unchanged, when there is no such neighbour.
template <typename Record> std::optional<int> moveRow(QList<Record>& rows, int row, int step) {
    const int target = row + step;
    if (row < 0 || row >= rows.size() || target < 0 || target >= rows.size())
        return std::nullopt;
    rows.swapItemsAt(row, target);
    return target;
}
