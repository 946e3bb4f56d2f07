// The updater archive built into the tool: one deflated entry "xz.exe", the updater program.
#pragma once

#include <string_view>

namespace velquist::embedded {
extern const std::string_view kUpdaterArchive;
}  // namespace velquist::embedded
