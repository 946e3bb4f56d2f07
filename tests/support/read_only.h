// A folder the test cannot write to, also when the tests run as root or as an administrator.
#pragma once

#include <string>

namespace velquist::test {

// Makes `dir` refuse new files while this object lives, for the calling thread at least (root
// gives up, on this thread only, the capabilities that let it ignore permissions). holds() says
// whether the folder really refuses: Wine, run as root here, enforces no folder permissions.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::string dir);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool holds() const { return m_holds; }
    // The sentence a test prints when it cannot check what it is for.
    static constexpr const char* kWhyNot =
        "the folder could not be made read-only here (Wine runs as root and enforces no "
        "permissions); a real Windows run checks this";

private:
    std::string m_dir;
    bool m_holds = false;
    struct Saved;
    Saved* m_saved = nullptr;
};

// While this object lives, the calling thread obeys file permissions even as root (it gives up
// the capabilities that override them; they come back afterwards). Nothing on Windows.
class PermissionsEnforced {
public:
    PermissionsEnforced();
    ~PermissionsEnforced();
    PermissionsEnforced(const PermissionsEnforced&) = delete;
    PermissionsEnforced& operator=(const PermissionsEnforced&) = delete;

private:
    struct Saved;
    Saved* m_saved = nullptr;
};

// Takes every access to the file away. False where that does not hold for this process (Wine,
// run as root, enforces no access lists; on POSIX, call it with PermissionsEnforced alive).
bool makeUnreadable(const std::string& path);

// Makes, in `dir`, a path that is no regular file and whose reading would block or never end: a
// pipe nobody writes on POSIX; on Windows the NUL device, which every folder holds.
std::string makeNonRegularFile(const std::string& dir);

}  // namespace velquist::test
