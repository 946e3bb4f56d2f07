// INI files read and written one key at a time, with the behaviour of Windows' private profiles.
#pragma once

#include <string>
#include <string_view>

#include "core/status.h"

namespace velquist {

// Longest value a read returns, in bytes as stored (GB18030); longer values are cut there.
inline constexpr size_t kIniValueLimit = 10239;

// The value of `key` in `section`; empty when the file, the section or the key is missing.
// Section and key names match with ASCII letters in either case.
std::string readIniValue(const std::string& path, std::string_view section, std::string_view key);

// Sets `key` in `section`, creating the file, section or key as needed and keeping every other
// line. The file is stored as GB18030 with CR LF and replaced atomically.
Status writeIniValue(const std::string& path, std::string_view section, std::string_view key,
                     std::string_view value);

}  // namespace velquist
