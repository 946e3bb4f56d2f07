// Hotspots the picture proposes: rectangles a designer would link, ranked, each with its kind.
#pragma once

#include <span>
#include <vector>

#include "core/geometry.h"
#include "pictures/picture.h"

namespace velquist {

enum class SuggestionKind {
    Card,      // a product card: picture, title, price and button together
    Coupon,    // one of a row of wide, short boxes
    Button,    // a small box standing on its own
    MenuItem,  // one cell of a navigation bar
    Block,     // a larger box that stands apart from its background
};

struct Suggestion {
    Rect rect;  // picture coordinates
    SuggestionKind kind = SuggestionKind::Block;
    double score = 0;  // higher first; only the order matters
    friend bool operator==(const Suggestion&, const Suggestion&) = default;
};

// The proposals for `picture`, best first, leaving out what the `existing` hotspots already
// cover. Pure: the same picture gives the same answer.
std::vector<Suggestion> suggestHotspots(const Picture& picture,
                                        std::span<const Rect> existing = {});

}  // namespace velquist
