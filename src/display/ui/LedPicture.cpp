#include "display/ui/LedPicture.h"

#include "display/LedPalette.h"

#include <QPainter>

LedPicture::LedPicture(QSize ledSize, QWidget* parent)
    : LedPanel(ledSize, parent) {}

void LedPicture::setPicture(const QImage& picture) {
    m_picture = picture;
    update();
}

void LedPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    mapToLedPixels(painter);
    painter.fillRect(QRect(QPoint(), ledGeometry().size()), QColor::fromRgb(LedPalette::Background.rgb()));
    painter.drawImage(0, 0, m_picture);
}
