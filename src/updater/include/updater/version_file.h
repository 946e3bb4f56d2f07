// Reading the version file the maker publishes: the newest version and where to get it.
#pragma once

#include <string>
#include <string_view>

#include "core/status.h"

namespace velquist {

struct VersionInfo {
    std::string version;          // text after "主程序版本=" up to the line break
    std::string downloadAddress;  // text after "主程序下载地址=" up to the line break
};

// Reads a version file as it came from the server (GBK/GB18030 or UTF-8 bytes, any line
// breaks). Each key's first occurrence counts; a missing or empty value is a failure.
Result<VersionInfo> readVersionFile(std::string_view bytes);

}  // namespace velquist
