#include "display/ui/LedPanel.h"

#include "display/SignScale.h"

#include <QPainter>
#include <cmath>

// The device transform says how large the device pixels of this paint are: a screen's, a grab's or
// an image's of any ratio.
void MapToLedPixels(QPainter& painter, const QWidget& widget, QPoint ledInSign, int zoom) {
    const QTransform toDevice = painter.deviceTransform();
    const int factor = zoom * SignScale::WholeRatio(toDevice.m11());
    const bool wholeSign = widget.isWindow();
    const QPoint origin = wholeSign ? QPoint() : ledInSign * factor;
    const QPoint inSign = wholeSign ? QPoint() : widget.mapTo(widget.window(), QPoint());
    const QPointF corner = toDevice.map(QPointF(-inSign));
    const QTransform wanted =
        QTransform::fromScale(factor, factor) *
        QTransform::fromTranslate(std::round(corner.x()) + origin.x(), std::round(corner.y()) + origin.y());
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
