// Scrolling a tall detail page with the wheel: one notch from the editor's move to the frame
// painted, against a full recomposite and paint of the same canvas in the same run.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "canvas_scene.h"
#include "editor/hotspot_editor.h"
#include "summary_reporter.h"

namespace velquist::bench {
namespace {

// The pointer at `at` over the canvas with the left button down.
PointerInput leftAt(Point at) {
    PointerInput input;
    input.at = at;
    input.button = PointerButton::Left;
    return input;
}

constexpr int kPictureWidth = 790;
constexpr int kPictureHeight = 15000;
constexpr int kHotspots = 200;
constexpr int kNotch = 120;

void measured(benchmark::internal::Benchmark* b) {
    b->MinTime(0.1)->Repetitions(10)->MeasureProcessCPUTime();
}

Picture tallPicture() {
    Picture p;
    p.width = kPictureWidth;
    p.height = kPictureHeight;
    p.opaque = true;
    p.pixels.resize(static_cast<size_t>(p.width) * p.height);
    for (size_t i = 0; i < p.pixels.size(); ++i) {
        p.pixels[i] = static_cast<uint32_t>(i * 2654435761u) & 0x00FFFFFFu;
    }
    return p;
}

// The editor on the largest canvas (a maximized window) holding the picture and 200 hotspots
// spread down it; the window's frame is a QImage the view paints, as the view does.
struct Fixture {
    HotspotEditor editor{kCanvasWidth, kCanvasHeight};
    QImage window{kCanvasWidth, kCanvasHeight, QImage::Format_RGB32};

    Fixture() {
        editor.finishLoad("detail.png", tallPicture());
        for (int i = 0; i < kHotspots; ++i) {
            editor.addHotspot();
            const Point to{(i * 37) % (kPictureWidth - 100), i * (kPictureHeight / kHotspots)};
            editor.press(leftAt({100, 100}));
            editor.move(leftAt(to));
            editor.release(leftAt(to));
        }
        editor.canvas().render();
    }

    // What CanvasView does for a repaint: the changed rectangles from the frame to the window.
    void paint(const std::vector<Rect>& dirty) {
        HotspotCanvas& canvas = editor.canvas();
        const QImage frame(reinterpret_cast<const uchar*>(canvas.frame()), canvas.width(),
                           canvas.height(), canvas.width() * 4, QImage::Format_RGB32);
        QPainter painter(&window);
        for (const Rect& r : dirty) {
            const QRect q(r.left, r.top, r.width, r.height);
            painter.drawImage(q.topLeft(), frame, q);
        }
    }
};

Fixture& fixture() {
    static Fixture instance;
    return instance;
}

void wheelNotch(benchmark::State& state) {
    Fixture& f = fixture();
    bool down = false;
    for (auto _ : state) {
        down = !down;  // back and forth, so every notch scrolls over the same part of the page
        f.editor.wheel(0, down ? -kNotch : kNotch);
        f.paint(f.editor.canvas().render());
        benchmark::DoNotOptimize(f.window.constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(wheelNotch)->Unit(benchmark::kMillisecond)->Apply(measured);

void fullRecomposite(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        f.editor.canvas().clearBackdrop();  // marks the whole canvas
        f.paint(f.editor.canvas().render());
        benchmark::DoNotOptimize(f.window.constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(fullRecomposite)->Unit(benchmark::kMillisecond)->Apply(measured);

// The frame after a notch must equal the frame recomposited whole, or the speed means nothing.
bool checkNotchFrame() {
    Fixture& f = fixture();
    HotspotCanvas& canvas = f.editor.canvas();
    const size_t pixels = static_cast<size_t>(canvas.width()) * canvas.height();
    f.editor.wheel(0, -kNotch);
    canvas.render();
    const std::vector<uint32_t> scrolled(canvas.frame(), canvas.frame() + pixels);
    canvas.clearBackdrop();
    canvas.render();
    const bool same = std::equal(scrolled.begin(), scrolled.end(), canvas.frame());
    f.editor.wheel(0, kNotch);
    canvas.render();
    std::printf("frame after a notch equals the full recomposite: %s\n", same ? "yes" : "NO");
    return same;
}

}  // namespace
}  // namespace velquist::bench

int main(int argc, char** argv) {
    if (!velquist::bench::startInterleaved(argc, argv)) {
        return 1;
    }
    const bool same = velquist::bench::checkNotchFrame();
    velquist::bench::SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto& s = reporter.seconds;
    const double notch = s.count("wheelNotch") ? s.at("wheelNotch") : 0.0;
    const double full = s.count("fullRecomposite") ? s.at("fullRecomposite") : 0.0;
    std::printf("\nbest processor time of the repetitions, %d x %d canvas:\n",
                velquist::bench::kCanvasWidth, velquist::bench::kCanvasHeight);
    std::printf("wheel notch to painted frame: %.3f ms (target under 4 ms)\n", notch * 1e3);
    std::printf("full recomposite and paint:   %.3f ms; notch / full = %.2f\n", full * 1e3,
                full > 0 ? notch / full : 0.0);
    benchmark::Shutdown();
    return same ? 0 : 1;
}
