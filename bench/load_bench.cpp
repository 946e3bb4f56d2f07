// Loading a tall detail-page picture (790 x 15,000) as JPEG and as PNG, from a file and from a
// loopback server, against each library reading and decoding the same file itself.
#include <benchmark/benchmark.h>
#include <jpeglib.h>
#include <malloc.h>
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "editor/picture_loader.h"
#include "pictures/picture_decoder.h"
#include "summary_reporter.h"
#include "support/loopback_server.h"
#include "support/temp_dir.h"

namespace velquist::bench {
namespace {

constexpr int kWidth = 790;
constexpr int kHeight = 15000;
constexpr double kDecodedBytes = double{kWidth} * kHeight * 4;

// Sections like a shop's detail page: photographs (smooth shading with grain) between plain
// panels carrying blocks of "text".
std::vector<uint8_t> detailPage() {
    std::vector<uint8_t> rgb(static_cast<size_t>(kWidth) * kHeight * 3);
    uint32_t seed = 12345;
    for (int y = 0; y < kHeight; ++y) {
        const int section = y / 750;
        const bool photo = section % 2 == 0;
        for (int x = 0; x < kWidth; ++x) {
            uint8_t* p = &rgb[(static_cast<size_t>(y) * kWidth + x) * 3];
            seed = seed * 1664525u + 1013904223u;
            const int grain = static_cast<int>(seed >> 28) - 8;
            if (photo) {
                const double shade = std::sin(x * 0.011 + section) * std::cos(y * 0.007);
                for (int c = 0; c < 3; ++c) {
                    p[c] = static_cast<uint8_t>(
                        std::clamp(120 + 40 * c + static_cast<int>(70 * shade) + grain, 0, 255));
                }
            } else {
                const bool text = (y % 40) < 18 && x > 60 && x < 730 && ((x / 9 + y / 40) % 7) != 0;
                const uint8_t base = text ? 40 : static_cast<uint8_t>(235 - section % 5 * 6);
                p[0] = base;
                p[1] = base;
                p[2] = static_cast<uint8_t>(text ? 40 : 225);
            }
        }
    }
    return rgb;
}

std::string encodeJpeg(const std::vector<uint8_t>& rgb) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = kWidth;
    info.image_height = kHeight;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row =
            const_cast<JSAMPROW>(&rgb[static_cast<size_t>(info.next_scanline) * kWidth * 3]);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    std::string bytes(reinterpret_cast<const char*>(out), size);
    jpeg_destroy_compress(&info);
    std::free(out);
    return bytes;
}

std::string encodePng(const std::vector<uint8_t>& rgb) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = kWidth;
    image.height = kHeight;
    image.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = 0;
    png_image_write_get_memory_size(image, size, 0, rgb.data(), 0, nullptr);
    std::string bytes(size, '\0');
    png_image_write_to_memory(&image, bytes.data(), &size, 0, rgb.data(), 0, nullptr);
    bytes.resize(size);
    return bytes;
}

// libjpeg-turbo reading the file itself, into the same four bytes per pixel as ours.
std::vector<uint32_t> libjpegDecode(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "rb");
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    std::vector<uint32_t> pixels(static_cast<size_t>(info.output_width) * info.output_height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(
            pixels.data() + static_cast<size_t>(info.output_scanline) * info.output_width);
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    return pixels;
}

// libpng's own whole-picture reader on the file, into B, G, R, A.
std::vector<uint32_t> libpngDecode(const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    png_image_begin_read_from_file(&image, path.c_str());
    image.format = PNG_FORMAT_BGRA;
    std::vector<uint32_t> pixels(static_cast<size_t>(image.width) * image.height);
    png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr);
    png_image_free(&image);
    return pixels;
}

struct Files {
    test::TempDir dir;
    std::string jpeg = dir.file("detail.jpg");
    std::string png = dir.file("detail.png");
    std::string jpegBytes;
    std::string pngBytes;
    test::LoopbackServer server;

    Files() {
        const std::vector<uint8_t> rgb = detailPage();
        jpegBytes = encodeJpeg(rgb);
        pngBytes = encodePng(rgb);
        (void)writeFileAtomically(jpeg, jpegBytes);
        (void)writeFileAtomically(png, pngBytes);
        serve("/detail.jpg", jpegBytes);
        serve("/detail.png", pngBytes);
        server.start();
    }

    // Served from the bytes in place, so the server adds no copy of its own to the figures.
    void serve(const char* path, const std::string& bytes) {
        server.http().Get(path, [&bytes](const httplib::Request&, httplib::Response& res) {
            res.set_content_provider(
                bytes.size(), "application/octet-stream",
                [&bytes](size_t offset, size_t length, httplib::DataSink& sink) {
                    return sink.write(bytes.data() + offset, length);
                });
        });
    }

    std::string path(bool jpegFile) const { return jpegFile ? jpeg : png; }
    std::string url(bool jpegFile) const {
        return server.url(jpegFile ? "/detail.jpg" : "/detail.png");
    }
};

Files& files() {
    static Files instance;
    return instance;
}

// Processor time of the whole process, the loopback server's thread included: on a shared
// machine it is steadier than wall time, and every load here is bound by the processor.
void measured(benchmark::internal::Benchmark* b) {
    b->MinTime(0.3)->Repetitions(5)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
}

