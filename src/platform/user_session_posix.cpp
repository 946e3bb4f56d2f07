// The user session on POSIX: the real user id.
#include "platform/user_session.h"

#include <unistd.h>

#include <string>

namespace velquist {

std::string userSessionKey() {
    // The id, not $USER: su, runuser and setpriv change the id but may keep the environment.
    return "u" + std::to_string(::getuid());
}

void letRunningCopyComeForward() {}

}  // namespace velquist
