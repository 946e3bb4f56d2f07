// Who runs this process: what keeps one user's running copy apart from another's.
#pragma once

#include <string>

namespace velquist {

// A short name, never empty, that differs between the users of one machine and, where one user
// can be logged on more than once (a Windows terminal server), between their sessions. Made of
// letters, digits and '-' only, so that it fits in socket and pipe names.
std::string userSessionKey();

// A later start, which the user has just brought to the front, lets the running copy it hands
// over to take the foreground (Windows refuses that to any other process); nothing elsewhere.
void letRunningCopyComeForward();

}  // namespace velquist
