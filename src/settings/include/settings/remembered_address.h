// The last background address, kept in <program dir>/pz.ini for "读取备份".
#pragma once

#include <string>

#include "core/status.h"

namespace velquist {

// The empty text when the file or the key is missing.
std::string readRememberedAddress(const std::string& programDir);
// Written after every load, whether the picture came or not.
[[nodiscard]] Status rememberAddress(const std::string& programDir, const std::string& address);
// What the status line adds after the load's message: nothing, or why the address was not kept.
std::string rememberedAddressNote(const Status& saved);

}  // namespace velquist
