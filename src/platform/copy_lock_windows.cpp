// The copy lock on Windows: LockFileEx on a file that stays in place.
#include <windows.h>

#include "core/win32.h"
#include "platform/copy_lock.h"

namespace velquist {

CopyLock::~CopyLock() {
    release();
}

CopyLock::Take CopyLock::take(const std::string& path) {
    release();
    // Not inheritable: a program this copy starts must not keep holding it.
    HANDLE file = CreateFileW(toUtf16(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return Take::Unavailable;
    }
    OVERLAPPED at{};
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
        const bool held = GetLastError() == ERROR_LOCK_VIOLATION;
        CloseHandle(file);
        return held ? Take::Held : Take::Unavailable;
    }
    m_handle = reinterpret_cast<std::intptr_t>(file);
    return Take::Taken;
}

void CopyLock::release() {
    if (m_handle != -1) {
        CloseHandle(reinterpret_cast<HANDLE>(m_handle));  // lets go of the lock
        m_handle = -1;
    }
}

}  // namespace velquist
