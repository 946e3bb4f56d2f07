// Encoding through libjpeg-turbo and libpng, straight from the picture's rows: the 0xTTRRGGBB
// pixels are B, G, R, T bytes in memory, which both libraries take with their byte-order options.
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>
#include <png.h>

#include <csetjmp>
#include <memory>
#include <vector>

#include "pictures/messages.h"
#include "pictures/picture_encoder.h"

namespace velquist {
namespace {

const uint32_t* rowAt(const Picture& p, const Rect& area, int y) {
    return p.pixels.data() + size_t(area.top + y) * size_t(p.width) + size_t(area.left);
}

// A row laid over white, for a picture with transparent pixels.
void overWhite(const uint32_t* source, int width, std::vector<uint32_t>& out) {
    for (int x = 0; x < width; ++x) {
        const uint32_t c = source[x];
        const uint32_t t = c >> 24;
        uint32_t mixed = 0;
        for (int shift = 0; shift <= 16; shift += 8) {
            const uint32_t v = (c >> shift) & 0xFF;
            mixed |= ((v * (255 - t) + 255 * t + 127) / 255) << shift;
        }
        out[size_t(x)] = mixed;
    }
}

struct JpegErrors {
    jpeg_error_mgr manager;
    jmp_buf jump;
};

[[noreturn]] void failEncoding(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1);
}

struct JpegWriter {
    jpeg_compress_struct info{};
    JpegErrors errors{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    ~JpegWriter() {
        jpeg_destroy_compress(&info);
        free(buffer);  // NOLINT: jpeg_mem_dest allocates with malloc
    }
};

bool runJpeg(JpegWriter& w, const Picture& p, const Rect& area, int quality) {
    if (setjmp(w.errors.jump)) {
        return false;
    }
    jpeg_create_compress(&w.info);
    jpeg_mem_dest(&w.info, &w.buffer, &w.size);
    w.info.image_width = JDIMENSION(area.width);
    w.info.image_height = JDIMENSION(area.height);
    w.info.input_components = 4;
    w.info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&w.info);
    jpeg_set_quality(&w.info, quality, TRUE);
    w.info.optimize_coding = TRUE;  // smaller files for the same pixels
    jpeg_start_compress(&w.info, TRUE);
    std::vector<uint32_t> mixed(p.opaque ? 0 : size_t(area.width));
    while (w.info.next_scanline < w.info.image_height) {
        const uint32_t* row = rowAt(p, area, int(w.info.next_scanline));
        if (!p.opaque) {
            overWhite(row, area.width, mixed);
            row = mixed.data();
        }
        auto* bytes = reinterpret_cast<JSAMPROW>(const_cast<uint32_t*>(row));
        jpeg_write_scanlines(&w.info, &bytes, 1);
    }
    jpeg_finish_compress(&w.info);
    return true;
}

void appendPng(png_structp png, png_bytep data, size_t length) {
    static_cast<std::string*>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char*>(data), length);
}

void flushNothing(png_structp) {}

bool runPng(png_structp png, png_infop info, const Picture& p, const Rect& area, std::string& out) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_set_write_fn(png, &out, appendPng, flushNothing);
    png_set_IHDR(png, info, png_uint_32(area.width), png_uint_32(area.height), 8,
                 p.opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_set_bgr(png);
    if (p.opaque) {
        png_set_filler(png, 0, PNG_FILLER_AFTER);  // the T byte is dropped
    } else {
        png_set_invert_alpha(png);  // transparency becomes opacity
    }
    for (int y = 0; y < area.height; ++y) {
        png_write_row(png, reinterpret_cast<png_const_bytep>(rowAt(p, area, y)));
    }
    png_write_end(png, info);
    return true;
}

bool within(const Picture& p, const Rect& area) {
    return area.width > 0 && area.height > 0 && area.left >= 0 && area.top >= 0 &&
           area.right() <= p.width && area.bottom() <= p.height;
}

}  // namespace

Result<std::string> encodeJpeg(const Picture& picture, const Rect& area, int quality) {
    if (!within(picture, area)) {
        return Status::failure(pictures_messages::kAreaOutsidePicture);
    }
    JpegWriter w;
    w.info.err = jpeg_std_error(&w.errors.manager);
    w.errors.manager.error_exit = failEncoding;
    if (!runJpeg(w, picture, area, quality)) {
        return Status::failure(pictures_messages::kPictureNotEncoded);
    }
    return std::string(reinterpret_cast<const char*>(w.buffer), size_t(w.size));
}

Result<std::string> encodePng(const Picture& picture, const Rect& area) {
    if (!within(picture, area)) {
        return Status::failure(pictures_messages::kAreaOutsidePicture);
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png == nullptr ? nullptr : png_create_info_struct(png);
    std::string out;
    const bool written = info != nullptr && runPng(png, info, picture, area, out);
    png_destroy_write_struct(&png, &info);
    if (!written) {
        return Status::failure(pictures_messages::kPictureNotEncoded);
    }
    return out;
}

}  // namespace velquist
