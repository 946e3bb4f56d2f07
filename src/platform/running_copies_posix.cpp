// Process scan over /proc/<pid>/exe.
#include "platform/running_copies.h"

#include <dirent.h>

#include <string>

#include "core/program_dir.h"
#include "core/text.h"

namespace velquist {
namespace {

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

std::string executableName(const char* pid) {
    const std::string path = executableBehind(std::string("/proc/") + pid + "/exe");
    return path.substr(path.rfind('/') + 1);
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
