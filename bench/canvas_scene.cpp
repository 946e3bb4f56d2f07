// The benchmark scene and a plain per-pixel drawing of it.
#include "canvas_scene.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "pictures/picture_decoder.h"

namespace velquist::bench {
namespace {

void putLe(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// A hotspot tile as the editor hands it to the canvas: a 24-bit bitmap, magenta with a
// two-pixel green frame.
std::string tileBitmap(int size) {
    const int stride = (size * 3 + 3) / 4 * 4;
    std::string out = "BM";
    for (uint32_t v : {static_cast<uint32_t>(54 + stride * size), 0u, 54u, 40u}) {
        putLe(out, v, 4);
    }
    putLe(out, static_cast<uint32_t>(size), 4);
    putLe(out, static_cast<uint32_t>(size), 4);
    putLe(out, 1, 2);
    putLe(out, 24, 2);
    out.append(24, '\0');
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool frame = x < 2 || y < 2 || x >= size - 2 || y >= size - 2;
            putLe(out, frame ? 0x00E080 : 0xFF00FF, 3);
        }
        out.append(static_cast<size_t>(stride - size * 3), '\0');
    }
    return out;
}

Picture makeBackground() {
    Picture p;
    p.width = 1920;
    p.height = 10000;
    p.opaque = true;
    p.pixels.resize(static_cast<size_t>(p.width) * p.height);
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            p.pixels[static_cast<size_t>(y) * p.width + x] =
                static_cast<uint32_t>((x & 0xFF) << 16 | (y & 0xFF) << 8 | ((x ^ y) & 0xFF));
        }
    }
    return p;
}

Picture makeSoft() {
    Picture p;
    p.width = 400;
    p.height = 300;
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            const int edge = std::min({x, y, p.width - 1 - x, p.height - 1 - y});
            const uint32_t transparency =
                edge >= 40 ? 0 : static_cast<uint32_t>(255 - edge * 255 / 40);
            p.pixels.push_back(transparency << 24 | 0x2080C0);
        }
    }
    return p;
}

}  // namespace

Scene makeScene() {
    Scene scene;
    scene.background = makeBackground();
    scene.tile = decodePicture(tileBitmap(100)).value();
    scene.soft = makeSoft();
    scene.objects.push_back({{-2, -3000}, &scene.background, 0});
    // Tiles spread over the whole view, overlapping each other and the edges.
    uint32_t seed = 12345;
    for (int i = 0; i < kTileCount; ++i) {
        seed = seed * 1103515245 + 12345;
        const int x = static_cast<int>((seed >> 8) % (kCanvasWidth + 40)) - 70;
        seed = seed * 1103515245 + 12345;
        const int y = static_cast<int>((seed >> 8) % (kCanvasHeight + 40)) - 70;
        scene.objects.push_back({{x, y}, &scene.tile, kTileTransparency});
    }
    scene.objects.push_back({{700, 300}, &scene.soft, 0});
    return scene;
}

std::vector<uint32_t> referenceFrame(const Scene& scene, uint32_t backgroundPixel) {
    std::vector<uint32_t> frame(static_cast<size_t>(kCanvasWidth) * kCanvasHeight, backgroundPixel);
    for (const SceneObject& object : scene.objects) {
        const Picture& p = *object.picture;
        const int weight = static_cast<int>(std::floor(object.transparency * 255 / 100.0 + 0.5));
        for (int y = std::max(0, object.position.y);
             y < std::min(kCanvasHeight, object.position.y + p.height); ++y) {
            for (int x = std::max(0, object.position.x);
                 x < std::min(kCanvasWidth, object.position.x + p.width); ++x) {
                const uint32_t src = p.pixels[static_cast<size_t>(y - object.position.y) * p.width +
                                              (x - object.position.x)];
                uint32_t& dst = frame[static_cast<size_t>(y) * kCanvasWidth + x];
                const int a = weight + static_cast<int>(src >> 24);
                if (a <= 0) {
                    dst = src | 0xFF000000u;
                    continue;
                }
                if (a >= 255) {
                    continue;
                }
                uint32_t out = 0xFF000000u;
                for (int shift = 0; shift < 24; shift += 8) {
                    const int s = static_cast<int>(src >> shift & 0xFF);
                    const int d = static_cast<int>(dst >> shift & 0xFF);
                    out |= static_cast<uint32_t>(d + std::lround((s - d) * (255 - a) / 255.0))
                           << shift;
                }
                dst = out;
            }
        }
    }
    return frame;
}

}  // namespace velquist::bench
