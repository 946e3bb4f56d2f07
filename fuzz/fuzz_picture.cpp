// Fuzz target: any bytes through decodePicture, the one entry point of every picture format.
#include <algorithm>

#include "pictures/picture_decoder.h"
#include "fuzz_support.h"

using namespace velquist;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Result<Picture> picture = decodePicture(fuzz::asBytes(data, size));
    if (!picture) {
        fuzz::require(!picture.error().empty(), "a refusal says why");
        return 0;
    }
    const Picture& p = *picture;
    fuzz::require(p.width > 0 && p.height > 0 && p.width <= kMaxPictureSide &&
                      p.height <= kMaxPictureSide &&
                      int64_t{p.width} * p.height <= kMaxPicturePixels,
                  "a decoded picture is within the limits");
    fuzz::require(p.pixels.size() == static_cast<size_t>(p.width) * static_cast<size_t>(p.height),
                  "every pixel is there");
    const bool opaque =
        std::all_of(p.pixels.begin(), p.pixels.end(), [](uint32_t px) { return px >> 24 == 0; });
    fuzz::require(p.opaque == opaque, "the opaque flag matches the pixels");
    return 0;
}
