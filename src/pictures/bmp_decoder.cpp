// Uncompressed Windows bitmaps: 1, 4 and 8 bits with a colour table, 16, 24 and 32 bits.
#include <array>
#include <bit>
#include <cstdint>

#include "format_decoders.h"
#include "pictures/messages.h"
#include "pictures/picture_buffer.h"

namespace velquist {
namespace {

constexpr int64_t kFileHeaderSize = 14;
constexpr uint32_t kRgb = 0;
constexpr uint32_t kBitfields = 3;
constexpr uint32_t kAlphaBitfields = 6;

uint32_t le16(std::string_view b, int64_t at) {
    return static_cast<uint8_t>(b[at]) |
           (static_cast<uint32_t>(static_cast<uint8_t>(b[at + 1])) << 8);
}
uint32_t le32(std::string_view b, int64_t at) {
    return le16(b, at) | (le16(b, at + 2) << 16);
}

// One colour channel of a bitfield pixel, scaled to 0..255.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t maxValue = 0;

    explicit Channel(uint32_t m = 0)
        : mask(m), shift(m ? std::countr_zero(m) : 0), maxValue(m ? m >> shift : 0) {}
    uint32_t extract(uint32_t pixel) const {
        if (maxValue == 0) {
            return 0;
        }
        const uint64_t value = (pixel & mask) >> shift;
        return static_cast<uint32_t>((value * 255 + maxValue / 2) / maxValue);
    }
};

struct BmpLayout {
    int64_t infoSize = 0;
    uint32_t compression = 0;
    int64_t width = 0;
    int64_t height = 0;
    bool topDown = false;
    int bitCount = 0;
    int64_t dataOffset = 0;
    int64_t stride = 0;
    std::array<Channel, 4> channels;  // red, green, blue, alpha
    std::array<uint32_t, 256> palette{};
    int paletteSize = 0;
};

bool readMasks(std::string_view b, uint32_t compression, int64_t infoSize, BmpLayout& layout) {
    const int64_t at = kFileHeaderSize + 40;
    const int count = compression == kAlphaBitfields || infoSize >= 56 ? 4 : 3;
    if (at + 4 * count > static_cast<int64_t>(b.size())) {
        return false;
    }
    for (int i = 0; i < count; ++i) {
        layout.channels[i] = Channel(le32(b, at + 4 * i));
    }
    return true;
}

void defaultMasks(BmpLayout& layout) {
    if (layout.bitCount == 16) {
        layout.channels = {Channel(0x7C00), Channel(0x03E0), Channel(0x001F), Channel()};
    } else {
        // The fourth byte of an ordinary 32-bit bitmap is unused, so it is not transparency.
        layout.channels = {Channel(0xFF0000), Channel(0xFF00), Channel(0xFF), Channel()};
    }
}

bool readPalette(std::string_view b, int64_t at, uint32_t colorsUsed, BmpLayout& layout) {
    const uint32_t full = 1u << layout.bitCount;
    const uint32_t count = colorsUsed == 0 || colorsUsed > full ? full : colorsUsed;
    if (at + 4 * static_cast<int64_t>(count) > static_cast<int64_t>(b.size())) {
        return false;
    }
    for (uint32_t i = 0; i < count; ++i) {
        layout.palette[i] = le32(b, at + 4 * i) & 0xFFFFFF;
    }
    layout.paletteSize = static_cast<int>(count);
    return true;
}

// Size, depth and compression, and whether this decoder handles them.
Status readHeader(std::string_view b, BmpLayout& layout) {
    if (static_cast<int64_t>(b.size()) < kFileHeaderSize + 40) {
        return Status::failure(pictures_messages::kPictureTruncated);
    }
    layout.infoSize = le32(b, 14);
    layout.width = static_cast<int32_t>(le32(b, 18));
    const int64_t height = static_cast<int32_t>(le32(b, 22));
    layout.topDown = height < 0;
    layout.height = height < 0 ? -height : height;
    layout.bitCount = static_cast<int>(le16(b, 28));
    layout.compression = le32(b, 30);
    if (layout.infoSize < 40 || layout.infoSize > 1024) {
        return Status::failure(pictures_messages::kBmpUnsupported);
    }
    if (Status status = checkPictureSize(layout.width, layout.height); !status) {
        return status;
    }
    const int bits = layout.bitCount;
    const bool known =
        bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    const bool bitfields =
        layout.compression == kBitfields || layout.compression == kAlphaBitfields;
    if (!known || !(layout.compression == kRgb || ((bits == 16 || bits == 32) && bitfields))) {
        return Status::failure(pictures_messages::kBmpUnsupported);
    }
    return {};
}

// Channel masks or the colour table, whichever the depth uses.
bool readColors(std::string_view b, BmpLayout& layout) {
    int64_t afterHeader = kFileHeaderSize + layout.infoSize;
    if (layout.compression == kRgb) {
        defaultMasks(layout);
    } else {
        if (!readMasks(b, layout.compression, layout.infoSize, layout)) {
            return false;
        }
        if (layout.infoSize == 40) {  // the masks follow the short header
            afterHeader += layout.compression == kAlphaBitfields ? 16 : 12;
        }
    }
    return layout.bitCount > 8 || readPalette(b, afterHeader, le32(b, 46), layout);
}

Status readLayout(std::string_view b, BmpLayout& layout) {
    if (Status status = readHeader(b, layout); !status) {
        return status;
    }
    if (!readColors(b, layout)) {
        return Status::failure(pictures_messages::kPictureTruncated);
    }
    // The last row needs no padding after it.
    layout.dataOffset = le32(b, 10);
    layout.stride = (layout.width * layout.bitCount + 31) / 32 * 4;
    const int64_t lastRowBytes = (layout.width * layout.bitCount + 7) / 8;
    if (layout.dataOffset < kFileHeaderSize + layout.infoSize ||
        layout.dataOffset + layout.stride * (layout.height - 1) + lastRowBytes >
            static_cast<int64_t>(b.size())) {
        return Status::failure(pictures_messages::kPictureTruncated);
    }
    return {};
}

// Bitmap rows are 0x00RRGGBB (or carry an alpha channel); pictures hold transparency on top.
void decodeRow(const BmpLayout& layout, const uint8_t* row, uint32_t* out) {
    const int64_t width = layout.width;
    switch (layout.bitCount) {
        case 24:
            for (int64_t x = 0; x < width; ++x, row += 3) {
                out[x] = row[0] | (static_cast<uint32_t>(row[1]) << 8) |
                         (static_cast<uint32_t>(row[2]) << 16);
            }
            return;
        case 16:
        case 32: {
            const auto& [red, green, blue, alpha] = layout.channels;
            const int step = layout.bitCount / 8;
            for (int64_t x = 0; x < width; ++x, row += step) {
                uint32_t pixel = row[0] | (static_cast<uint32_t>(row[1]) << 8);
                if (step == 4) {
                    pixel |= (static_cast<uint32_t>(row[2]) << 16) |
                             (static_cast<uint32_t>(row[3]) << 24);
                }
                const uint32_t transparency = alpha.mask ? 255 - alpha.extract(pixel) : 0;
                out[x] = (transparency << 24) | (red.extract(pixel) << 16) |
                         (green.extract(pixel) << 8) | blue.extract(pixel);
            }
            return;
        }
        default: {
            const int bits = layout.bitCount;
            const int perByte = 8 / bits;
            const uint32_t mask = (1u << bits) - 1;
            for (int64_t x = 0; x < width; ++x) {
                const int shift = 8 - bits * (static_cast<int>(x % perByte) + 1);
                const uint32_t index = (row[x / perByte] >> shift) & mask;
                out[x] = static_cast<int>(index) < layout.paletteSize ? layout.palette[index] : 0;
            }
            return;
        }
    }
}

// Writers often leave the alpha channel all zero; such a bitmap is meant to be opaque.
void dropBlankAlpha(Picture& picture) {
    for (uint32_t pixel : picture.pixels) {
        if ((pixel >> 24) != 255) {
            return;
        }
    }
    for (uint32_t& pixel : picture.pixels) {
        pixel &= 0xFFFFFF;
    }
}

}  // namespace

Result<Picture> decodeBmp(std::string_view bytes) {
    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M') {
        return Status::failure(pictures_messages::kPictureUnrecognised);
    }
    BmpLayout layout;
    if (Status status = readLayout(bytes, layout); !status) {
        return status;
    }
    Result<Picture> result = allocatePicture(layout.width, layout.height);
    if (!result) {
        return result;
    }
    Picture& picture = *result;
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data()) + layout.dataOffset;
    for (int64_t y = 0; y < layout.height; ++y) {
        const int64_t sourceRow = layout.topDown ? y : layout.height - 1 - y;
        decodeRow(layout, data + sourceRow * layout.stride,
                  picture.pixels.data() + y * layout.width);
    }
    if (layout.channels[3].mask != 0) {
        dropBlankAlpha(picture);
    }
    picture.opaque = isWhollyOpaque(picture);
    return result;
}

}  // namespace velquist
