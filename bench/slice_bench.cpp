// Slicing a 790 x 10,000 JPEG detail page into slices of at most 1,500 px with a 500 KB budget
// each (decode, cut proposal, quality search, files written), against decoding the same JPEG
// and encoding it once with libjpeg-turbo, in one run. `--peak` (run by the benchmark itself in
// a fresh process) reports the export's peak memory against the decoded picture's size.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "pictures/picture_decoder.h"
#include "pictures/picture_encoder.h"
#include "slicing/cut_proposal.h"
#include "slicing/slice_encoding.h"
#include "slicing/slice_export.h"
#include "summary_reporter.h"

namespace velquist {
namespace {

constexpr int kWidth = 790;
constexpr int kHeight = 10000;

// A detail page: a soft gradient, photo-like blocks with lines of text under them.
Picture detailPage() {
    Picture p{kWidth, kHeight, std::vector<uint32_t>(size_t(kWidth) * kHeight), true, {}};
    uint32_t noise = 7;
    for (int y = 0; y < kHeight; ++y) {
        const uint32_t shade = uint32_t(250 - y * 40 / kHeight);
        // Sections of 500 px: a picture, two lines of text, a plain gap.
        const int inSection = y % 500;
        const bool photo = inSection >= 20 && inSection < 320;
        const bool text = inSection >= 350 && inSection < 450 && y % 50 < 24;
        for (int x = 0; x < kWidth; ++x) {
            uint32_t c = shade << 16 | shade << 8 | shade;
            if (photo && x >= 40 && x < 750) {
                noise = noise * 1103515245 + 12345;
                const uint32_t v = uint32_t(90 + (x + y) % 120) + ((noise >> 16) & 15);
                c = v << 16 | (v * 3 / 4) << 8 | (v / 2);
            } else if (text && x >= 60 && x < 700 && (x / 4 + y / 3) % 5 == 0) {
                c = 0x333333;
            }
            p.pixels[size_t(y) * kWidth + size_t(x)] = c;
        }
    }
    return p;
}

const std::string& pageJpeg() {
    static const std::string bytes = *encodeJpeg(detailPage(), {0, 0, kWidth, kHeight}, 90);
    return bytes;
}

std::string outputFolder() {
    static const std::string folder = [] {
        const auto dir = std::filesystem::temp_directory_path() / "velquist-slice-bench";
        std::filesystem::create_directories(dir);
        return dir.string();
    }();
    return folder;
}

size_t exportPage() {
    Picture page = decodePicture(pageJpeg()).value();
    SliceExport plan{outputFolder(), "detail", SliceFormat::Jpeg, kDefaultSliceBudget, {}};
    plan.cuts = proposeCuts(page, {}, kDefaultSliceHeight);
    Result<std::vector<ExportedSlice>> slices = exportSlices(page, plan);
    if (!slices) {
        std::fprintf(stderr, "export failed: %s\n", slices.error().c_str());
        std::exit(1);
    }
    return slices->size();
}

void measured(benchmark::internal::Benchmark* b) {
    b->MinTime(0.5)->Repetitions(3)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
}

void decodeAndEncodeOnce(benchmark::State& state) {
    for (auto _ : state) {
        Picture page = decodePicture(pageJpeg()).value();
        benchmark::DoNotOptimize(encodeJpeg(page, {0, 0, kWidth, kHeight}, kBestSliceQuality));
    }
}
BENCHMARK(decodeAndEncodeOnce)->Apply(measured);

void sliceExport(benchmark::State& state) {
    size_t count = 0;
    for (auto _ : state) {
        count = exportPage();
    }
    state.counters["slices"] = double(count);
}
BENCHMARK(sliceExport)->Apply(measured);

long statusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::atol(line.c_str() + std::string(field).size());
        }
    }
    return 0;
}

int reportPeak() {
    (void)pageJpeg();
    // Making the page's JPEG took more than the export will: its peak is forgotten first.
    std::ofstream("/proc/self/clear_refs") << "5";
    const long before = statusKb("VmRSS:");
    const size_t slices = exportPage();
    const long peak = statusKb("VmHWM:");
    const double decodedKb = double(kWidth) * kHeight * 4 / 1024;
    std::printf(
        "export of %zu slices: peak memory %.1f MB over the start, %.2f x the decoded "
        "picture (%.1f MB)\n",
        slices, double(peak - before) / 1024, double(peak - before) / decodedKb, decodedKb / 1024);
    return 0;
}

}  // namespace
}  // namespace velquist

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--peak") {
        return velquist::reportPeak();
    }
    benchmark::Initialize(&argc, argv);
    velquist::bench::SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double once = reporter.seconds["decodeAndEncodeOnce"];
    const double sliced = reporter.seconds["sliceExport"];
    std::printf("\ndecode and encode once %.0f ms; export %.0f ms: %.2f x\n", once * 1e3,
                sliced * 1e3, once > 0 ? sliced / once : 0.0);
    std::fflush(stdout);
    benchmark::Shutdown();
    return std::system((std::string("\"") + argv[0] + "\" --peak").c_str()) == 0 ? 0 : 1;
}
