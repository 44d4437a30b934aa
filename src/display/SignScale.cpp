#include "display/SignScale.h"

#include <algorithm>
#include <cmath>

namespace {

// Device pixels to logical ones, rounding errors of the division forgiven.
int logicalFloor(int device, double ratio) {
    return int(std::floor(device / ratio + 1e-9));
}

int logicalCeil(int device, double ratio) {
    return int(std::ceil(device / ratio - 1e-9));
}

} // namespace

SignScale::SignScale(int zoom, double devicePixelRatio)
    : m_zoom(std::max(1, zoom))
    , m_ratio(devicePixelRatio > 0 && std::isfinite(devicePixelRatio) ? devicePixelRatio : 1.0) {}

int SignScale::wholeRatio(double devicePixelRatio) {
    if (!(devicePixelRatio > 0) || !std::isfinite(devicePixelRatio))
        return 1;
    return std::max(1, int(std::floor(devicePixelRatio + 0.5)));
}

bool SignScale::isExact() const {
    const double logicalPerLed = factor() / m_ratio;
    return std::abs(logicalPerLed - std::round(logicalPerLed)) < 1e-9;
}

QRect SignScale::logicalRect(const QRect& led) const {
    const int f = factor();
    const int left = logicalFloor(led.x() * f, m_ratio);
    const int top = logicalFloor(led.y() * f, m_ratio);
    const int right = logicalCeil((led.x() + led.width()) * f, m_ratio);
    const int bottom = logicalCeil((led.y() + led.height()) * f, m_ratio);
    return {left, top, right - left, bottom - top};
}
