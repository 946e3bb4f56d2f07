// Socket errors are Winsock codes on Windows, not the C runtime's errno values.
#include <winsock2.h>

#include "socket_errors.h"

namespace velquist {

bool isConnectionRefused(long osError) {
    return osError == WSAECONNREFUSED;
}
bool isConnectionReset(long osError) {
    return osError == WSAECONNRESET || osError == WSAECONNABORTED;
}

}  // namespace velquist
