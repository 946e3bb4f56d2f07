// Writing small ZIP archives: used at build time to pack the updater, and by tests.
#pragma once

#include <string>
#include <vector>

#include "core/status.h"

namespace velquist {

struct ZipEntry {
    std::string name;
    std::string bytes;
    bool executable = false;  // recorded as a Unix mode, for unzip tools that honour it
};

// Writes the entries, deflated, to `path` (replaced atomically). Entry times are fixed so that
// the same input always gives the same archive.
Status writeZip(const std::string& path, const std::vector<ZipEntry>& entries);

}  // namespace velquist
