#pragma once

#include "display/ClockFace.h"
#include "display/ui/LedPanel.h"

#include <QImage>
#include <array>

// picTime: four LED digits and the colon, 64 x 16 LED pixels.
class ClockPanel : public LedPanel {
    Q_OBJECT
public:
    explicit ClockPanel(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(ClockPanel)

    void showCells(const ClockFace::Cells& cells);
    const ClockFace::Cells& cells() const { return m_cells; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<QImage, 10> m_digits;
    QImage m_colon;
    ClockFace::Cells m_cells{QString(), {ClockFace::Dark, ClockFace::Dark, ClockFace::Dark, ClockFace::Dark}};
};
