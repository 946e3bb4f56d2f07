// The benchmark scene: a tall background, 200 half-transparent hotspot tiles, one soft-edged
// picture.
#pragma once

#include <cstdint>
#include <vector>

#include "core/geometry.h"
#include "pictures/picture.h"

namespace velquist::bench {

inline constexpr int kCanvasWidth = 1916;
inline constexpr int kCanvasHeight = 984;
inline constexpr int kTileCount = 200;
inline constexpr int kTileTransparency = 50;

struct SceneObject {
    Point position;
    const Picture* picture = nullptr;
    int transparency = 0;
};

struct Scene {
    Picture background;                // 1920 x 10000, opaque, at (-2, -3000)
    Picture tile;                      // the 100 x 100 hotspot tile, decoded from its bitmap bytes
    Picture soft;                      // 400 x 300 with an alpha edge that fades out over 40 pixels
    std::vector<SceneObject> objects;  // bottom first
};

Scene makeScene();

// The rule written out plainly, for checking the canvas frame bit for bit.
std::vector<uint32_t> referenceFrame(const Scene& scene, uint32_t backgroundPixel);

}  // namespace velquist::bench
