// Aligning 100 of 1,000 hotspots (history, canvas following, render) against moving the same
// hotspots straight on the map; the whole action must stay well within a frame (16 ms).
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <vector>

#include "editor/edited_map.h"
#include "editor/hotspot_editor.h"

namespace velquist::bench {
namespace {

Picture tallPicture(int width, int height) {
    Picture p;
    p.width = width;
    p.height = height;
    p.pixels.assign(static_cast<size_t>(width) * height, 0x00445566u);
    p.opaque = true;
    return p;
}

// 1,000 hotspots of assorted sizes over a 790 x 10,000 picture; every tenth is selected.
std::unique_ptr<HotspotEditor> bigMap() {
    auto editor = std::make_unique<HotspotEditor>(996, 624);
    editor->finishLoad("http://shop/detail.jpg", tallPicture(790, 10000));
    MapDocument document{"http://shop/detail.jpg", 790, 10000, {0, 0}, {}, {}};
    for (int i = 0; i < 1000; ++i) {
        document.hotspots.push_back(
            {{(i * 37) % 690, (i * 97) % 9900, 50 + i % 40, 30 + i % 50}, "提示", "#"});
    }
    editor->replaceMap("打开", document, editor->map().background().picture);
    std::vector<int32_t> ids;
    for (size_t i = 0; i < 1000; i += 10) {
        ids.push_back(editor->map().hotspots()[i].id);
    }
    editor->selectHotspots(ids);
    editor->canvas().render();
    return editor;
}

double g_referenceNs = 0;

double nsPerIteration(std::chrono::steady_clock::time_point since, int64_t iterations) {
    const auto elapsed = std::chrono::steady_clock::now() - since;
    return std::chrono::duration<double, std::nano>(elapsed).count() /
           static_cast<double>(iterations);
}

// The reference: the hundred moves applied to the map alone, without history or canvas.
void BM_MoveHundredDirectly(benchmark::State& state) {
    auto editor = bigMap();
    EditedMap map;
    map.apply(op::RestoreMap{editor->map().state()});
    const std::vector<int32_t> ids = editor->map().selectedIds();
    int x = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        x = x == 0 ? 7 : 0;
        for (const int32_t id : ids) {
            map.apply(op::MoveHotspot{id, {x, map.findHotspot(id)->rect.top}});
        }
    }
    g_referenceNs = nsPerIteration(start, state.iterations());
}
BENCHMARK(BM_MoveHundredDirectly);

// Left then right alignment against the hotspot right-clicked, each followed by a render.
void BM_AlignHundredOfThousand(benchmark::State& state) {
    auto editor = bigMap();
    const int32_t reference = editor->map().selectedIds()[5];
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        editor->arrangeSelected(Arrangement::Left, reference);
        editor->canvas().render();
        editor->arrangeSelected(Arrangement::Right, reference);
        editor->canvas().render();
    }
    const double ns = nsPerIteration(start, state.iterations()) / 2;
    state.counters["ratio_to_direct_moves"] = g_referenceNs > 0 ? ns / g_referenceNs : 0;
    state.counters["align_us"] = ns / 1000;
}
BENCHMARK(BM_AlignHundredOfThousand);

}  // namespace
}  // namespace velquist::bench

BENCHMARK_MAIN();
