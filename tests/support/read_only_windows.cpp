// Read-only folders on Windows: a protected access list that allows reading only. Whether it
// holds is checked by trying to create a file.
#include <windows.h>
// aclapi.h needs windows.h first.
#include <aclapi.h>

#include "core/win32.h"
#include "support/read_only.h"

namespace velquist::test {

struct ReadOnlyFolder::Saved {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    PACL acl = nullptr;
};

namespace {

bool canCreateIn(const std::wstring& dir) {
    const std::wstring probe = dir + L"\\probe.tmp";
    const HANDLE file = ::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    ::CloseHandle(file);
    ::DeleteFileW(probe.c_str());
    return true;
}

}  // namespace

ReadOnlyFolder::ReadOnlyFolder(std::string dir) : m_dir(std::move(dir)), m_saved(new Saved) {
    std::wstring wide = toUtf16(m_dir);
    ::GetNamedSecurityInfoW(wide.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                            nullptr, &m_saved->acl, nullptr, &m_saved->descriptor);
    wchar_t everyone[] = L"EVERYONE";
    EXPLICIT_ACCESSW readOnly{};
    readOnly.grfAccessPermissions = GENERIC_READ | GENERIC_EXECUTE;
    readOnly.grfAccessMode = SET_ACCESS;
    readOnly.grfInheritance = NO_INHERITANCE;
    readOnly.Trustee.TrusteeForm = TRUSTEE_IS_NAME;
    readOnly.Trustee.ptstrName = everyone;
    PACL acl = nullptr;
    if (::SetEntriesInAclW(1, &readOnly, nullptr, &acl) == ERROR_SUCCESS) {
        ::SetNamedSecurityInfoW(wide.data(), SE_FILE_OBJECT,
                                DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                nullptr, nullptr, acl, nullptr);
        ::LocalFree(acl);
    }
    m_holds = !canCreateIn(wide);
}

ReadOnlyFolder::~ReadOnlyFolder() {
    std::wstring wide = toUtf16(m_dir);
    if (m_saved->descriptor != nullptr) {
        ::SetNamedSecurityInfoW(wide.data(), SE_FILE_OBJECT,
                                DACL_SECURITY_INFORMATION | UNPROTECTED_DACL_SECURITY_INFORMATION,
                                nullptr, nullptr, m_saved->acl, nullptr);
        ::LocalFree(m_saved->descriptor);
    }
    delete m_saved;
}

bool makeUnreadable(const std::string& path) {
    std::wstring wide = toUtf16(path);
    ACL empty{};  // a protected, empty access list grants nothing to anyone
    if (!::InitializeAcl(&empty, sizeof empty, ACL_REVISION) ||
        ::SetNamedSecurityInfoW(wide.data(), SE_FILE_OBJECT,
                                DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                nullptr, nullptr, &empty, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const HANDLE file = ::CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return true;
    }
    ::CloseHandle(file);
    return false;
}

std::string makeNonRegularFile(const std::string& dir) {
    return dir + "\\NUL";
}

struct PermissionsEnforced::Saved {};

PermissionsEnforced::PermissionsEnforced() = default;
PermissionsEnforced::~PermissionsEnforced() = default;

}  // namespace velquist::test
