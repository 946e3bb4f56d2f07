// JPEG through libjpeg-turbo: baseline, progressive, grey; CMYK and YCCK converted to RGB.
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jerror.h>
#include <jpeglib.h>

#include <csetjmp>

#include "format_decoders.h"
#include "pictures/messages.h"
#include "pictures/picture_buffer.h"

namespace velquist {
namespace {

// Ordinary progressive files have about ten scans; thousands of tiny ones only burn time.
constexpr int kMaxScans = 100;
// Room for the coefficients of a progressive picture at the pixel limit with four components.
constexpr long kMaxDecoderMemory = 768L * 1024 * 1024;

struct JpegErrors {
    jpeg_error_mgr manager;
    jmp_buf jump;
    bool endOfData = false;
    bool tooManyScans = false;
};

[[noreturn]] void failDecoding(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1);
}

// libjpeg only warns where the scan data is unusable and carries on with made-up (grey)
// pixels; those warnings end the decoding as damage. Running out of data means the file is
// truncated. Other warnings change no pixel (stray bytes before a marker, odd metadata), and
// browsers show such files, so they stay silent.
void noteMessage(j_common_ptr info, int level) {
    const int code = info->err->msg_code;
    if (level >= 0) {
        return;
    }
    if (code == JWRN_JPEG_EOF) {
        reinterpret_cast<JpegErrors*>(info->err)->endOfData = true;
    } else if (code == JWRN_HIT_MARKER || code == JWRN_HUFF_BAD_CODE || code == JWRN_MUST_RESYNC) {
        failDecoding(info);  // damaged, or truncated when the data had run out before
    }
}

void limitScans(j_common_ptr info) {
    auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > kMaxScans) {
        reinterpret_cast<JpegErrors*>(info->err)->tooManyScans = true;
        failDecoding(info);
    }
}

struct JpegReader {
    jpeg_decompress_struct info{};
    JpegErrors errors{};
    jpeg_progress_mgr progress{};

    JpegReader() {
        info.err = jpeg_std_error(&errors.manager);
        errors.manager.error_exit = failDecoding;
        errors.manager.emit_message = noteMessage;
        progress.progress_monitor = limitScans;
    }
    // Safe before creation too: the library only frees what it allocated.
    ~JpegReader() { jpeg_destroy_decompress(&info); }
    JpegReader(const JpegReader&) = delete;
    JpegReader& operator=(const JpegReader&) = delete;
};

bool readHeader(JpegReader& r, std::string_view bytes) {
    if (setjmp(r.errors.jump)) {
        return false;
    }
    // Created here, under the jump buffer, because creating can fail for want of memory.
    jpeg_create_decompress(&r.info);
    r.info.progress = &r.progress;
    r.info.mem->max_memory_to_use = kMaxDecoderMemory;
    jpeg_mem_src(&r.info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&r.info, TRUE);
    const bool cmyk = r.info.jpeg_color_space == JCS_CMYK || r.info.jpeg_color_space == JCS_YCCK;
    r.info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    return true;
}

// Writes four bytes per pixel straight into the picture: B, G, R, filler or C, M, Y, K.
bool readRows(JpegReader& r, Picture& picture) {
    if (setjmp(r.errors.jump)) {
        return false;
    }
    jpeg_start_decompress(&r.info);
    if (r.info.output_width != static_cast<JDIMENSION>(picture.width) ||
        r.info.output_height != static_cast<JDIMENSION>(picture.height) ||
        r.info.output_components != 4) {
        return false;
    }
    while (r.info.output_scanline < r.info.output_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(
            picture.pixels.data() + static_cast<size_t>(r.info.output_scanline) * picture.width);
        jpeg_read_scanlines(&r.info, &row, 1);
    }
    return true;
}

// Adobe writes CMYK inverted (0 = full ink), others plainly.
void cmykToRgb(Picture& picture, bool inverted) {
    for (uint32_t& pixel : picture.pixels) {
        uint32_t c = pixel & 0xFF, m = (pixel >> 8) & 0xFF, y = (pixel >> 16) & 0xFF,
                 k = pixel >> 24;
        if (!inverted) {
            c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
        }
        const auto ink = [k](uint32_t v) { return (v * k + 127) / 255; };
        pixel = (ink(c) << 16) | (ink(m) << 8) | ink(y);
    }
}

Status failure(const JpegReader& r) {
    if (r.errors.tooManyScans) {
        return Status::failure(pictures_messages::kJpegTooManyScans);
    }
    if (r.errors.endOfData) {
        return Status::failure(pictures_messages::kPictureTruncated);
    }
    switch (r.errors.manager.msg_code) {
        case JERR_OUT_OF_MEMORY:
            return Status::failure(pictures_messages::kPictureOutOfMemory);
        case JERR_NO_BACKING_STORE:
            return Status::failure(StatusCode::TooLarge,
                                   withPictureLimits(pictures_messages::kPictureTooLarge));
        case JERR_CONVERSION_NOTIMPL:
        case JERR_BAD_J_COLORSPACE:
            return Status::failure(pictures_messages::kJpegUnsupportedColors);
        default:
            return Status::failure(pictures_messages::kPictureDamaged);
    }
}

}  // namespace

Result<Picture> decodeJpeg(std::string_view bytes) {
    JpegReader reader;
    if (!readHeader(reader, bytes)) {
        return failure(reader);
    }
    Result<Picture> result = allocatePicture(reader.info.image_width, reader.info.image_height);
    if (!result) {
        return result;
    }
    Picture& picture = *result;
    if (!readRows(reader, picture)) {
        return failure(reader);
    }
    if (reader.errors.endOfData) {
        return Status::failure(pictures_messages::kPictureTruncated);
    }
    if (reader.info.out_color_space == JCS_CMYK) {
        cmykToRgb(picture, reader.info.saw_Adobe_marker);
    } else {
        for (uint32_t& pixel : picture.pixels) {
            pixel &= 0xFFFFFF;  // the filler byte becomes "no transparency"
        }
    }
    picture.opaque = true;
    return result;
}

}  // namespace velquist
