#include "display/LedPalette.h"

#include <array>

namespace {

struct RoleColours {
    LedColour text;
    LedColour afterglow;
};

// Indexed by RunRole.
constexpr std::array<RoleColours, 4> Colours{{
    {{255, 160, 16}, {180, 110, 16}}, // label: orange
    {{255, 1, 1}, {160, 1, 1}},       // keyword: red
    {{210, 255, 16}, {128, 160, 16}}, // rule name and text: yellow-green
    {{40, 220, 255}, {24, 130, 160}}, // the marker of a new item: cyan
}};

constexpr RoleColours Mono{{255, 160, 16}, {180, 110, 16}};

} // namespace

LedColour runColour(LedLayer layer, RunRole role, bool mono) {
    const RoleColours& colours = mono ? Mono : Colours.at(static_cast<std::size_t>(role));
    switch (layer) {
    case LedLayer::Text:
        return colours.text;
    case LedLayer::Afterglow:
        return colours.afterglow;
    case LedLayer::Mask:
        break;
    }
    return LedPalette::Black;
}

LedColour layerBackground(LedLayer layer) {
    switch (layer) {
    case LedLayer::Text:
        return LedPalette::Black;
    case LedLayer::Afterglow:
        return LedPalette::Background;
    case LedLayer::Mask:
        break;
    }
    return LedPalette::White;
}
