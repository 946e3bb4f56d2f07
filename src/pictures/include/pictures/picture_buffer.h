// Size checks and allocation shared by the picture decoders.
#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/status.h"
#include "pictures/picture.h"

namespace velquist {

// Decoders write B, G, R, transparency bytes and read them back as one 0xTTRRGGBB value.
static_assert(std::endian::native == std::endian::little);

// `templ` with "{边长}" and "{像素}" filled in from the picture limits.
std::string withPictureLimits(std::string_view templ);

// Fails with a clear message when a picture of this size may not be made.
Status checkPictureSize(int64_t width, int64_t height);

// A picture of this size with every pixel 0 (black, opaque), or why it cannot be made.
Result<Picture> allocatePicture(int64_t width, int64_t height);

// Whether no pixel carries transparency; drawing takes a faster path for such pictures.
bool isWhollyOpaque(const Picture& picture);

}  // namespace velquist
