// GIF through giflib: the first frame, its transparent colour honoured, read line by line.
#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "format_decoders.h"
#include "pictures/messages.h"
#include "pictures/picture_buffer.h"

namespace velquist {
namespace {

constexpr uint32_t kTransparentPixel = 0xFF000000u;

struct GifSource {
    std::string_view bytes;
    size_t position = 0;
    bool ranOut = false;  // giflib reports a short read in several ways; this is the truth
};

int readFromSource(GifFileType* gif, GifByteType* out, int length) {
    auto* source = static_cast<GifSource*>(gif->UserData);
    const size_t wanted = static_cast<size_t>(std::max(length, 0));
    const size_t count = std::min(wanted, source->bytes.size() - source->position);
    source->ranOut = source->ranOut || count < wanted;
    std::memcpy(out, source->bytes.data() + source->position, count);
    source->position += count;
    return static_cast<int>(count);
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

Status failure(int gifError) {
    switch (gifError) {
        case D_GIF_ERR_READ_FAILED:
            return Status::failure(pictures_messages::kPictureTruncated);
        case D_GIF_ERR_NOT_ENOUGH_MEM:
            return Status::failure(pictures_messages::kPictureOutOfMemory);
        default:
            return Status::failure(pictures_messages::kPictureDamaged);
    }
}

// Skips an extension, noting the transparent colour index of a graphic control block.
Status readExtension(GifFileType* gif, int& transparentIndex) {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) {
        return failure(gif->Error);
    }
    GraphicsControlBlock control;
    if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr &&
        DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK) {
        transparentIndex = control.TransparentColor;
    }
    while (block != nullptr) {
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) {
            return failure(gif->Error);
        }
    }
    return {};
}

// Rows in the order the data stores them: four passes when interlaced.
std::vector<int> rowOrder(int height, bool interlaced) {
    std::vector<int> order;
    order.reserve(static_cast<size_t>(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y) {
            order.push_back(y);
        }
        return order;
    }
    constexpr int kStart[] = {0, 4, 2, 1};
    constexpr int kStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        for (int y = kStart[pass]; y < height; y += kStep[pass]) {
            order.push_back(y);
        }
    }
    return order;
}

Result<Picture> readFirstImage(GifFileType* gif, int transparentIndex) {
    if (DGifGetImageDesc(gif) == GIF_ERROR) {
        return failure(gif->Error);
    }
    const GifImageDesc& frame = gif->Image;
    const ColorMapObject* colors = frame.ColorMap != nullptr ? frame.ColorMap : gif->SColorMap;
    if (colors == nullptr || colors->Colors == nullptr) {
        return Status::failure(pictures_messages::kGifNoColors);
    }
    if (Status size = checkPictureSize(frame.Width, frame.Height);
        !size || frame.Left < 0 || frame.Top < 0) {
        return size ? Status::failure(pictures_messages::kPictureDamaged) : size;
    }
    // Like browsers, grow a logical screen that is too small for the first frame.
    Result<Picture> result =
        allocatePicture(std::max<int64_t>(gif->SWidth, int64_t{frame.Left} + frame.Width),
                        std::max<int64_t>(gif->SHeight, int64_t{frame.Top} + frame.Height));
    if (!result) {
        return result;
    }
    Picture& picture = *result;
    std::fill(picture.pixels.begin(), picture.pixels.end(), kTransparentPixel);
    std::vector<GifPixelType> line(static_cast<size_t>(frame.Width));
    for (int y : rowOrder(frame.Height, frame.Interlace)) {
        if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR) {
            return failure(gif->Error);
        }
        uint32_t* out =
            picture.pixels.data() + static_cast<size_t>(frame.Top + y) * picture.width + frame.Left;
        for (int x = 0; x < frame.Width; ++x) {
            const int index = line[x];
            if (index == transparentIndex || index >= colors->ColorCount) {
                continue;  // out-of-range indexes come from damaged data; show them as holes
            }
            const GifColorType& c = colors->Colors[index];
            out[x] = (static_cast<uint32_t>(c.Red) << 16) | (static_cast<uint32_t>(c.Green) << 8) |
                     c.Blue;
        }
    }
    picture.opaque = isWhollyOpaque(picture);
    return result;
}

Result<Picture> readGif(GifSource& source) {
    int error = 0;
    GifHandle gif(DGifOpen(&source, readFromSource, &error));
    if (!gif) {
        return failure(error);
    }
    int transparentIndex = NO_TRANSPARENT_COLOR;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) {
            return failure(gif->Error);
        }
        if (type == IMAGE_DESC_RECORD_TYPE) {
            return readFirstImage(gif.get(), transparentIndex);
        }
        if (type != EXTENSION_RECORD_TYPE) {
            return Status::failure(pictures_messages::kPictureDamaged);  // ended without any image
        }
        if (Status status = readExtension(gif.get(), transparentIndex); !status) {
            return status;
        }
    }
}

}  // namespace

Result<Picture> decodeGif(std::string_view bytes) {
    GifSource source{bytes};
    Result<Picture> result = readGif(source);
    return !result && source.ranOut ? Status::failure(pictures_messages::kPictureTruncated) : result;
}

}  // namespace velquist
