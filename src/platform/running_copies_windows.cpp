// Process scan over a Toolhelp32 snapshot.
#include <windows.h>
// tlhelp32.h needs windows.h first.
#include <tlhelp32.h>

#include "core/text.h"
#include "core/win32.h"
#include "platform/running_copies.h"

namespace velquist {

int32_t countRunningCopies(std::string_view name) {
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPALL, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return -1;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    int32_t count = 0;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more;
         more = ::Process32NextW(snapshot, &entry)) {
        if (equalsIgnoreAsciiCase(toUtf8(entry.szExeFile), name)) {
            ++count;
        }
    }
    ::CloseHandle(snapshot);
    return count;
}

}  // namespace velquist
