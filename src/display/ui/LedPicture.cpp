#include "display/ui/LedPicture.h"

#include <QPainter>

LedPicture::LedPicture(QSize ledSize, QWidget* parent)
    : LedPanel(ledSize, parent) {}

void LedPicture::setPicture(const QImage& picture) {
    m_picture = picture;
    update();
}

void LedPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    mapToUnlitPanel(painter);
    painter.drawImage(0, 0, m_picture);
}
