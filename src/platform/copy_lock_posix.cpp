// The copy lock on POSIX systems: flock on a file that stays in place.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "platform/copy_lock.h"

namespace velquist {

CopyLock::~CopyLock() {
    release();
}

CopyLock::Take CopyLock::take(const std::string& path) {
    release();
    // Close-on-exec: a program this copy starts must not keep holding it.
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        return Take::Unavailable;
    }
    int taken = 0;
    do {
        taken = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (taken != 0 && errno == EINTR);
    if (taken != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return held ? Take::Held : Take::Unavailable;
    }
    m_handle = fd;
    return Take::Taken;
}

void CopyLock::release() {
    if (m_handle >= 0) {
        ::close(static_cast<int>(m_handle));  // lets go of the lock
        m_handle = -1;
    }
}

}  // namespace velquist
