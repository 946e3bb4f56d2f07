// PNG, GIF, JPEG and WebP test files, written by the libraries' own encoders.
#include <cstdio>  // jpeglib.h needs FILE declared first

#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>
#include <webp/encode.h>
#include <webp/mux.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "test_pictures.h"

namespace velquist::test {
namespace {

// Pixels as R, G, B, A bytes (A = 255 - TT), the order the encoders take.
std::vector<uint8_t> rgbaBytes(int width, int height, const PixelAt& pixel) {
    std::vector<uint8_t> out;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t p = pixel(x, y);
            out.insert(out.end(), {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8),
                                   static_cast<uint8_t>(p), static_cast<uint8_t>(255 - (p >> 24))});
        }
    }
    return out;
}

void appendPng(png_structp png, png_bytep data, size_t length) {
    static_cast<std::string*>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char*>(data), length);
}

// Rows in the layout of `kind`, and the palette with its transparency for palette pictures.
std::vector<std::vector<uint8_t>> pngRows(int width, int height, PngKind kind, const PixelAt& pixel,
                                          std::vector<uint32_t>& palette) {
    std::vector<std::vector<uint8_t>> rows(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t p = pixel(x, y);
            auto& row = rows[static_cast<size_t>(y)];
            if (kind == PngKind::paletteWithTrns) {
                auto it = std::find(palette.begin(), palette.end(), p);
                row.push_back(static_cast<uint8_t>(it - palette.begin()));
                if (it == palette.end()) {
                    palette.push_back(p);
                }
            } else if (kind == PngKind::grey16) {
                row.insert(row.end(), {static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p >> 8)});
            } else {
                row.insert(row.end(),
                           {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8),
                            static_cast<uint8_t>(p), static_cast<uint8_t>(255 - (p >> 24))});
            }
        }
    }
    return rows;
}

void writePalette(png_structp png, png_infop info, const std::vector<uint32_t>& palette) {
    std::vector<png_color> colors;
    std::vector<png_byte> alphas;
    for (uint32_t p : palette) {
        colors.push_back({static_cast<png_byte>(p >> 16), static_cast<png_byte>(p >> 8),
                          static_cast<png_byte>(p)});
        alphas.push_back(static_cast<png_byte>(255 - (p >> 24)));
    }
    png_set_PLTE(png, info, colors.data(), static_cast<int>(colors.size()));
    png_set_tRNS(png, info, alphas.data(), static_cast<int>(alphas.size()), nullptr);
}

}  // namespace

std::string makePng(int width, int height, PngKind kind, const PixelAt& pixel) {
    std::vector<uint32_t> palette;
    std::vector<std::vector<uint8_t>> rows = pngRows(width, height, kind, pixel, palette);
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        throw std::runtime_error("png encoder failed");
    }
    png_set_write_fn(png, &out, appendPng, nullptr);
    const int colorType = kind == PngKind::paletteWithTrns ? PNG_COLOR_TYPE_PALETTE
                          : kind == PngKind::grey16        ? PNG_COLOR_TYPE_GRAY
                                                           : PNG_COLOR_TYPE_RGBA;
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height),
                 kind == PngKind::grey16 ? 16 : 8, colorType,
                 kind == PngKind::interlacedRgba ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (kind == PngKind::paletteWithTrns) {
        writePalette(png, info, palette);
    }
    std::vector<png_bytep> pointers;
    for (auto& row : rows) {
        pointers.push_back(row.data());
    }
    png_set_rows(png, info, pointers.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

namespace {

int appendGif(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<std::string*>(gif->UserData)
        ->append(reinterpret_cast<const char*>(data), static_cast<size_t>(length));
    return length;
}

void putGifFrame(GifFileType* gif, int width, int height, bool interlaced, int transparentIndex,
                 const std::function<int(int, int)>& pixel) {
    GraphicsControlBlock control{};
    control.TransparentColor = transparentIndex;
    GifByteType extension[4];
    const size_t length = EGifGCBToExtension(&control, extension);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension);
    EGifPutImageDesc(gif, 0, 0, width, height, interlaced, nullptr);
    // Interlaced data is stored in pass order: rows 0, 8, ...; 4, 12, ...; 2, 6, ...; 1, 3, ...
    std::vector<int> order;
    for (auto [start, step] : interlaced
                                  ? std::vector<std::pair<int, int>>{{0, 8}, {4, 8}, {2, 4}, {1, 2}}
                                  : std::vector<std::pair<int, int>>{{0, 1}}) {
        for (int y = start; y < height; y += step) {
            order.push_back(y);
        }
    }
    std::vector<GifPixelType> line(static_cast<size_t>(width));
    for (int y : order) {
        for (int x = 0; x < width; ++x) {
            line[static_cast<size_t>(x)] = static_cast<GifPixelType>(pixel(x, y));
        }
        EGifPutLine(gif, line.data(), width);
    }
}

}  // namespace

