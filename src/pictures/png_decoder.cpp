// PNG through libpng, every colour type expanded to 32 bits with transparency on top.
#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

#include "format_decoders.h"
#include "pictures/messages.h"
#include "pictures/picture_buffer.h"

namespace velquist {
namespace {

// Text chunks and colour profiles are the only chunks libpng buffers whole; none needs more.
constexpr png_alloc_size_t kMaxChunkBytes = 8 * 1024 * 1024;

struct PngSource {
    std::string_view bytes;
    size_t position = 0;
    bool truncated = false;
};

void readFromSource(png_structp png, png_bytep out, size_t length) {
    auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
    if (length > source->bytes.size() - source->position) {
        source->truncated = true;
        png_error(png, "truncated");
    }
    std::memcpy(out, source->bytes.data() + source->position, length);
    source->position += length;
}

[[noreturn]] void failDecoding(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void ignoreWarning(png_structp, png_const_charp) {}

// Owns libpng's structures; the functions that may long-jump keep only plain locals.
struct PngReader {
    png_structp png = nullptr;
    png_infop info = nullptr;
    PngSource source;

    explicit PngReader(std::string_view bytes) : source{bytes} {
        png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, failDecoding, ignoreWarning);
        if (png != nullptr) {
            info = png_create_info_struct(png);
        }
    }
    ~PngReader() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;
};

// Reads the header and sets the transformations to 8-bit B, G, R, transparency.
bool readHeader(PngReader& r) {
    if (setjmp(png_jmpbuf(r.png))) {
        return false;
    }
    png_set_user_limits(r.png, kMaxPictureSide, kMaxPictureSide);
    png_set_chunk_malloc_max(r.png, kMaxChunkBytes);
    // Only the pixels, the palette and tRNS matter here. libpng would otherwise buffer a text
    // or profile chunk whole, at whatever length it claims: past the limit above it only warns.
    png_set_keep_unknown_chunks(r.png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
    // libpng would carry on past damage it calls benign (a wrong checksum of the compressed
    // pixels, an unusable transparency chunk) and past a failed CRC of any chunk it may skip,
    // dropping transparency silently among other things; a damaged file is refused instead.
    png_set_benign_errors(r.png, 0);
    png_set_crc_action(r.png, PNG_CRC_DEFAULT, PNG_CRC_ERROR_QUIT);
    png_set_read_fn(r.png, &r.source, readFromSource);
    png_read_info(r.png, r.info);
    png_set_expand(r.png);
    png_set_scale_16(r.png);
    png_set_gray_to_rgb(r.png);
    png_set_bgr(r.png);
    if ((png_get_color_type(r.png, r.info) & PNG_COLOR_MASK_ALPHA) != 0 ||
        png_get_valid(r.png, r.info, PNG_INFO_tRNS) != 0) {
        png_set_invert_alpha(r.png);
    } else {
        png_set_filler(r.png, 0, PNG_FILLER_AFTER);
    }
    png_set_interlace_handling(r.png);
    png_read_update_info(r.png, r.info);
    return png_get_rowbytes(r.png, r.info) == png_get_image_width(r.png, r.info) * 4;
}

bool readRows(PngReader& r, png_bytepp rows) {
    if (setjmp(png_jmpbuf(r.png))) {
        return false;
    }
    png_read_image(r.png, rows);
    return true;
}

uint32_t bigEndian32(std::string_view b, size_t at) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) {
        value = (value << 8) | static_cast<uint8_t>(b[at + i]);
    }
    return value;
}

// libpng refuses an oversized header only with a generic error; reading the size from the
// header chunk first gives the user the real reason.
Status checkHeaderSize(std::string_view bytes) {
    if (bytes.size() < 24 || bytes.substr(12, 4) != "IHDR") {
        return {};
    }
    const uint32_t width = bigEndian32(bytes, 16);
    const uint32_t height = bigEndian32(bytes, 20);
    return width == 0 || height == 0 ? Status() : checkPictureSize(width, height);
}

// Whether the file ends inside a chunk: then a failure is the missing end, whatever libpng
// stumbled on first (a chunk claiming more than the limits allow, say).
bool endsInsideAChunk(std::string_view bytes) {
    size_t at = 8;
    while (at + 8 <= bytes.size() && bytes.substr(at + 4, 4) != "IEND") {
        const uint64_t length = bigEndian32(bytes, at);
        if (length + 12 > bytes.size() - at) {
            return true;
        }
        at += static_cast<size_t>(length) + 12;
    }
    return at < bytes.size() && at + 8 > bytes.size();
}

Status readFailure(const PngReader& r) {
    const bool truncated = r.source.truncated || endsInsideAChunk(r.source.bytes);
    return Status::failure(truncated ? pictures_messages::kPictureTruncated
                                     : pictures_messages::kPictureDamaged);
}

}  // namespace

Result<Picture> decodePng(std::string_view bytes) {
    if (Status size = checkHeaderSize(bytes); !size) {
        return size;
    }
    PngReader reader(bytes);
    if (reader.png == nullptr || reader.info == nullptr) {
        return Status::failure(pictures_messages::kPictureOutOfMemory);
    }
    if (!readHeader(reader)) {
        return readFailure(reader);
    }
    Result<Picture> result = allocatePicture(png_get_image_width(reader.png, reader.info),
                                             png_get_image_height(reader.png, reader.info));
    if (!result) {
        return result;
    }
    Picture& picture = *result;
    std::vector<png_bytep> rows(static_cast<size_t>(picture.height));
    for (int y = 0; y < picture.height; ++y) {
        rows[y] = reinterpret_cast<png_bytep>(picture.pixels.data() +
                                              static_cast<size_t>(y) * picture.width);
    }
    if (!readRows(reader, rows.data())) {
        return readFailure(reader);
    }
    picture.opaque = isWhollyOpaque(picture);
    return result;
}

}  // namespace velquist
