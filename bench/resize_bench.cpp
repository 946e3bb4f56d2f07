// One mouse movement resizing a 300 x 300 hotspot, as the editor does it (a tile drawn straight
// into a picture), against the earlier way (a 24-bit bitmap written out and decoded again).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "editor/hotspot_editor.h"
#include "editor/hotspot_tile.h"
#include "pictures/picture_decoder.h"

namespace velquist {
namespace {

constexpr int kSide = 300;

// The left button held on the right handle, the pointer at (x, y).
PointerInput onRightHandle(int x, int y) {
    PointerInput input;
    input.at = {x, y};
    input.button = PointerButton::Left;
    input.handle = HandleEdge::Right;
    return input;
}

void putLe(std::string& out, size_t at, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out[at + static_cast<size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

// The bitmap the editor used to write for every tile.
std::string tileBitmap(int width, int height, ColorRef fill, ColorRef border) {
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    std::string bmp(54 + stride * static_cast<size_t>(height), '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    putLe(bmp, 2, static_cast<uint32_t>(bmp.size()), 4);
    putLe(bmp, 10, 54, 4);
    putLe(bmp, 14, 40, 4);
    putLe(bmp, 18, static_cast<uint32_t>(width), 4);
    putLe(bmp, 22, static_cast<uint32_t>(height), 4);
    putLe(bmp, 26, 1, 2);
    putLe(bmp, 28, 24, 2);
    for (int y = 0; y < height; ++y) {
        char* row = bmp.data() + 54 + stride * static_cast<size_t>(y);
        for (int x = 0; x < width; ++x) {
            const bool frame = x < 2 || x >= width - 2 || y < 2 || y >= height - 2;
            const ColorRef c = frame ? border : fill;
            row[3 * x] = static_cast<char>(blueOf(c));
            row[3 * x + 1] = static_cast<char>(greenOf(c));
            row[3 * x + 2] = static_cast<char>(redOf(c));
        }
    }
    return bmp;
}

// An editor with a 750 x 400 background and one 300 x 300 hotspot whose right handle is held.
struct Resizing : HotspotEditor {
    Resizing() : HotspotEditor(996, 624) {
        finishLoad("http://a/b.png",
                   Picture{750, 400, std::vector<uint32_t>(750 * 400, 0x336699), true, {}});
        HotspotStyle style;
        style.width = kSide;
        style.height = kSide;
        setStyle(style);
        addHotspot();
        canvas().render();
        press(onRightHandle(0, 0));
    }
};

void resizeStep(benchmark::State& state) {
    Resizing editor;
    int step = 0;
    for (auto _ : state) {
        // The right edge goes one pixel out and back: the hotspot stays about 300 x 300.
        editor.move(onRightHandle(100 + kSide + (step++ & 1), 200));
        benchmark::DoNotOptimize(editor.canvas().render());
    }
}

void resizeStepThroughBitmap(benchmark::State& state) {
    Resizing editor;
    HotspotCanvas& canvas = editor.canvas();
    const int32_t id = editor.map().selection();
    const HotspotStyle style;
    int step = 0;
    for (auto _ : state) {
        const int width = kSide + (step++ & 1);
        canvas.setPicture(
            id,
            decodePicture(tileBitmap(width, kSide, style.fillColor, style.borderColor)).value());
        canvas.moveObject(id, 100, 100);
        benchmark::DoNotOptimize(canvas.render());
    }
}

BENCHMARK(resizeStepThroughBitmap)->Unit(benchmark::kMicrosecond);
BENCHMARK(resizeStep)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velquist

BENCHMARK_MAIN();
