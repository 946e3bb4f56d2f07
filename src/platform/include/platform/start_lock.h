// A lock that one start of the program holds while it decides whether it serves.
#pragma once

#include <cstdint>
#include <string>

namespace velquist {

// Held through an open file, so a holder that is killed lets go at once; taking it writes
// nothing, so no start waits for the disk (a lock file with contents is synced to disk first).
class StartLock {
public:
    StartLock() = default;
    ~StartLock();
    StartLock(const StartLock&) = delete;
    StartLock& operator=(const StartLock&) = delete;

    // Takes the lock named by the file `path` (made when missing), waiting up to `timeoutMs`
    // for another holder. False when it cannot be made or is still held.
    bool acquire(const std::string& path, int timeoutMs);
    void release();

private:
    std::intptr_t m_handle = -1;
};

}  // namespace velquist
