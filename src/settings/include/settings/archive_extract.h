// Taking one named file out of a ZIP archive.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/status.h"

namespace velquist {

// Writes the entry called exactly `entryName` of the archive at `zipPath` to `destination`
// (atomically, executable). Other entries are never written, so names with folders or ".." in
// them cannot place anything elsewhere. Entries larger than `maxBytes` are refused.
Status extractZipEntry(const std::string& zipPath, std::string_view entryName,
                       const std::string& destination, uint64_t maxBytes = uint64_t{64} << 20);

}  // namespace velquist
