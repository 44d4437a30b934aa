#include "Pictures.h"
#include "PixelArt.h"

#include <map>

namespace {

constexpr QSize captionSize(96, 16);
constexpr int dotPitch = 2;

// A 5 x 7 dot-matrix face with just the letters of the name; each dot becomes a 2 x 2 lamp.
const std::map<char, GlyphRows> letters = {
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'o', {".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."}},
    {'r', {".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."}},
    {'v', {".....", ".....", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'a', {".....", ".....", ".###.", "....#", ".####", "#...#", ".####"}},
    {'n', {".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"}},
    {'t', {".#..", ".#..", "###.", ".#..", ".#..", ".#..", "..##"}},
};

constexpr std::string_view name = "Sorvanta";

int textDots() {
    int dots = 0;
    for (char letter : name)
        dots += glyphWidth(letters.at(letter)) + 1;
    return dots - 1;
}

} // namespace

QImage drawCaption() {
    QImage image = solidImage(captionSize, Led::background);
    const int textHeight = 7 * dotPitch;
    QPoint origin((captionSize.width() - textDots() * dotPitch) / 2, (captionSize.height() - textHeight) / 2);
    for (char letter : name) {
        const GlyphRows& rows = letters.at(letter);
        stampGlyph(image, rows, origin, Led::orange, dotPitch, dotPitch);
        stampGlyph(image, rows, origin + QPoint(1, 1), Led::afterglowOrange, dotPitch, 1);
        origin.rx() += (glyphWidth(rows) + 1) * dotPitch;
    }
    return image;
}
