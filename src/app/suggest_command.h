// `velquist --suggest PICTURE OUT.vqmap`: the picture's proposed hotspots into a map file,
// without a window.
#pragma once

#include <ostream>

namespace velquist {

bool isSuggestCommand(int argc, char** argv);

// Exits 0 with the map file written, or non-zero with the reason on `errors`.
int runSuggestCommand(int argc, char** argv, std::ostream& errors);

}  // namespace velquist
