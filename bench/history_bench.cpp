// Undo and redo on a large map, against applying the same operation straight to the map, and the
// memory a long history costs on top of the map itself.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "editor/edited_map.h"
#include "editor/hotspot_editor.h"

namespace velquist::bench {
namespace {

constexpr int kCanvasWidth = 996;
constexpr int kCanvasHeight = 624;

Picture tallPicture(int width, int height) {
    Picture p;
    p.width = width;
    p.height = height;
    p.pixels.assign(static_cast<size_t>(width) * height, 0x00445566u);
    p.opaque = true;
    return p;
}

// An editor holding a 790 x 10,000 picture and `hotspots` hotspots spread over it.
std::unique_ptr<HotspotEditor> bigMap(int hotspots) {
    auto editor = std::make_unique<HotspotEditor>(kCanvasWidth, kCanvasHeight);
    editor->finishLoad("http://shop/detail.jpg", tallPicture(790, 10000));
    for (int i = 0; i < hotspots; ++i) {
        editor->addHotspot();
        editor->applyContent(editor->contentForm(), "提示 " + std::to_string(i),
                             "https://item.example.com/?id=" + std::to_string(i));
    }
    return editor;
}

double g_referenceNs = 0;

double nsPerIteration(std::chrono::steady_clock::time_point since, int64_t iterations) {
    const auto elapsed = std::chrono::steady_clock::now() - since;
    return std::chrono::duration<double, std::nano>(elapsed).count() /
           static_cast<double>(iterations);
}

// The reference: the step's operation (every hotspot moves with the background) applied to the
// map directly, without history or canvas.
void BM_ApplyBackgroundMoveDirectly(benchmark::State& state) {
    auto editor = bigMap(1000);
    EditedMap map;
    map.apply(op::RestoreMap{editor->map().state()});
    int x = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        map.apply(op::MoveBackground{{x++ % 7, 0}});
    }
    g_referenceNs = nsPerIteration(start, state.iterations());
}
BENCHMARK(BM_ApplyBackgroundMoveDirectly);

// Undo then redo of aligning the background on a 1,000-hotspot map, the canvas following.
void BM_UndoRedoOneStep(benchmark::State& state) {
    auto editor = bigMap(1000);
    editor->alignBackground(Alignment::Centre);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        editor->undo();
        editor->redo();
    }
    const double ns = nsPerIteration(start, state.iterations());
    state.counters["ratio_to_direct_apply"] = g_referenceNs > 0 ? ns / g_referenceNs : 0;
    state.counters["undo_redo_us"] = ns / 1000;
}
BENCHMARK(BM_UndoRedoOneStep);

// 10,000 steps (alignments and content edits) recorded over the 790 x 10,000 picture with 100
// hotspots: the heap they add, in megabytes; the picture alone is 30 MB.
void BM_HistoryMemory(benchmark::State& state) {
    for (auto _ : state) {
        auto editor = bigMap(100);
        const size_t mapBytes = mallinfo2().uordblks;
        constexpr Alignment kWays[] = {Alignment::Left, Alignment::Right, Alignment::Top,
                                       Alignment::Bottom, Alignment::Centre};
        for (int i = 0; i < 10000; ++i) {
            if (i % 2 == 0) {
                editor->alignBackground(kWays[(i / 2) % 5]);
            } else {
                const ContentForm form =
                    editor->contentFormFor(editor->map().hotspots()[i % 100].id);
                editor->applyContent(form, "改过的提示 " + std::to_string(i),
                                     "https://item.example.com/?id=" + std::to_string(i));
            }
        }
        const double added = static_cast<double>(mallinfo2().uordblks - mapBytes);
        state.counters["history_MB"] = added / (1024.0 * 1024.0);
        state.counters["steps"] = static_cast<double>(editor->history().undoCount());
    }
}
BENCHMARK(BM_HistoryMemory)->Iterations(1);

}  // namespace
}  // namespace velquist::bench

BENCHMARK_MAIN();
