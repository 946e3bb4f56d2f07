// Socket errors are errno values on POSIX.
#include <cerrno>

#include "socket_errors.h"

namespace velquist {

bool isConnectionRefused(long osError) {
    return osError == ECONNREFUSED;
}
bool isConnectionReset(long osError) {
    return osError == ECONNRESET;
}

}  // namespace velquist
