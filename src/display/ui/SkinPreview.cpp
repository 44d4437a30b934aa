#include "display/ui/SkinPreview.h"

#include "display/SignScale.h"
#include "display/ui/LedPanel.h"

#include <QPainter>

namespace {
constexpr QMargins Margin{4, 4, 4, 4};
} // namespace

SkinPreview::SkinPreview(QWidget* parent)
    : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
}

void SkinPreview::setPicture(const QImage& picture) {
    m_picture = picture;
    updateGeometry();
    update();
}

QSize SkinPreview::pictureSize() const {
    return SignScale(1, devicePixelRatio()).logicalRect(m_picture.rect()).size();
}

QSize SkinPreview::sizeHint() const {
    const int frame = frameWidth();
    return pictureSize().grownBy(Margin + QMargins(frame, frame, frame, frame));
}

void SkinPreview::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QSize size = pictureSize();
    mapToLedPixels(painter, QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), QPoint(),
                   1);
    painter.drawImage(0, 0, m_picture);
}
