// The checks of one area that the code notice and the hotspot list share.
#pragma once

#include <string_view>
#include <vector>

#include "core/geometry.h"

namespace velquist::codegen {

// Whether `inner` lies wholly inside `outer`, in 64 bits: hotspots dragged far away must not
// overflow right and bottom.
bool encloses(const Rect& outer, const Rect& inner);
// The part of `rect` on the picture; empty when there is none.
Rect clipped(const Rect& rect, const Rect& picture);

// The same for the pictures of a page (`pictureRects`): whether every pixel of `rect` lies on
// one of them, and the smallest rectangle holding its parts on them (empty when there are none).
// On a page of one picture these are `encloses` and `clipped`.
bool onPictures(const std::vector<Rect>& pictures, const Rect& rect);
Rect clippedToPictures(const std::vector<Rect>& pictures, const Rect& rect);

struct LinkConcerns {
    bool placeholder = false;
    bool noScheme = false;  // "item.taobao.com/..." is a path beside the page, not a site
    bool blanks = false;
};

// What is wrong with a link as a page would use it; links that say they are relative ("#top",
// "/x", "./x", "?q=1") were meant so, and text a shop system fills in is not judged.
LinkConcerns linkConcerns(std::string_view link);

}  // namespace velquist::codegen
