// A thousand hotspots on screen: selecting them all, and dragging them all one mouse step (editor
// move, dirty-rectangle render, the frames the view draws), against one hotspot's mouse step.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "editor/hotspot_editor.h"
#include "summary_reporter.h"

namespace velquist::bench {
namespace {

// The largest canvas (a maximized window) and 40 x 25 hotspots of 40 x 30 covering it.
constexpr int kCanvasWidth = 1916;
constexpr int kCanvasHeight = 984;
constexpr int kColumns = 40;
constexpr int kRows = 25;
constexpr int kTileWidth = 40;
constexpr int kTileHeight = 30;

PointerInput leftAt(Point at) {
    PointerInput input;
    input.at = at;
    input.button = PointerButton::Left;
    return input;
}

void measured(benchmark::internal::Benchmark* b) {
    b->MinTime(0.1)->Repetitions(10)->MeasureProcessCPUTime();
}

Picture pagePicture() {
    Picture p;
    p.width = kCanvasWidth;
    p.height = kCanvasHeight;
    p.opaque = true;
    p.pixels.resize(static_cast<size_t>(p.width) * p.height);
    for (size_t i = 0; i < p.pixels.size(); ++i) {
        p.pixels[i] = static_cast<uint32_t>(i * 2654435761u) & 0x00FFFFFFu;
    }
    return p;
}

Point cellAt(int i) {
    return {20 + (i % kColumns) * 46, 10 + (i / kColumns) * 38};
}

struct Fixture {
    HotspotEditor editor{kCanvasWidth, kCanvasHeight};
    std::vector<int32_t> ids;
    Point at;  // the pointer of the drag under way

    Fixture() {
        editor.finishLoad("page.png", pagePicture());
        HotspotStyle style;
        style.width = kTileWidth;
        style.height = kTileHeight;
        editor.setStyle(style);
        for (int i = 0; i < kColumns * kRows; ++i) {
            editor.addHotspot();  // at (100, 100), over every earlier one
            const Point to = cellAt(i);
            editor.press(leftAt({110, 110}));
            editor.move(leftAt({to.x + 10, to.y + 10}));
            editor.release(leftAt({to.x + 10, to.y + 10}));
            ids.push_back(editor.map().selection());
        }
        editor.canvas().render();
    }

    // One mouse step of a drag under way, back and forth, and what the view then shows.
    void step(bool right) {
        at.x += right ? 1 : -1;
        benchmark::DoNotOptimize(editor.move(leftAt(at)));
        benchmark::DoNotOptimize(editor.canvas().render());
        benchmark::DoNotOptimize(editor.selectionFrames());
        benchmark::ClobberMemory();
    }
    void grab() {
        at = {cellAt(0).x + 5, cellAt(0).y + 5};
        editor.press(leftAt(at));
    }
    void letGo() {
        editor.release(leftAt(at));
        editor.canvas().render();
    }
};

Fixture& fixture() {
    static Fixture instance;
    return instance;
}

void oneHotspotStep(benchmark::State& state) {
    Fixture& f = fixture();
    f.editor.selectHotspots({f.ids.front()});
    f.grab();
    bool right = false;
    for (auto _ : state) {
        right = !right;
        f.step(right);
    }
    f.letGo();
}
BENCHMARK(oneHotspotStep)->Unit(benchmark::kMillisecond)->Apply(measured);

void selectAll(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        benchmark::DoNotOptimize(f.editor.selectAll());
        benchmark::DoNotOptimize(f.editor.selectionFrames());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(selectAll)->Unit(benchmark::kMillisecond)->Apply(measured);

void moveAllStep(benchmark::State& state) {
    Fixture& f = fixture();
    f.editor.selectAll();
    f.grab();
    bool right = false;
    for (auto _ : state) {
        right = !right;
        f.step(right);
    }
    f.letGo();
}
BENCHMARK(moveAllStep)->Unit(benchmark::kMillisecond)->Apply(measured);

// The frame after moving them all must equal the frame recomposited whole, and every hotspot
// must have moved, or the speed means nothing.
bool checkMovedFrame() {
    Fixture& f = fixture();
    HotspotCanvas& canvas = f.editor.canvas();
    const size_t pixels = static_cast<size_t>(canvas.width()) * canvas.height();
    f.editor.selectAll();
    f.grab();
    f.step(true);
    f.step(true);
    f.letGo();
    const std::vector<uint32_t> moved(canvas.frame(), canvas.frame() + pixels);
    canvas.clearBackdrop();
    canvas.render();
    const bool same = std::equal(moved.begin(), moved.end(), canvas.frame());
    const bool all = std::all_of(f.ids.begin(), f.ids.end(), [&](int32_t id) {
        return canvas.objectLeft(id) == f.editor.map().findHotspot(id)->rect.left;
    });
    f.editor.undo();
    canvas.render();
    std::printf("frame after moving all equals the full recomposite: %s\n",
                same && all ? "yes" : "NO");
    return same && all;
}

}  // namespace
}  // namespace velquist::bench

int main(int argc, char** argv) {
    if (!velquist::bench::startInterleaved(argc, argv)) {
        return 1;
    }
    const bool same = velquist::bench::checkMovedFrame();
    velquist::bench::SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto& s = reporter.seconds;
    const auto best = [&s](const char* name) { return s.count(name) ? s.at(name) : 0.0; };
    const double one = best("oneHotspotStep");
    const double select = best("selectAll");
    const double moveAll = best("moveAllStep");
    const auto ratio = [one](double t) { return one > 0 ? t / one : 0.0; };
    std::printf("\nbest processor time of the repetitions, %d hotspots on a %d x %d canvas:\n",
                velquist::bench::kColumns * velquist::bench::kRows, velquist::bench::kCanvasWidth,
                velquist::bench::kCanvasHeight);
    std::printf("one hotspot, one mouse step:   %.3f ms (the reference)\n", one * 1e3);
    std::printf(
        "select all:                    %.3f ms; / reference = %.2f (target well under "
        "16 ms)\n",
        select * 1e3, ratio(select));
    std::printf(
        "all hotspots, one mouse step:  %.3f ms; / reference = %.2f (target well under "
        "16 ms)\n",
        moveAll * 1e3, ratio(moveAll));
    benchmark::Shutdown();
    return same ? 0 : 1;
}
