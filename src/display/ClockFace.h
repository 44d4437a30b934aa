#pragma once

#include <QString>
#include <QTime>
#include <array>
#include <optional>

// The four digit cells of the LED clock (h, h, m, m) and the memory of what was last drawn, so
// the window redraws the clock only when the minute changes.
class ClockFace {
public:
    static constexpr int Dark = -1; // the cell is left unlit

    struct Cells {
        QString text;              // "hhmm", 24-hour
        std::array<int, 4> digits; // 0..9 or Dark

        bool operator==(const Cells&) const = default;
    };

    // A leading hour zero is not lit; every other position shows its digit.
    static Cells cellsFor(const QTime& time);

    // The cells to draw when time's "hhmm" differs from the last one drawn (and remembers it);
    // nothing when the clock already shows that minute or the time is invalid.
    std::optional<Cells> update(const QTime& time);

private:
    QString m_drawn;
};
