// Read-only folders on Linux: mode 0555, and root's override capabilities lowered meanwhile.
#include <fcntl.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "support/read_only.h"

namespace velquist::test {

struct ReadOnlyFolder::Saved {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct capabilities[2]{};
    bool lowered = false;
};

ReadOnlyFolder::ReadOnlyFolder(std::string dir) : m_dir(std::move(dir)), m_saved(new Saved) {
    if (::chmod(m_dir.c_str(), 0555) != 0) {
        return;
    }
    m_holds = true;
    if (::geteuid() != 0 || ::syscall(SYS_capget, &m_saved->header, m_saved->capabilities) != 0) {
        return;
    }
    // Capabilities stay permitted and come back in the destructor.
    __user_cap_data_struct lowered[2] = {m_saved->capabilities[0], m_saved->capabilities[1]};
    lowered[0].effective &=
        ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
    m_saved->lowered = ::syscall(SYS_capset, &m_saved->header, lowered) == 0;
    m_holds = m_saved->lowered;
}

ReadOnlyFolder::~ReadOnlyFolder() {
    if (m_saved->lowered) {
        ::syscall(SYS_capset, &m_saved->header, m_saved->capabilities);
    }
    ::chmod(m_dir.c_str(), 0755);
    delete m_saved;
}

struct PermissionsEnforced::Saved {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct capabilities[2]{};
    bool lowered = false;
};

PermissionsEnforced::PermissionsEnforced() : m_saved(new Saved) {
    if (::geteuid() != 0 || ::syscall(SYS_capget, &m_saved->header, m_saved->capabilities) != 0) {
        return;
    }
    __user_cap_data_struct lowered[2] = {m_saved->capabilities[0], m_saved->capabilities[1]};
    lowered[0].effective &=
        ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
    m_saved->lowered = ::syscall(SYS_capset, &m_saved->header, lowered) == 0;
}

PermissionsEnforced::~PermissionsEnforced() {
    if (m_saved->lowered) {
        ::syscall(SYS_capset, &m_saved->header, m_saved->capabilities);
    }
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
