// Opening a ZIP archive by its UTF-8 path, whatever the system's own file-name encoding.
#pragma once

#include <unzip.h>

#include <string>

namespace velquist {

// The archive, or nullptr when it cannot be opened or read.
unzFile openZipArchive(const std::string& path);

}  // namespace velquist
