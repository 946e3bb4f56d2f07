// Writes the seed inputs that cannot be kept as text in the repository: small pictures of every
// format and kind the decoders take, made with the test encoders, and ZIP archives.
#include <webp/encode.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "pictures/test_pictures.h"
#include "updater/zip_pack.h"

using namespace velquist;
using namespace velquist::test;

namespace {

uint32_t pattern(int x, int y) {
    return static_cast<uint32_t>((x * 40) << 16 | (y * 30) << 8 | ((x + y) * 10));
}
uint32_t seeThrough(int x, int y) {
    return static_cast<uint32_t>(x * 60) << 24 | pattern(x, y);
}

void put(const std::filesystem::path& folder, const char* name, const std::string& bytes) {
    std::filesystem::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary) << bytes;
}

// A lossy WebP, which the lossless test encoder never makes.
std::string makeLossyWebp(int width, int height) {
    std::string rgb;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t p = pattern(x, y);
            rgb += {static_cast<char>(p >> 16), static_cast<char>(p >> 8), static_cast<char>(p)};
        }
    }
    uint8_t* out = nullptr;
    const size_t size = WebPEncodeRGB(reinterpret_cast<const uint8_t*>(rgb.data()), width, height,
                                      width * 3, 50, &out);
    std::string bytes(reinterpret_cast<const char*>(out), size);
    WebPFree(out);
    return bytes;
}

void putLe(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>(value >> (8 * i)));
    }
}

// A bitmap with a 40-byte header, then `tables` (colour table or masks), then rows of
// patterned bytes: the kinds the test encoder does not make.
std::string makeBmpOf(int width, int height, int bits, uint32_t compression,
                      const std::string& tables) {
    const int stride = (width * bits + 31) / 32 * 4;
    const auto offset = static_cast<uint32_t>(14 + 40 + tables.size());
    std::string out = "BM";
    for (uint32_t field : {offset + stride * height, 0u, offset, 40u, static_cast<uint32_t>(width),
                           static_cast<uint32_t>(height)}) {
        putLe(out, field, 4);
    }
    putLe(out, 1, 2);
    putLe(out, static_cast<uint32_t>(bits), 2);
    for (uint32_t field :
         {compression, static_cast<uint32_t>(stride * height), 2835u, 2835u, 0u, 0u}) {
        putLe(out, field, 4);
    }
    out += tables;
    for (int i = 0; i < stride * height; ++i) {
        out.push_back(static_cast<char>(i * 37));
    }
    return out;
}

std::string colourTable(int entries) {
    std::string table;
    for (int i = 0; i < entries; ++i) {
        putLe(table, pattern(i, i / 2), 4);
    }
    return table;
}

void writeBitmaps(const std::filesystem::path& folder) {
    put(folder, "one_bit.bmp", makeBmpOf(9, 3, 1, 0, colourTable(2)));
    put(folder, "four_bit.bmp", makeBmpOf(5, 3, 4, 0, colourTable(16)));
    put(folder, "eight_bit.bmp", makeBmpOf(4, 3, 8, 0, colourTable(256)));
    put(folder, "555.bmp", makeBmpOf(3, 2, 16, 0, ""));
    std::string masks;
    for (uint32_t mask : {0xF800u, 0x07E0u, 0x001Fu}) {
        putLe(masks, mask, 4);
    }
    put(folder, "565.bmp", makeBmpOf(3, 2, 16, 3, masks));
}

void writePictures(const std::filesystem::path& folder) {
    writeBitmaps(folder);
    constexpr int w = 7;
    constexpr int h = 5;
    put(folder, "bottom_up.bmp", makeBmp(w, h, 24, false, pattern));
    put(folder, "alpha.bmp", makeBmp(w, h, 32, true, seeThrough));
    put(folder, "rgba.png", makePng(w, h, PngKind::rgba, seeThrough));
    put(folder, "interlaced.png", makePng(w, h, PngKind::interlacedRgba, pattern));
    put(folder, "palette.png", makePng(w, h, PngKind::paletteWithTrns, [](int x, int) {
            return x % 3 ? 0x00FF0000u : 0xFF000000u;
        }));
    put(folder, "grey16.png", makePng(w, h, PngKind::grey16, pattern));
    const std::vector<uint32_t> colors{0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    put(folder, "plain.gif",
        makeGif(w, h, false, colors, 3, [](int x, int y) { return (x + y) % 4; }));
    put(folder, "interlaced.gif",
        makeGif(w, 9, true, colors, -1, [](int x, int) { return x % 4; }));
    put(folder, "baseline.jpg", makeJpeg(w, h, JpegKind::baseline, pattern));
    put(folder, "progressive.jpg", makeJpeg(w, h, JpegKind::progressive, pattern));
    put(folder, "grey.jpg", makeJpeg(w, h, JpegKind::grey, pattern));
    put(folder, "cmyk.jpg", makeJpeg(w, h, JpegKind::adobeCmyk, pattern));
    put(folder, "lossless.webp", makeWebp(w, h, seeThrough));
    put(folder, "lossy.webp", makeLossyWebp(w, h));
    put(folder, "animated.webp", makeAnimatedWebp(w, h, seeThrough, pattern));
}

void writeArchives(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    const auto zip = [&folder](const char* name, const std::vector<ZipEntry>& entries) {
        if (Status status = writeZip((folder / name).string(), entries); !status) {
            std::fprintf(stderr, "%s: %s\n", name, status.message().c_str());
        }
    };
    zip("one.zip", {{"xz.exe", "#!/bin/sh\necho updater\n", true}});
    zip("three.zip", {{"readme.txt", "hello", false},
                      {"../xz.exe", "x", true},
                      {"xz.exe", std::string(3000, 'u'), true}});
    zip("other.zip", {{"bin/xz.exe", "nested", true}});
    // Past the target's 1 MiB limit once inflated.
    zip("large.zip", {{"xz.exe", std::string(size_t{3} << 19, 'z'), true}});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path root = argv[1];
    writePictures(root / "picture");
    writeArchives(root / "zip_entry");
    return 0;
}
