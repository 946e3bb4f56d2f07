// Process scan over /proc/<pid>/exe.
#include "platform/running_copies.h"

#include <dirent.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <string>

#include "core/text.h"

namespace velquist {
namespace {

constexpr std::string_view kDeletedSuffix = " (deleted)";

bool isPid(const char* name) {
    if (*name == '\0') {
        return false;
    }
    for (; *name != '\0'; ++name) {
        if (*name < '0' || *name > '9') {
            return false;
        }
    }
    return true;
}

// File name of a process's executable; empty when it cannot be read (other users, kernel threads).
std::string executableName(const char* pid) {
    const std::string link = std::string("/proc/") + pid + "/exe";
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink(link.c_str(), buffer, sizeof buffer - 1);
    if (n <= 0) {
        return {};
    }
    std::string_view path(buffer, static_cast<size_t>(n));
    // A replaced or removed executable still names the same program.
    if (path.ends_with(kDeletedSuffix)) {
        path.remove_suffix(kDeletedSuffix.size());
    }
    return std::string(path.substr(path.rfind('/') + 1));
}

}  // namespace

int32_t countRunningCopies(std::string_view name) {
    DIR* proc = ::opendir("/proc");
    if (proc == nullptr) {
        return -1;
    }
    int32_t count = 0;
    while (const dirent* entry = ::readdir(proc)) {
        if (isPid(entry->d_name) && equalsIgnoreAsciiCase(executableName(entry->d_name), name)) {
            ++count;
        }
    }
    ::closedir(proc);
    return count;
}

}  // namespace velquist
