// Image-map generation against the floor of appending the same bytes to one string.
#include <benchmark/benchmark.h>

#include <string>

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

}  // namespace

BENCHMARK_MAIN();
