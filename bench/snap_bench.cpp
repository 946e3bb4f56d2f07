// Snapping while dragging, on a 790 x 15000 page with 200 hotspots and its proposals shown, in
// one run: the editor's move and dirty-rectangle render with snapping on against the same move
// with it off (S), and the edge-map query for the four sides of a hotspot alone.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "editor/hotspot_editor.h"
#include "suggest/edge_map.h"
#include "suggest/suggestion.h"
#include "summary_reporter.h"

namespace velquist {
namespace {

// The pointer at `at` over the canvas with the left button down.
PointerInput leftAt(Point at) {
    PointerInput input;
    input.at = at;
    input.button = PointerButton::Left;
    return input;
}

constexpr int kWidth = 790;
constexpr int kHeight = 15000;
constexpr int kHotspots = 200;

void measured(benchmark::internal::Benchmark* b) {
    b->MinTime(0.1)->Repetitions(5)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);
}

// A detail page: bordered cards three to a row on white, every 400 px.
Picture shopPage() {
    Picture p{
        kWidth, kHeight, std::vector<uint32_t>(size_t(kWidth) * kHeight, 0x00FFFFFF), true, {}};
    for (int top = 40; top + 360 < kHeight; top += 400) {
        for (int c = 0; c < 3; ++c) {
            const int left = 25 + c * 255;
            for (int y = top; y < top + 360; ++y) {
                for (int x = left; x < left + 230; ++x) {
                    const bool border = y == top || y == top + 359 || x == left || x == left + 229;
                    p.pixels[size_t(y) * kWidth + size_t(x)] =
                        border ? 0x00DDDDDD : (y < top + 230 ? 0x0090C0E0 : 0x00FFFFFF);
                }
            }
        }
    }
    return p;
}

struct Fixture {
    Picture page = shopPage();
    HotspotEditor editor{1920, 1080};
    EdgeMap edges = EdgeMap::of(page);
    int32_t dragged = 0;

    Fixture() {
        for (const Suggestion& s : suggestHotspots(page)) {
            edges.addRectangle(s.rect);
        }
        editor.finishLoad("detail.png", Picture(page));
        for (int i = 0; i < kHotspots; ++i) {
            editor.addHotspot();
            dragged = editor.map().selection();
            const Point to{(i * 37) % (kWidth - 100), i * (kHeight / kHotspots) % 900};
            editor.press(leftAt({100, 100}));
            editor.move(leftAt(to));
            editor.release(leftAt(to));
        }
        // The last hotspot, on top of the others, is held by its top left corner.
        const Rect last = editor.map().findHotspot(dragged)->rect;
        editor.press(leftAt({last.left, last.top}));
        // The edge map and the proposals, as the window's worker hands them over.
        editor.proposeHotspots();
        while (std::optional<AnalysisRequest> request = editor.takeAnalysisRequest()) {
            editor.finishAnalysis(analysePicture(*request));
        }
        editor.canvas().render();
        if (editor.proposalOutlines().empty()) {
            std::fprintf(stderr, "the page gave no proposals\n");
            std::exit(1);
        }
    }
};

Fixture& fixture() {
    static Fixture instance;
    return instance;
}

// Moves the held hotspot back and forth beside a card's side, snapping on or off.
void moveWithSnapping(benchmark::State& state, bool snapping) {
    Fixture& f = fixture();
    if (f.editor.snapping() != snapping) {
        f.editor.toggleSnapping();
    }
    int step = 0;
    for (auto _ : state) {
        f.editor.move(leftAt({278 + (step++ & 7), 400}));
        benchmark::DoNotOptimize(f.editor.canvas().render());
    }
}

void plainMove(benchmark::State& state) {
    moveWithSnapping(state, false);
}
BENCHMARK(plainMove)->Apply(measured);

void snappedMove(benchmark::State& state) {
    moveWithSnapping(state, true);
}
BENCHMARK(snappedMove)->Apply(measured);

// The four sides of a 230 x 360 hotspot near a card, as a drag asks for them on each move.
void snapQuery(benchmark::State& state) {
    Fixture& f = fixture();
    int step = 0;
    for (auto _ : state) {
        const int x = 278 + (step & 7);
        const int y = 10 + 400 * (step++ % 30);
        benchmark::DoNotOptimize(f.edges.nearestVertical(x, y, y + 360));
        benchmark::DoNotOptimize(f.edges.nearestVertical(x + 230, y, y + 360));
        benchmark::DoNotOptimize(f.edges.nearestHorizontal(y, x, x + 230));
        benchmark::DoNotOptimize(f.edges.nearestHorizontal(y + 360, x, x + 230));
    }
}
BENCHMARK(snapQuery)->Apply(measured);

}  // namespace
}  // namespace velquist

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    velquist::bench::SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double move = reporter.seconds["plainMove"];
    const double snapped = reporter.seconds["snappedMove"];
    const double snap = reporter.seconds["snapQuery"];
    std::printf(
        "\nmove %.2f us, with snapping %.2f us, snap query (four sides) %.3f us: a move with "
        "snapping is %.3f x a plain move\n",
        move * 1e6, snapped * 1e6, snap * 1e6, move > 0 ? snapped / move : 0.0);
    benchmark::Shutdown();
    return 0;
}
