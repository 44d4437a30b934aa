#include "Pictures.h"

#include <QSet>
#include <algorithm>
#include <cmath>

namespace {

constexpr int skinWidth = 222;
constexpr int skinHeight = 65;
constexpr int upperBandRows = 32;
constexpr int ridgeRows = 3;
constexpr int shadeSteps = 32; // few enough colours for a 256-colour bitmap

QColor mix(const QColor& from, const QColor& to, double amount) {
    const auto channel = [amount](int a, int b) { return int(std::lround(a + (b - a) * amount)); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

// How far column x is towards the middle of the panel, 0 at either side and 1 in the middle,
// in whole steps so the shading stays within a small palette.
double towardsMiddle(int x) {
    const double centre = (skinWidth - 1) / 2.0;
    const double distance = std::abs(x - centre) / centre;
    // Squared, so the light spreads across the middle like on a rounded surface.
    return std::round((1.0 - distance * distance) * shadeSteps) / shadeSteps;
}

// One band: shaded across, with a light top edge and a dark bottom edge so it reads as raised.
void drawBand(QImage& image, int top, int rows, const SkinScheme& scheme) {
    for (int x = 0; x < skinWidth; ++x) {
        const QColor shade = mix(scheme.side, scheme.middle, towardsMiddle(x));
        for (int y = top; y < top + rows; ++y)
            image.setPixelColor(x, y, shade);
        image.setPixelColor(x, top, mix(shade, scheme.ridgeLight, 0.35));
        image.setPixelColor(x, top + rows - 1, mix(shade, scheme.ridgeDark, 0.45));
    }
    for (int y = top; y < top + rows; ++y) {
        image.setPixelColor(0, y, mix(image.pixelColor(0, y), scheme.ridgeLight, 0.25));
        image.setPixelColor(skinWidth - 1, y,
                            mix(image.pixelColor(skinWidth - 1, y), scheme.ridgeDark, 0.45));
    }
}

// The ridge between the bands: a dark groove, a lit crest shaded like the bands, a dark groove.
void drawRidge(QImage& image, int top, const SkinScheme& scheme) {
    for (int x = 0; x < skinWidth; ++x) {
        const QColor crest = mix(scheme.middle, scheme.ridgeLight, 0.3 + 0.7 * towardsMiddle(x));
        image.setPixelColor(x, top, scheme.ridgeDark);
        image.setPixelColor(x, top + 1, crest);
        image.setPixelColor(x, top + 2, scheme.ridgeDark);
    }
}

} // namespace

QImage drawSkin(const SkinScheme& scheme) {
    QImage image(skinWidth, skinHeight, QImage::Format_RGB32);
    drawBand(image, 0, upperBandRows, scheme);
    drawRidge(image, upperBandRows, scheme);
    const int lowerTop = upperBandRows + ridgeRows;
    drawBand(image, lowerTop, skinHeight - lowerTop, scheme);
    return image;
}

QImage toPaletteImage(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    }
    if (colours.size() > 256)
        return {};
    QList<QRgb> table(colours.cbegin(), colours.cend());
    std::sort(table.begin(), table.end());
    QImage indexed =
        image.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither | Qt::AvoidDither);
    // The bitmap writer copies whole scan lines; clear their padding so every run writes the same file.
    for (int y = 0; y < indexed.height(); ++y)
        std::fill(indexed.scanLine(y) + indexed.width(), indexed.scanLine(y) + indexed.bytesPerLine(), 0);
    return indexed;
}
