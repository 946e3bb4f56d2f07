// How many running processes share this program's executable file name.
#pragma once

#include <cstdint>
#include <string_view>

namespace velquist {

// Number of running processes whose executable file name (without directory) equals `name`,
// ASCII letters compared in either case; -1 when the process list cannot be read.
int32_t countRunningCopies(std::string_view name);

}  // namespace velquist
