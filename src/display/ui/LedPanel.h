#pragma once

#include <QWidget>

class QPainter;

// Sets painter up to draw in LED pixels scaled by zoom, each a square of whole device pixels: pixel
// (0, 0) is the LED pixel ledOffset counted from corner, a point in the painter's logical coordinates
// that is taken to the nearest whole device pixel.
void mapToLedPixels(QPainter& painter, QPointF corner, QPoint ledOffset, int zoom);

// A panel of the LED sign. Its place and size are counted in LED pixels of the sign; it lays itself
// out in logical pixels at the sign's scale (SignScale) and paints every LED pixel as a square block
// of whole device pixels, never smoothed, also where the screen's device pixel ratio is fractional.
class LedPanel : public QWidget {
    Q_OBJECT
public:
    LedPanel(QSize ledSize, QWidget* parent);
    Q_DISABLE_COPY_MOVE(LedPanel)

    // Puts the panel's top-left LED pixel on ledPosition of the sign.
    void setLedPosition(QPoint ledPosition);
    // Lays the panel out for zoom and the device pixel ratio of its screen.
    void setZoom(int zoom);

protected:
    // Sets the painter up to draw in the panel's LED pixels: pixel (0, 0) is the panel's top-left LED
    // pixel, and the blocks line up with those of every other panel and of the skin.
    void mapToLedPixels(QPainter& painter) const;
    // As mapToLedPixels, then every LED pixel of the panel unlit.
    void mapToUnlitPanel(QPainter& painter) const;

private:
    void applyScale();

    QRect m_led;
    int m_zoom = 1;
};
