// The start lock on POSIX systems: flock on a file that stays in place.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "platform/start_lock.h"

namespace velquist {

StartLock::~StartLock() {
    release();
}

bool StartLock::acquire(const std::string& path, int timeoutMs) {
    release();
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK || errno == EINTR;
        if (!held || std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    m_handle = fd;
    return true;
}

void StartLock::release() {
    if (m_handle >= 0) {
        ::close(static_cast<int>(m_handle));  // lets go of the lock
        m_handle = -1;
    }
}

}  // namespace velquist
