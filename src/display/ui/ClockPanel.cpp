#include "display/ui/ClockPanel.h"

#include "resources/builtin/BuiltinImages.h"

#include <QPainter>

namespace {
// Left edges inside the panel: h, h, colon, m, m.
constexpr std::array<int, 4> DigitLeft{0, 11, 26, 37};
constexpr int ColonLeft = 22;
} // namespace

ClockPanel::ClockPanel(QWidget* parent)
    : LedPanel(QSize(64, 16), parent)
    , m_colon(builtinImagePath(BuiltinImage::Colon)) {
    setObjectName(QStringLiteral("picTime"));
    for (int digit = 0; digit < 10; ++digit)
        m_digits[digit] = QImage(builtinDigitPath(digit));
}

void ClockPanel::showCells(const ClockFace::Cells& cells) {
    m_cells = cells;
    update();
}

void ClockPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    mapToUnlitPanel(painter);
    for (int position = 0; position < 4; ++position) {
        const int digit = m_cells.digits[position];
        if (digit != ClockFace::Dark)
            painter.drawImage(DigitLeft[position], 0, m_digits[digit]);
    }
    painter.drawImage(ColonLeft, 0, m_colon);
}
