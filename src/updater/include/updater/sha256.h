// SHA-256 of a downloaded program, to check it against the published value.
#pragma once

#include <string>
#include <string_view>

namespace velquist {

// The 64 lower-case hexadecimal digits of the SHA-256 of `bytes`; empty if the digest cannot be
// computed (then it matches no published value).
std::string sha256Hex(std::string_view bytes);

}  // namespace velquist
