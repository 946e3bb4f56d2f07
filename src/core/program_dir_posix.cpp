// Program directory from /proc/self/exe.
#include "core/program_dir.h"

#include <unistd.h>

#include <climits>

namespace velquist {
namespace {

// The path /proc/self/exe links to, also after an update replaced or removed the file.
std::string runningExecutable() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) {
        return {};
    }
    std::string_view path(buffer, static_cast<size_t>(n));
    // The kernel marks a replaced or removed executable; it still names the same program.
    constexpr std::string_view kDeletedSuffix = " (deleted)";
    if (path.ends_with(kDeletedSuffix)) {
        path.remove_suffix(kDeletedSuffix.size());
    }
    return std::string(path);
}

}  // namespace

std::string programDirectory() {
    const std::string exe = runningExecutable();
    const size_t slash = exe.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? std::string("/") : exe.substr(0, slash);
}

std::string programFileName() {
    const std::string exe = runningExecutable();
    return exe.substr(exe.rfind('/') + 1);
}

std::string_view runnableSuffix() {
    return {};
}

std::string joinPath(std::string_view dir, std::string_view name) {
    std::string out(dir);
    if (out.empty() || out.back() != '/') {
        out += '/';
    }
    out += name;
    return out;
}

}  // namespace velquist
