// Makes file permissions bite for the calling thread, also when the tests run as root.
#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace velquist::test {

// Root ignores read-only folders; while this object lives the calling thread gives up the
// capabilities that let it (they stay permitted and come back afterwards).
class PermissionsEnforced {
public:
    PermissionsEnforced() {
        if (::geteuid() != 0 || ::syscall(SYS_capget, &m_header, m_saved) != 0) {
            return;
        }
        __user_cap_data_struct lowered[2] = {m_saved[0], m_saved[1]};
        lowered[0].effective &=
            ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        m_active = ::syscall(SYS_capset, &m_header, lowered) == 0;
    }
    ~PermissionsEnforced() {
        if (m_active) {
            ::syscall(SYS_capset, &m_header, m_saved);
        }
    }
    PermissionsEnforced(const PermissionsEnforced&) = delete;
    PermissionsEnforced& operator=(const PermissionsEnforced&) = delete;

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_active = false;
};

}  // namespace velquist::test
