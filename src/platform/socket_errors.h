// What the system's socket error numbers that curl reports mean.
#pragma once

namespace velquist {

// `osError` as curl's CURLINFO_OS_ERRNO gives it: errno on POSIX, a Winsock code on Windows.
bool isConnectionRefused(long osError);
bool isConnectionReset(long osError);

}  // namespace velquist
