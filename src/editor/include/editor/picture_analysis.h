// What the editor learns from its background picture off the UI thread: the edge map that
// dragged edges snap to and the proposed hotspots. Requests and answers are plain values.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "core/geometry.h"
#include "pictures/picture.h"
#include "suggest/edge_map.h"
#include "suggest/suggestion.h"

namespace velquist {

struct AnalysisRequest {
    uint64_t ticket = 0;  // tells the answer to proposals asked for from an older one
    std::shared_ptr<const Picture> picture;
    bool edges = false;  // the edge map is wanted
    // Proposals are wanted, leaving out what these hotspots (picture coordinates) cover.
    std::optional<std::vector<Rect>> proposeAround;
};

struct AnalysisResult {
    uint64_t ticket = 0;
    std::shared_ptr<const Picture> picture;
    std::optional<EdgeMap> edges;
    std::optional<std::vector<Suggestion>> proposals;
};

// Pure, and slow on a tall page (a tenth of a second or more): run it on a worker.
AnalysisResult analysePicture(const AnalysisRequest& request);

}  // namespace velquist
