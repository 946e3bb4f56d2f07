// The part of the GB18030 conversion each system does its own way.
#pragma once

#include <string>
#include <string_view>

namespace velquist {

// GB18030 bytes as UTF-8, each byte that starts no valid character replaced by U+FFFD so that
// the rest of the text survives; the bytes unchanged when the system has no converter.
std::string gb18030ToUtf8Replacing(std::string_view bytes);

}  // namespace velquist
