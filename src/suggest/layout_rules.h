// From blocks to proposals: which blocks a designer links, and which are parts or decoration.
#pragma once

#include <vector>

#include "components.h"
#include "suggest/suggestion.h"

namespace velquist::suggest_detail {

struct Page {
    int width = 0;
    int height = 0;
    const std::vector<int>* bandBoundaries = nullptr;  // rows of full-width lines, ascending
};

// Drawn boxes, repeated stacks of parts (cards without a border) and navigation cells, with
// the parts inside a proposal left out and a container of repeated proposals given up for them.
std::vector<Suggestion> layoutProposals(const std::vector<Component>& components, const Page& page);

}  // namespace velquist::suggest_detail
