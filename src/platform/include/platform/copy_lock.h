// The lock that the serving copy of the program holds while it runs.
#pragma once

#include <cstdint>
#include <string>

namespace velquist {

// Held through an open file, so a holder that is killed lets go at once; taking it writes
// nothing, so no start waits for the disk (a lock file with contents is synced to disk first).
class CopyLock {
public:
    CopyLock() = default;
    ~CopyLock();
    CopyLock(const CopyLock&) = delete;
    CopyLock& operator=(const CopyLock&) = delete;

    enum class Take {
        Taken,        // this process holds it now
        Held,         // another process holds it
        Unavailable,  // the file `path` cannot be made or opened
    };
    // Takes the lock named by the file `path` (made when missing), without waiting.
    Take take(const std::string& path);
    bool held() const { return m_handle != -1; }
    void release();

private:
    std::intptr_t m_handle = -1;
};

}  // namespace velquist
