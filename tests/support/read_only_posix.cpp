// Read-only folders on Linux: mode 0555, and root's override capabilities lowered meanwhile.
#include <fcntl.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "support/read_only.h"

namespace velquist::test {

namespace {

// Root's capabilities that override file permissions, lowered on this thread until restore().
struct LoweredCapabilities {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct capabilities[2]{};
    bool lowered = false;

    // False only when root's overrides were found and could not be lowered.
    bool lower() {
        if (::geteuid() != 0 || ::syscall(SYS_capget, &header, capabilities) != 0) {
            return true;
        }
        // Capabilities stay permitted and come back in restore().
        __user_cap_data_struct reduced[2] = {capabilities[0], capabilities[1]};
        reduced[0].effective &=
            ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        lowered = ::syscall(SYS_capset, &header, reduced) == 0;
        return lowered;
    }
    void restore() {
        if (lowered) {
            ::syscall(SYS_capset, &header, capabilities);
        }
    }
};

}  // namespace

struct ReadOnlyFolder::Saved : LoweredCapabilities {};

ReadOnlyFolder::ReadOnlyFolder(std::string dir) : m_dir(std::move(dir)), m_saved(new Saved) {
    m_holds = ::chmod(m_dir.c_str(), 0555) == 0 && m_saved->lower();
}

ReadOnlyFolder::~ReadOnlyFolder() {
    m_saved->restore();
    ::chmod(m_dir.c_str(), 0755);
    delete m_saved;
}

struct PermissionsEnforced::Saved : LoweredCapabilities {};

PermissionsEnforced::PermissionsEnforced() : m_saved(new Saved) {
    m_saved->lower();
}

PermissionsEnforced::~PermissionsEnforced() {
    m_saved->restore();
    delete m_saved;
}

bool makeUnreadable(const std::string& path) {
    if (::chmod(path.c_str(), 0) != 0) {
        return false;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return true;
    }
    ::close(fd);
    return false;
}

std::string makeNonRegularFile(const std::string& dir) {
    const std::string fifo = dir + "/pipe.png";
    return ::mkfifo(fifo.c_str(), 0600) == 0 ? fifo : std::string();
}

}  // namespace velquist::test
