// How a newly added hotspot looks: size, transparency and colours. Kept in pz.ini by the settings.
#pragma once

#include <cstdint>

#include "core/color.h"

namespace velquist {

struct HotspotStyle {
    int32_t width = 100;
    int32_t height = 100;
    int32_t transparency = 50;                     // percent, 0 opaque .. 100 invisible
    ColorRef fillColor = rgb(0xFF, 0x00, 0xFF);    // magenta
    ColorRef borderColor = rgb(0x00, 0xE0, 0x80);  // green
};

}  // namespace velquist
