#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <string_view>
#include <vector>

// The colours of the LED sign, shared by every lit picture.
namespace Led {
inline constexpr QRgb background = qRgb(32, 22, 39);
inline constexpr QRgb yellowGreen = qRgb(210, 255, 16);
inline constexpr QRgb orange = qRgb(255, 160, 16);
inline constexpr QRgb afterglowOrange = qRgb(180, 110, 16);
inline constexpr QRgb red = qRgb(255, 1, 1);
} // namespace Led

// A bitmap glyph drawn as rows of '#' (lit) and '.' (dark); every row has the same width.
using GlyphRows = std::vector<std::string_view>;

int glyphWidth(const GlyphRows& rows);

// An opaque picture of one colour, the canvas of every LED picture.
QImage solidImage(QSize size, QRgb colour);

// Lights every '#' of the glyph as a dot x dot square on a grid of pitch pixels, with the
// glyph's top-left dot at origin. Exact rectangles only, so the result has no smoothing.
void stampGlyph(QImage& image, const GlyphRows& rows, QPoint origin, QRgb colour, int pitch = 1, int dot = 1);

// Enlarges a picture by a whole factor with nearest-neighbour sampling, keeping hard edges.
QImage scaledUp(const QImage& image, int factor);
