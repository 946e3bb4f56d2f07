// Image-map generation against the floor of appending the same bytes to one string, and the
// notice after "生成代码" against generating the code of the same map.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "codegen/area_notes.h"
#include "codegen/code_notice.h"
#include "codegen/image_map.h"

namespace {

velquist::ImageMapInput hotspots(int n) {
    velquist::ImageMapInput in;
    in.backgroundAddress = "https://img.example.com/shop/banner-950x5000.jpg";
    in.background = velquist::Rect{23, 0, 950, 5000};
    for (int i = 0; i < n; ++i) {
        in.areas.push_back({velquist::Rect{23 + (i * 37) % 900, (i * 13) % 4950, 100, 50},
                            "快点我，受不了",
                            "https://item.example.com/item.htm?id=" + std::to_string(600000 + i)});
    }
    return in;
}

void generateImageMap(benchmark::State& state) {
    const velquist::ImageMapInput in = hotspots(static_cast<int>(state.range(0)));
    size_t bytes = 0;
    for (auto _ : state) {
        std::string code = velquist::generateImageMap(in, 4711);
        bytes = code.size();
        benchmark::DoNotOptimize(code);
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(generateImageMap)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

// Reference: the same number of bytes, one line per hotspot, by plain appends to one string.
void appendSameBytes(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    const std::string code = velquist::generateImageMap(hotspots(n), 4711);
    const std::string line(code.size() / static_cast<size_t>(n + 2), 'x');
    for (auto _ : state) {
        std::string out;
        for (int i = 0; i < n + 2; ++i) {
            out += line;
        }
        benchmark::DoNotOptimize(out);
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * code.size()));
}
BENCHMARK(appendSameBytes)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

constexpr int kLargestMap = 50'000;  // the most hotspots a map may hold
double g_generateNs = 0;

double nsPerIteration(std::chrono::steady_clock::time_point since, int64_t iterations) {
    const auto elapsed = std::chrono::steady_clock::now() - since;
    return std::chrono::duration<double, std::nano>(elapsed).count() /
           static_cast<double>(iterations);
}

// The reference: the code of the largest map (every hotspot overlaps others in this layout).
void generateLargestMap(benchmark::State& state) {
    const velquist::ImageMapInput in = hotspots(kLargestMap);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        benchmark::DoNotOptimize(velquist::generateImageMap(in, 4711));
    }
    g_generateNs = nsPerIteration(start, state.iterations());
}
BENCHMARK(generateLargestMap)->Unit(benchmark::kMillisecond);

// The notice of the same map: overlaps are found by a sweep, so it costs a small multiple of the
// code (about 2x when measured; testing every pair would be 1.25 billion tests).
void noticeOfLargestMap(benchmark::State& state) {
    const velquist::ImageMapInput in = hotspots(kLargestMap);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        benchmark::DoNotOptimize(velquist::codeNotice(in));
    }
    const double ns = nsPerIteration(start, state.iterations());
    state.counters["ratio_to_generate"] = g_generateNs > 0 ? ns / g_generateNs : 0;
    state.counters["notice_ms"] = ns / 1e6;
}
BENCHMARK(noticeOfLargestMap)->Unit(benchmark::kMillisecond);

// The hotspot list's notes of the same map: the same sweep, with the pairs it names bounded.
void notesOfLargestMap(benchmark::State& state) {
    const velquist::ImageMapInput in = hotspots(kLargestMap);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        benchmark::DoNotOptimize(velquist::areaNotes(in));
    }
    const double ns = nsPerIteration(start, state.iterations());
    state.counters["ratio_to_generate"] = g_generateNs > 0 ? ns / g_generateNs : 0;
}
BENCHMARK(notesOfLargestMap)->Unit(benchmark::kMillisecond);

// The worst layout for naming pairs: every hotspot on one spot (1.25 billion pairs).
void notesOfStackedMap(benchmark::State& state) {
    velquist::ImageMapInput in = hotspots(kLargestMap);
    for (velquist::ImageMapInput::Area& area : in.areas) {
        area.rect = {100, 100, 100, 50};
    }
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        benchmark::DoNotOptimize(velquist::areaNotes(in));
    }
    const double ns = nsPerIteration(start, state.iterations());
    state.counters["ratio_to_generate"] = g_generateNs > 0 ? ns / g_generateNs : 0;
}
BENCHMARK(notesOfStackedMap)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
