#include "display/ClockFace.h"

using namespace Qt::StringLiterals;

ClockFace::Cells ClockFace::cellsFor(const QTime& time) {
    Cells cells{time.toString(u"HHmm"_s), {Dark, Dark, Dark, Dark}};
    for (qsizetype position = 0; position < cells.text.size() && position < 4; ++position) {
        const int digit = cells.text.at(position).digitValue();
        cells.digits[position] = (position == 0 && digit == 0) ? Dark : digit;
    }
    return cells;
}

std::optional<ClockFace::Cells> ClockFace::update(const QTime& time) {
    if (!time.isValid())
        return std::nullopt;
    Cells cells = cellsFor(time);
    if (cells.text == m_drawn)
        return std::nullopt;
    m_drawn = cells.text;
    return cells;
}
