// A rectangle of a decoded picture written as a JPEG or PNG file's bytes.
#pragma once

#include <string>

#include "core/geometry.h"
#include "core/status.h"
#include "pictures/picture.h"

namespace velquist {

// `area` must lie within the picture. JPEG has no transparency: transparent pixels show the
// page's white, as a browser would show them. `quality` is libjpeg's 1–100.
Result<std::string> encodeJpeg(const Picture& picture, const Rect& area, int quality);
// Transparency is kept; a wholly opaque picture is written without an alpha channel.
Result<std::string> encodePng(const Picture& picture, const Rect& area);

}  // namespace velquist
