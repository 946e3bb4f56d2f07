// One decoder per picture format; decodePicture chooses among them by signature.
#pragma once

#include <string_view>

#include "core/status.h"
#include "pictures/picture.h"

namespace velquist {

Result<Picture> decodeBmp(std::string_view bytes);
Result<Picture> decodeGif(std::string_view bytes);
Result<Picture> decodeJpeg(std::string_view bytes);
Result<Picture> decodePng(std::string_view bytes);
Result<Picture> decodeWebp(std::string_view bytes);

}  // namespace velquist
