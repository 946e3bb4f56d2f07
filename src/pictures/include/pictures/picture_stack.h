// A page that shops publish as a stack of pictures, made into one picture to show and edit.
#pragma once

#include <vector>

#include "core/status.h"
#include "pictures/picture.h"

namespace velquist {

// The pictures each under the one before, left edges aligned; the rows of a narrower one are
// transparent past its right edge. A picture that is itself a stack counts with its parts, so
// a page grows one picture at a time. Fails when the page would pass the picture limits.
Result<Picture> stackPictures(const std::vector<const Picture*>& pictures);

}  // namespace velquist