void libraryDecode(benchmark::State& state, bool jpeg) {
    const std::string path = files().path(jpeg);
    for (auto _ : state) {
        benchmark::DoNotOptimize(jpeg ? libjpegDecode(path) : libpngDecode(path));
    }
}
BENCHMARK_CAPTURE(libraryDecode, jpeg, true)->Apply(measured);
BENCHMARK_CAPTURE(libraryDecode, png, false)->Apply(measured);

void decodeInMemory(benchmark::State& state, bool jpeg) {
    const std::string& bytes = jpeg ? files().jpegBytes : files().pngBytes;
    for (auto _ : state) {
        benchmark::DoNotOptimize(decodePicture(bytes));
    }
}
BENCHMARK_CAPTURE(decodeInMemory, jpeg, true)->Apply(measured);
BENCHMARK_CAPTURE(decodeInMemory, png, false)->Apply(measured);

void loadFile(benchmark::State& state, bool jpeg) {
    const std::string path = files().path(jpeg);
    for (auto _ : state) {
        benchmark::DoNotOptimize(loadPicture(path, nullptr));
    }
}
BENCHMARK_CAPTURE(loadFile, jpeg, true)->Apply(measured);
BENCHMARK_CAPTURE(loadFile, png, false)->Apply(measured);

void loadLoopback(benchmark::State& state, bool jpeg) {
    const std::string url = files().url(jpeg);
    for (auto _ : state) {
        benchmark::DoNotOptimize(loadPicture(url, nullptr));
    }
}
BENCHMARK_CAPTURE(loadLoopback, jpeg, true)->Apply(measured);
BENCHMARK_CAPTURE(loadLoopback, png, false)->Apply(measured);

// Keeps each benchmark's best processor time per iteration over its repetitions.

// Resident memory in bytes from /proc/self/status ("VmRSS" now, "VmHWM" the peak).
double residentBytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::stod(line.substr(std::strlen(field) + 1)) * 1024;
        }
    }
    return 0;
}

// The peak resident memory that one load adds, as a multiple of the decoded picture's size;
// 0 when the peak cannot be reset here.
template <typename Load>
double peakOverDecoded(Load&& load) {
    malloc_trim(0);
    std::ofstream reset("/proc/self/clear_refs");
    reset << "5" << std::flush;  // the peak starts again from what is resident now
    if (!reset) {
        return 0;
    }
    const double before = residentBytes("VmRSS:");
    { benchmark::DoNotOptimize(load()); }
    return (residentBytes("VmHWM:") - before) / kDecodedBytes;
}

void printSummary(const std::map<std::string, double>& s) {
    const auto ms = [&s](const std::string& name) {
        auto it = s.find(name);
        return it == s.end() ? 0.0 : it->second * 1e3;
    };
    Files& f = files();
    std::printf("\n790 x 15000 picture (decoded %.1f MB); JPEG file %.1f MB, PNG file %.1f MB\n",
                kDecodedBytes / 1e6, f.jpegBytes.size() / 1e6, f.pngBytes.size() / 1e6);
    std::printf(
        "best processor time of the repetitions; ratio = ours / the library's own decode\n");
    for (const bool jpeg : {true, false}) {
        const std::string kind = jpeg ? "jpeg" : "png";
        const double reference = ms("libraryDecode/" + kind);
        const auto line = [&](const char* what, const std::string& name, double peak) {
            const double t = ms(name);
            std::printf("  %-4s %-26s %8.1f ms  ratio %.2f  peak memory %.2f x decoded\n",
                        kind.c_str(), what, t, reference > 0 ? t / reference : 0.0, peak);
        };
        const std::string path = f.path(jpeg);
        const std::string url = f.url(jpeg);
        line("library's own decode", "libraryDecode/" + kind,
             peakOverDecoded([&] { return jpeg ? libjpegDecode(path) : libpngDecode(path); }));
        line("our decode, in memory", "decodeInMemory/" + kind,
             peakOverDecoded([&] { return decodePicture(jpeg ? f.jpegBytes : f.pngBytes); }));
        line("loadPicture, local file", "loadFile/" + kind,
             peakOverDecoded([&] { return loadPicture(path, nullptr); }));
        line("loadPicture, loopback", "loadLoopback/" + kind,
             peakOverDecoded([&] { return loadPicture(url, nullptr); }));
    }
}

// Our pixels must be the library's, or the times compare different work.
bool checkSamePixels() {
    Files& f = files();
    auto jpeg = loadPicture(f.jpeg, nullptr);
    auto png = loadPicture(f.png, nullptr);
    const std::vector<uint32_t> refJpeg = libjpegDecode(f.jpeg);
    const std::vector<uint32_t> refPng = libpngDecode(f.png);
    bool same =
        jpeg && png && jpeg->pixels.size() == refJpeg.size() && png->pixels.size() == refPng.size();
    for (size_t i = 0; same && i < refJpeg.size(); ++i) {
        same = jpeg->pixels[i] == (refJpeg[i] & 0xFFFFFFu) &&
               png->pixels[i] == (refPng[i] & 0xFFFFFFu);
    }
    std::printf("our pixels equal the libraries' own: %s\n", same ? "yes" : "NO");
    return same;
}

}  // namespace
}  // namespace velquist::bench

int main(int argc, char** argv) {
    if (!velquist::bench::startInterleaved(argc, argv)) {
        return 1;
    }
    const bool same = velquist::bench::checkSamePixels();
    velquist::bench::SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    velquist::bench::printSummary(reporter.seconds);
    benchmark::Shutdown();
    return same ? 0 : 1;
}
