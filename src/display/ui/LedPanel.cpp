#include "display/ui/LedPanel.h"

#include "display/LedPalette.h"
#include "display/SignScale.h"

#include <QPainter>
#include <cmath>

// The device transform says how large the device pixels of this paint are: a screen's, a grab's or
// an image's of any ratio.
void mapToLedPixels(QPainter& painter, QPointF corner, QPoint ledOffset, int zoom) {
    const QTransform toDevice = painter.deviceTransform();
    const int factor = zoom * SignScale::wholeRatio(toDevice.m11());
    const QPointF deviceCorner = toDevice.map(corner);
    const QTransform wanted =
        QTransform::fromScale(factor, factor) *
        QTransform::fromTranslate(std::round(deviceCorner.x()) + ledOffset.x() * factor,
                                  std::round(deviceCorner.y()) + ledOffset.y() * factor);
    painter.setWorldTransform(wanted * toDevice.inverted());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

LedPanel::LedPanel(QSize ledSize, QWidget* parent)
    : QWidget(parent)
    , m_led(QPoint(), ledSize) {
    applyScale();
}

void LedPanel::setLedPosition(QPoint ledPosition) {
    m_led.moveTopLeft(ledPosition);
    applyScale();
}

void LedPanel::setZoom(int zoom) {
    m_zoom = zoom;
    applyScale();
}

// Where the logical rectangle is wider than the LED pixels it holds, the skin shows around them.
void LedPanel::applyScale() {
    const SignScale scale(m_zoom, devicePixelRatio());
    setAttribute(Qt::WA_OpaquePaintEvent, scale.isExact());
    setGeometry(scale.logicalRect(m_led));
}

// The LED pixels are counted from the sign's top-left corner. A panel that is a window of its own is
// the whole sign.
void LedPanel::mapToLedPixels(QPainter& painter) const {
    if (isWindow())
        ::mapToLedPixels(painter, QPointF(), QPoint(), m_zoom);
    else
        ::mapToLedPixels(painter, -mapTo(window(), QPoint()), m_led.topLeft(), m_zoom);
}

void LedPanel::mapToUnlitPanel(QPainter& painter) const {
    mapToLedPixels(painter);
    painter.fillRect(QRect(QPoint(), m_led.size()), QColor::fromRgb(LedPalette::Background.rgb()));
}
