// Canvas drawing against QPainter drawing the same scene and against a memcpy of the frame.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "canvas_scene.h"
#include "editor/compositor.h"
#include "editor/hotspot_canvas.h"
#include "summary_reporter.h"

namespace velquist::bench {
namespace {

constexpr double kCanvasPixels = double{kCanvasWidth} * kCanvasHeight;
constexpr uint32_t kWhite = 0xFFFFFFFF;

// Many short repetitions, interleaved with the other benchmarks (see main), of which the
// summary keeps the best: on a shared machine that is the least disturbed one. Process time
// counts any helper threads QPainter might start.
void measured(benchmark::internal::Benchmark* b) {
    b->MinTime(0.1)->Repetitions(10)->MeasureProcessCPUTime();
}

struct Fixture {
    Scene scene = makeScene();
    HotspotCanvas canvas{kCanvasWidth, kCanvasHeight};
    int movingId = 0;
    Point movingAt;

    Fixture() {
        int id = 0;
        for (const SceneObject& object : scene.objects) {
            canvas.placeObject(++id, object.position.x, object.position.y);
            canvas.setPicture(id, *object.picture);
            canvas.setTransparency(id, object.transparency);
            if (object.picture == &scene.tile) {
                movingId = id;  // the last tile: the one the user most likely just dropped
                movingAt = object.position;
            }
        }
        canvas.render();
    }
};

Fixture& fixture() {
    static Fixture instance;
    return instance;
}

void fullRecomposite(benchmark::State& state) {
    HotspotCanvas& canvas = fixture().canvas;
    for (auto _ : state) {
        canvas.clearBackdrop();  // marks the whole canvas
        benchmark::DoNotOptimize(canvas.render());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(fullRecomposite)->Unit(benchmark::kMillisecond)->Apply(measured);

void moveOneHotspotBy3(benchmark::State& state) {
    Fixture& f = fixture();
    bool moved = false;
    for (auto _ : state) {
        moved = !moved;
        f.canvas.moveObject(f.movingId, f.movingAt.x + (moved ? 3 : 0), f.movingAt.y);
        benchmark::DoNotOptimize(f.canvas.render());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(moveOneHotspotBy3)->Unit(benchmark::kMicrosecond)->Apply(measured);

QImage toQImage(const Picture& picture) {
    if (picture.opaque) {
        QImage image(picture.width, picture.height, QImage::Format_RGB32);
        for (int y = 0; y < picture.height; ++y) {
            auto* row = reinterpret_cast<uint32_t*>(image.scanLine(y));
            for (int x = 0; x < picture.width; ++x) {
                row[x] = picture.pixels[static_cast<size_t>(y) * picture.width + x] | 0xFF000000u;
            }
        }
        return image;
    }
    QImage image(picture.width, picture.height, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(image.scanLine(y));
        for (int x = 0; x < picture.width; ++x) {
            row[x] = picture.pixels[static_cast<size_t>(y) * picture.width + x] ^ 0xFF000000u;
        }
    }
    // Premultiplied is the form QPainter draws fastest: the reference at its best.
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Every object owns its picture, on our canvas as in a QPainter-based one, so QPainter gets one
// image per object. With `shareTile` all tiles use one image instead: QPainter's best case,
// where the tile stays in the cache; reported too, for comparison.
void qpainterScene(benchmark::State& state, bool shareTile) {
    const Scene& scene = fixture().scene;
    std::map<const Picture*, QImage> converted;
    for (const Picture* p : {&scene.background, &scene.tile, &scene.soft}) {
        converted[p] = toQImage(*p);
    }
    std::vector<QImage> images;
    for (const SceneObject& object : scene.objects) {
        const QImage& image = converted[object.picture];
        images.push_back(shareTile ? image : image.copy());
    }
    QImage target(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&target);
        painter.fillRect(target.rect(), QColor::fromRgb(kWhite));
        for (size_t i = 0; i < scene.objects.size(); ++i) {
            const SceneObject& object = scene.objects[i];
            painter.setOpacity(1.0 - object.transparency / 100.0);
            painter.drawImage(object.position.x, object.position.y, images[i]);
        }
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK_CAPTURE(qpainterScene, ownImages, false)->Unit(benchmark::kMillisecond)->Apply(measured);
BENCHMARK_CAPTURE(qpainterScene, sharedTile, true)->Unit(benchmark::kMillisecond)->Apply(measured);

void memcpyFrame(benchmark::State& state) {
    std::vector<uint32_t> from(static_cast<size_t>(kCanvasPixels), kWhite);
    std::vector<uint32_t> to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(memcpyFrame)->Unit(benchmark::kMillisecond)->Apply(measured);

// The kernels alone on the 200 tiles, per tile pixel (portable: what a plain build gives).
void tileKernel(benchmark::State& state, BlendKernel kernel) {
    if (!blendKernelAvailable(kernel)) {
        state.SkipWithError("kernel not available on this processor");
        return;
    }
    const Scene& scene = fixture().scene;
    std::vector<uint32_t> frame(static_cast<size_t>(kCanvasPixels), kWhite);
    const int weight = transparencyWeight(kTileTransparency);
    for (auto _ : state) {
        for (int y = 0; y < 100; ++y) {
            for (int i = 0; i < kTileCount; ++i) {
                const int x = (i * 9) % (kCanvasWidth - 100);
                const int top = (i * 4) % (kCanvasHeight - 100);
                blendRowWith(kernel, frame.data() + (top + y) * kCanvasWidth + x,
                             scene.tile.pixels.data() + y * 100, 100, weight, true);
            }
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK_CAPTURE(tileKernel, portable, BlendKernel::portable)
    ->Unit(benchmark::kMillisecond)
    ->Apply(measured);
BENCHMARK_CAPTURE(tileKernel, avx2, BlendKernel::avx2)
    ->Unit(benchmark::kMillisecond)
    ->Apply(measured);

// Keeps each benchmark's best processor time per iteration over its repetitions, so the
// summary prints ratios from this one run.

void printSummary(const std::map<std::string, double>& s) {
    const auto get = [&s](const char* name) {
        auto it = s.find(name);
        return it == s.end() ? 0.0 : it->second;
    };
    const double ours = get("fullRecomposite") * 1e9 / kCanvasPixels;
    const double qpainter = get("qpainterScene/ownImages") * 1e9 / kCanvasPixels;
    const double qpainterShared = get("qpainterScene/sharedTile") * 1e9 / kCanvasPixels;
    const double floor = get("memcpyFrame") * 1e9 / kCanvasPixels;
    const double tilePixels = 100.0 * 100 * kTileCount;
    std::printf("\nbest processor time of the repetitions:\n");
    std::printf("(a) full recomposite:         %.3f ns per canvas pixel\n", ours);
    std::printf("(b) move one hotspot by 3 px: %.4f ms\n", get("moveOneHotspotBy3") * 1e3);
    std::printf("(c) QPainter, same scene:     %.3f ns per canvas pixel; ours / QPainter = %.2f\n",
                qpainter, qpainter > 0 ? ours / qpainter : 0.0);
    std::printf(
        "    QPainter, one shared tile:  %.3f ns per canvas pixel; ours / QPainter = %.2f\n",
        qpainterShared, qpainterShared > 0 ? ours / qpainterShared : 0.0);
    std::printf("(d) memcpy of one frame:      %.3f ns per canvas pixel; ours / memcpy = %.2f\n",
                floor, floor > 0 ? ours / floor : 0.0);
    std::printf("    tile kernel alone: portable %.3f, AVX2 %.3f ns per tile pixel\n",
                get("tileKernel/portable") * 1e9 / tilePixels,
                get("tileKernel/avx2") * 1e9 / tilePixels);
}

// The canvas frame must equal the rule drawn plainly, or the speed means nothing.
bool checkBitExact() {
    Fixture& f = fixture();
    f.canvas.clearBackdrop();
    f.canvas.render();
    const std::vector<uint32_t> expected = referenceFrame(f.scene, kWhite);
    const bool exact =
        std::memcmp(expected.data(), f.canvas.frame(), expected.size() * sizeof(uint32_t)) == 0;
    std::printf("canvas frame bit-exact to the rule: %s\n", exact ? "yes" : "NO");
    return exact;
}

}  // namespace
}  // namespace velquist::bench

int main(int argc, char** argv) {
    // Interleaving spreads disturbances from other work over all benchmarks alike; flags given
    // on the command line come later and win.
    if (!velquist::bench::startInterleaved(argc, argv)) {
        return 1;
    }
    const bool exact = velquist::bench::checkBitExact();
    velquist::bench::SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    velquist::bench::printSummary(reporter.seconds);
    benchmark::Shutdown();
    return exact ? 0 : 1;
}
