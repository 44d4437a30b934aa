#pragma once

#include "display/MessageSegments.h"

#include <cstdint>

// An RGB triple, independent of any drawing library.
struct LedColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    constexpr std::uint32_t rgb() const {
        return std::uint32_t(red) << 16 | std::uint32_t(green) << 8 | blue;
    }
    bool operator==(const LedColour&) const = default;
};

// The message is drawn three times: lit colours on black, a darker afterglow copy on the LED
// background, and a mask with every glyph black on white.
enum class LedLayer { Text, Afterglow, Mask };

namespace LedPalette {
constexpr LedColour Background{32, 22, 39}; // the unlit LED
constexpr LedColour Black{0, 0, 0};
constexpr LedColour White{255, 255, 255};
} // namespace LedPalette

// The colour a run is drawn in on a layer; mono (Scroll_MonoColor) paints everything orange.
LedColour runColour(LedLayer layer, RunRole role, bool mono);

// The colour a layer is cleared to before drawing.
LedColour layerBackground(LedLayer layer);
