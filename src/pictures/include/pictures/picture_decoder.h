// The one entry point that turns picture bytes (GIF, PNG, BMP, JPEG, WebP) into a Picture.
#pragma once

#include <string_view>

#include "core/status.h"
#include "pictures/picture.h"

namespace velquist {

// GIF gives its first frame; every format keeps its transparency. Fails with a message for the
// user on unrecognised, damaged, truncated or oversized data; never reads past `bytes`.
Result<Picture> decodePicture(std::string_view bytes);

}  // namespace velquist
