// The start lock on Windows: LockFileEx on a file that stays in place.
#include <windows.h>

#include <chrono>
#include <thread>

#include "core/win32.h"
#include "platform/start_lock.h"

namespace velquist {

StartLock::~StartLock() {
    release();
}

bool StartLock::acquire(const std::string& path, int timeoutMs) {
    release();
    HANDLE file = CreateFileW(toUtf16(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    OVERLAPPED at{};
    while (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
        if (GetLastError() != ERROR_LOCK_VIOLATION ||
            std::chrono::steady_clock::now() >= deadline) {
            CloseHandle(file);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    m_handle = reinterpret_cast<std::intptr_t>(file);
    return true;
}

void StartLock::release() {
    if (m_handle != -1) {
        CloseHandle(reinterpret_cast<HANDLE>(m_handle));  // lets go of the lock
        m_handle = -1;
    }
}

}  // namespace velquist
