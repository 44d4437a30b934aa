#pragma once

#include <QRect>

// How the LED pixels of the sign meet the screen. Every LED pixel is a square of factor() x factor()
// device pixels: Zoom times the screen's device pixel ratio made whole, so no picture of the sign is
// ever smoothed. Windows and widgets are placed in logical pixels (device pixels / ratio); where the
// ratio is fractional a logical rectangle cannot always match whole device pixels and is widened to
// cover them.
class SignScale {
public:
    SignScale(int zoom, double devicePixelRatio);

    // The nearest whole ratio, halves up and never below 1: 1.25 gives 1, 1.5 gives 2.
    static int wholeRatio(double devicePixelRatio);

    int factor() const { return m_zoom * wholeRatio(m_ratio); }
    // Logical pixels fall on whole LED pixels: every rectangle maps exactly both ways.
    bool isExact() const;
    // The smallest rectangle of logical pixels that covers the device pixels of a rectangle of LED
    // pixels, each LED pixel factor() device pixels wide and high.
    QRect logicalRect(const QRect& led) const;

private:
    int m_zoom;
    double m_ratio;
};
