// A stand-in program for Windows tests of starting processes. It writes "started.txt" beside
// itself, and the same to its standard output: one line per argument as the C runtime's rules
// read them, the program's own name first, in UTF-8. When a file "hold" lies beside it, it then
// runs until "release" appears, and prints the content of "say.txt" if there is one.
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <string>

#include "core/program_dir.h"
#include "core/win32.h"

namespace {

bool exists(const std::string& path) {
    return ::GetFileAttributesW(velquist::toUtf16(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

int main() {
    using namespace velquist;
    int count = 0;
    wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += toUtf8(arguments[i]) + "\n";
    }
    ::LocalFree(arguments);
    DWORD printed = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()),
                &printed, nullptr);
    const std::string dir = programDirectory();
    const std::wstring temp = toUtf16(joinPath(dir, "started.tmp"));
    const HANDLE file = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    ::CloseHandle(file);
    ::MoveFileExW(temp.c_str(), toUtf16(joinPath(dir, "started.txt")).c_str(),
                  MOVEFILE_REPLACE_EXISTING);
    if (exists(joinPath(dir, "hold"))) {
        for (int i = 0; i < 3000 && !exists(joinPath(dir, "release")); ++i) {
            ::Sleep(20);
        }
        const HANDLE say =
            ::CreateFileW(toUtf16(joinPath(dir, "say.txt")).c_str(), GENERIC_READ, FILE_SHARE_READ,
                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        char line[4096];
        DWORD length = 0;
        if (say != INVALID_HANDLE_VALUE && ::ReadFile(say, line, sizeof line, &length, nullptr)) {
            ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), line, length, &printed, nullptr);
        }
        if (say != INVALID_HANDLE_VALUE) {
            ::CloseHandle(say);
        }
    }
    return 0;
}
