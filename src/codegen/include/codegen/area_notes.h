// What "生成代码" would point out about each hotspot, in a few words for the hotspot list.
#pragma once

#include <string>
#include <vector>

#include "codegen/image_map.h"

namespace velquist {

// One text per area, in table order, empty when all is well: a link empty or "#", without a
// scheme or with blanks inside; overlapping a later area (on the page it takes the click there)
// or covered by an earlier one; not wholly inside the picture. Overlaps are found by the notice's
// sweep and named up to a bound, so a map of thousands stacked on one spot stays quick.
std::vector<std::string> areaNotes(const ImageMapInput& input);

}  // namespace velquist
