// Reading the version file the maker publishes: the newest version and where to get it.
#pragma once

#include <string>
#include <string_view>

#include "core/status.h"

namespace velquist {

struct VersionInfo {
    std::string version;          // text after "主程序版本=" up to the line break
    std::string downloadAddress;  // text after "主程序下载地址=" up to the line break
    std::string sha256;           // of the new program, lower case; empty when not published
};

// Reads a version file as it came from the server (GBK/GB18030 or UTF-8 bytes, any line
// breaks). Each key's first occurrence counts; a missing or empty version or address is a
// failure. The optional checksum is a line "sha256=<hex>" (key in any case, blanks around the
// value ignored); it is returned as written, its form is checked where it is used.
Result<VersionInfo> readVersionFile(std::string_view bytes);

}  // namespace velquist
