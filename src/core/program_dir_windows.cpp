// Program directory from GetModuleFileNameW.
#include <windows.h>

#include "core/program_dir.h"
#include "core/win32.h"

namespace velquist {
namespace {

std::string executablePath() {
    std::wstring buffer(MAX_PATH, L'\0');
    while (true) {
        const DWORD n =
            ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) {
            return {};
        }
        if (n < buffer.size()) {
            buffer.resize(n);
            return toUtf8(buffer);
        }
        buffer.resize(buffer.size() * 2);  // truncated: a long path
    }
}

size_t lastSeparator(const std::string& path) {
    return path.find_last_of("\\/");
}

}  // namespace

std::string programDirectory() {
    const std::string exe = executablePath();
    const size_t separator = lastSeparator(exe);
    if (separator == std::string::npos) {
        return ".";
    }
    // "C:\velquist.exe" lives in "C:\", not in the drive's current folder "C:".
    return separator == 2 && exe[1] == ':' ? exe.substr(0, 3) : exe.substr(0, separator);
}

std::string programFileName() {
    const std::string exe = executablePath();
    return exe.substr(lastSeparator(exe) + 1);
}

std::string_view runnableSuffix() {
    return ".exe";
}

std::string joinPath(std::string_view dir, std::string_view name) {
    std::string out(dir);
    if (out.empty() || (out.back() != '\\' && out.back() != '/')) {
        out += '\\';
    }
    out += name;
    return out;
}

}  // namespace velquist
