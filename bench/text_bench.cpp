// Template filling against the floor of copying the same bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "core/template_fill.h"

namespace {

constexpr std::string_view kArea =
    "  <area shape=\"rect\" coords=\"左,上,右,下\" href=\"#链接\" alt=\"提示\">";

void fillAreaLine(benchmark::State& state) {
    for (auto _ : state) {
        std::string line = velquist::fillTemplate(
            kArea, {{"左", "100"},
                    {"上", "200"},
                    {"右", "300"},
                    {"下", "400"},
                    {"#链接", "https://item.example.com/item.htm?id=1234567890"},
                    {"提示", "快点我"}});
        benchmark::DoNotOptimize(line);
    }
}
BENCHMARK(fillAreaLine);

// Reference: copying a line of the finished size.
void copyAreaLine(benchmark::State& state) {
    const std::string source(120, 'x');
    for (auto _ : state) {
        std::string line(source);
        benchmark::DoNotOptimize(line);
    }
}
BENCHMARK(copyAreaLine);

}  // namespace

BENCHMARK_MAIN();