std::string makeGif(int width, int height, bool interlaced, const std::vector<uint32_t>& colors,
                    int transparentIndex, const std::function<int(int x, int y)>& pixel) {
    std::string out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, appendGif, &error);
    std::vector<GifColorType> table(256);
    for (size_t i = 0; i < colors.size(); ++i) {
        table[i] = {static_cast<GifByteType>(colors[i] >> 16),
                    static_cast<GifByteType>(colors[i] >> 8), static_cast<GifByteType>(colors[i])};
    }
    ColorMapObject* map = GifMakeMapObject(256, table.data());
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, width, height, 8, 0, map);
    putGifFrame(gif, width, height, interlaced, transparentIndex, pixel);
    putGifFrame(gif, width, height, false, NO_TRANSPARENT_COLOR, [](int, int) { return 1; });
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return out;
}

std::string makeJpeg(int width, int height, JpegKind kind, const PixelAt& pixel) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    const bool grey = kind == JpegKind::grey;
    const bool cmyk = kind == JpegKind::adobeCmyk;
    info.input_components = grey ? 1 : cmyk ? 4 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    for (int c = 0; c < info.num_components; ++c) {
        info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    }
    if (kind == JpegKind::progressive) {
        jpeg_simple_progression(&info);
    }
    jpeg_start_compress(&info, TRUE);
    const std::vector<uint8_t> rgba = rgbaBytes(width, height, pixel);
    std::vector<uint8_t> row;
    for (int y = 0; y < height; ++y) {
        row.clear();
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = &rgba[static_cast<size_t>((y * width + x) * 4)];
            if (grey) {
                row.push_back(p[1]);
            } else {
                row.insert(row.end(), p, p + (cmyk ? 4 : 3));
                if (cmyk) {
                    row.back() = static_cast<uint8_t>(255 - row.back());  // undo the A = 255 - TT
                }
            }
        }
        JSAMPROW pointer = row.data();
        jpeg_write_scanlines(&info, &pointer, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string out(reinterpret_cast<const char*>(buffer), size);
    free(buffer);
    return out;
}

std::string makeManyScanJpeg(int width, int height) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    // One DC scan, then each AC coefficient of each component alone: 1 + 3 * 63 scans.
    std::vector<jpeg_scan_info> scans(1);
    scans[0] = {3, {0, 1, 2, 0}, 0, 0, 0, 0};
    for (int component = 0; component < 3; ++component) {
        for (int k = 1; k < 64; ++k) {
            scans.push_back({1, {component, 0, 0, 0}, k, k, 0, 0});
        }
    }
    info.scan_info = scans.data();
    info.num_scans = static_cast<int>(scans.size());
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(width) * 3, 0x80);
    for (int y = 0; y < height; ++y) {
        JSAMPROW pointer = row.data();
        jpeg_write_scanlines(&info, &pointer, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string out(reinterpret_cast<const char*>(buffer), size);
    free(buffer);
    return out;
}

std::string makeWebp(int width, int height, const PixelAt& pixel) {
    const std::vector<uint8_t> rgba = rgbaBytes(width, height, pixel);
    WebPConfig config;
    WebPConfigInit(&config);
    config.lossless = 1;
    config.exact = 1;  // keep the colour of fully transparent pixels too
    WebPPicture picture;
    WebPPictureInit(&picture);
    picture.use_argb = 1;
    picture.width = width;
    picture.height = height;
    WebPPictureImportRGBA(&picture, rgba.data(), width * 4);
    WebPMemoryWriter writer;
    WebPMemoryWriterInit(&writer);
    picture.writer = WebPMemoryWrite;
    picture.custom_ptr = &writer;
    WebPEncode(&config, &picture);
    std::string out(reinterpret_cast<const char*>(writer.mem), writer.size);
    WebPMemoryWriterClear(&writer);
    WebPPictureFree(&picture);
    return out;
}

std::string makeAnimatedWebp(int width, int height, const PixelAt& first, const PixelAt& second) {
    WebPAnimEncoderOptions options;
    WebPAnimEncoderOptionsInit(&options);
    WebPAnimEncoder* encoder = WebPAnimEncoderNew(width, height, &options);
    WebPConfig config;
    WebPConfigInit(&config);
    config.lossless = 1;
    config.exact = 1;
    int timestamp = 0;
    for (const PixelAt* frame : {&first, &second}) {
        std::vector<uint8_t> rgba = rgbaBytes(width, height, *frame);
        WebPPicture picture;
        WebPPictureInit(&picture);
        picture.use_argb = 1;
        picture.width = width;
        picture.height = height;
        WebPPictureImportRGBA(&picture, rgba.data(), width * 4);
        WebPAnimEncoderAdd(encoder, &picture, timestamp, &config);
        WebPPictureFree(&picture);
        timestamp += 100;
    }
    WebPAnimEncoderAdd(encoder, nullptr, timestamp, nullptr);
    WebPData data;
    WebPDataInit(&data);
    WebPAnimEncoderAssemble(encoder, &data);
    std::string out(reinterpret_cast<const char*>(data.bytes), data.size);
    WebPDataClear(&data);
    WebPAnimEncoderDelete(encoder);
    return out;
}

}  // namespace velquist::test
