// The paste offset: a hash set of the rectangles already there, tried step by step.
#include "editor/paste_placement.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

namespace velquist {
namespace {

struct RectHash {
    size_t operator()(const Rect& r) const {
        uint64_t h = static_cast<uint32_t>(r.left);
        h = h * 0x9E3779B97F4A7C15ULL ^ static_cast<uint32_t>(r.top);
        h = h * 0x9E3779B97F4A7C15ULL ^ static_cast<uint32_t>(r.width);
        h = h * 0x9E3779B97F4A7C15ULL ^ static_cast<uint32_t>(r.height);
        return static_cast<size_t>(h ^ (h >> 29));
    }
};

}  // namespace

Point pasteOffset(const std::vector<Rect>& existing, const std::vector<Rect>& pasted) {
    const std::unordered_set<Rect, RectHash> taken(existing.begin(), existing.end());
    // Ends: each failing try is blocked by one of the finitely many rectangles already there.
    for (int d = 0;; d += kPasteStep) {
        const bool blocked = std::any_of(pasted.begin(), pasted.end(), [&](const Rect& r) {
            return taken.count(r.translated(d, d)) != 0;
        });
        if (!blocked) {
            return {d, d};
        }
    }
}

}  // namespace velquist
