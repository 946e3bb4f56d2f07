// A pasted list of uploaded picture addresses, one a line in slice order, checked against the
// page it is meant for.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/status.h"

namespace velquist {

// The addresses of `pasted` joined by '\n' as a stacked page keeps them: blank lines and the
// blanks around each address are left out. Refused, with both counts, unless there are exactly
// `pictures` addresses.
Result<std::string> pastedAddresses(std::string_view pasted, size_t pictures);

}  // namespace velquist
