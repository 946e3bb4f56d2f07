// What an action has to say in the main window's status line.
#pragma once

#include <optional>
#include <string>

namespace velquist {

// Nothing: the status line keeps what it says.
using Said = std::optional<std::string>;

}  // namespace velquist
