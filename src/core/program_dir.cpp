// Program directory from /proc/self/exe.
#include "core/program_dir.h"

#include <unistd.h>

#include <climits>

namespace velquist {
namespace {

std::string executablePath() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

}  // namespace

std::string programDirectory() {
    const std::string exe = executablePath();
    const size_t slash = exe.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? std::string("/") : exe.substr(0, slash);
}

std::string programFileName() {
    const std::string exe = executablePath();
    return exe.substr(exe.rfind('/') + 1);
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
