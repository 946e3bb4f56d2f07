// Colours as Windows colour values 0x00BBGGRR, the form the settings and hotspot tiles use.
#pragma once

#include <cstdint>

namespace velquist {

using ColorRef = uint32_t;

constexpr ColorRef rgb(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<ColorRef>(r) | (static_cast<ColorRef>(g) << 8) |
           (static_cast<ColorRef>(b) << 16);
}
constexpr uint8_t redOf(ColorRef c) {
    return static_cast<uint8_t>(c & 0xFF);
}
constexpr uint8_t greenOf(ColorRef c) {
    return static_cast<uint8_t>((c >> 8) & 0xFF);
}
constexpr uint8_t blueOf(ColorRef c) {
    return static_cast<uint8_t>((c >> 16) & 0xFF);
}

// From and to the 0xRRGGBB form of "#RRGGBB" colour texts.
constexpr ColorRef fromHexRgb(uint32_t rrggbb) {
    return rgb(static_cast<uint8_t>(rrggbb >> 16), static_cast<uint8_t>(rrggbb >> 8),
               static_cast<uint8_t>(rrggbb));
}
constexpr uint32_t toHexRgb(ColorRef c) {
    return (static_cast<uint32_t>(redOf(c)) << 16) | (static_cast<uint32_t>(greenOf(c)) << 8) |
           blueOf(c);
}

}  // namespace velquist
